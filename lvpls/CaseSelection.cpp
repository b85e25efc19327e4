#include "lvpls/CaseSelection.h"

#include "lvpls/CardScanner.h"
#include "lvpls/ProblemError.h"

#include <charconv>

namespace lvpls {
namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// A whole positive number of at most 9 digits.
int positiveNumber(std::string_view text, const char* what) {
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || text.size() > 9 || error != std::errc() || end != text.data() + text.size() || value < 1 ||
        !isDigit(text.front())) {
        throw ProblemError(std::string(what) + " " + quoted(text) + " is not a whole number from 1 up");
    }
    return value;
}

std::vector<int> everyRecordBut(int omitted, int records) {
    std::vector<int> rows;
    rows.reserve(std::size_t(records));
    for (int r = 0; r < records; ++r)
        if (r != omitted) rows.push_back(r);
    return rows;
}

// Counts stand one character per record; a count of ten or more is written "(k)".
std::vector<int> drawnRecords(std::string_view counts, int records) {
    std::vector<int> rows;
    rows.reserve(std::size_t(records));
    int record = 0;
    for (std::size_t i = 0; i < counts.size(); ++record) {
        int times = 0;
        if (isDigit(counts[i])) {
            times = counts[i++] - '0';
        } else if (counts[i] == '(') {
            const std::size_t close = counts.find(')', i);
            if (close == std::string_view::npos) throw ProblemError("the SAMPLE counts hold a '(' without its ')'");
            times = positiveNumber(counts.substr(i + 1, close - i - 1), "the SAMPLE count");
            i = close + 1;
        } else {
            throw ProblemError("the SAMPLE counts hold " + quoted(counts.substr(i, 1)) + ", not a count");
        }
        if (record < records) rows.insert(rows.end(), std::size_t(times), record);
    }
    if (record != records) {
        throw ProblemError("the SAMPLE line holds " + std::to_string(record) + " counts for " +
                           std::to_string(records) + " data records");
    }
    return rows;
}

}  // namespace

bool isSampleLine(std::string_view line) {
    return line.substr(0, kSampleCard.size()) == kSampleCard &&
           (line.size() == kSampleCard.size() || line[kSampleCard.size()] == ' ');
}

SampleLine splitSampleLine(std::string_view line) {
    CardScanner scanner(line, kSampleCard.size());
    SampleLine sample;
    sample.selection = scanner.word();
    std::string_view title = line.substr(std::min(line.size(), scanner.position() + 1));
    sample.title = std::string(title.substr(0, title.find_last_not_of(" \t") + 1));
    return sample;
}

std::vector<int> selectedRecords(std::string_view selection, int records) {
    if (selection.empty()) throw ProblemError("the SAMPLE line names no cases");
    if (selection == "*") return everyRecordBut(-1, records);
    if (selection.front() == '-') {
        const int omitted = positiveNumber(selection.substr(1), "the omitted case");
        if (omitted > records) {
            throw ProblemError("the omitted case " + std::to_string(omitted) + " is not one of the " +
                               std::to_string(records) + " data records");
        }
        return everyRecordBut(omitted - 1, records);
    }
    return drawnRecords(selection, records);
}

}  // namespace lvpls
