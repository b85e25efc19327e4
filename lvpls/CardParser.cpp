#include "lvpls/CardParser.h"

#include "lvpls/CardScanner.h"
#include "lvpls/CaseSelection.h"
#include "lvpls/DataRecords.h"
#include "lvpls/ParameterCard.h"
#include "lvpls/ProblemError.h"

#include <cmath>

namespace lvpls {
namespace {

// Walks the lines of a problem and names the file line in every complaint.
class CardCursor {
public:
    explicit CardCursor(const ProblemText& text) : text_(text) {}

    bool atEnd() const { return index_ >= text_.lineCount(); }
    std::string_view next(const char* expected) {
        if (atEnd()) throw ProblemError("the problem ends before " + std::string(expected));
        return text_.line(index_++);
    }
    void skipBlankLines() {
        while (!atEnd() && CardScanner(text_.line(index_)).atEnd()) ++index_;
    }
    std::size_t remaining() const { return text_.lineCount() - index_; }
    [[noreturn]] void fail(const std::string& reason) const {
        throw ProblemError("line " + std::to_string(text_.firstLine + long(index_) - 1) + ": " + reason);
    }

private:
    const ProblemText& text_;
    std::size_t index_ = 0;
};

// Rows of "%4d" values, 18 a line, as many lines as the count needs.
std::vector<int> readIntegerRows(CardCursor& cursor, int count, const char* what) {
    cursor.skipBlankLines();
    std::vector<int> values;
    while (int(values.size()) < count) {
        CardScanner scanner(cursor.next(what));
        while (!scanner.atEnd()) {
            const auto value = scanner.integer();
            if (!value) cursor.fail(std::string("letters in ") + what + ": " + quoted(scanner.word()));
            values.push_back(*value);
        }
    }
    if (int(values.size()) != count) {
        cursor.fail(std::string(what) + " holds " + std::to_string(values.size()) + " values, " +
                    std::to_string(count) + " expected");
    }
    return values;
}

// Names stand in 8 columns, 9 a line. An 8-character name leaves no blank before it, so a
// line of exactly that many fields is cut into columns; longer names widen the line and are
// then told apart by blanks.
void appendNameLine(std::string_view line, int expected, std::vector<std::string>& names) {
    if (line.size() == 8 * std::size_t(expected)) {
        std::vector<std::string> fields;
        for (int i = 0; i < expected; ++i) {
            CardScanner field(line.substr(8 * std::size_t(i), 8));
            const std::string_view name = field.word();
            if (name.empty() || !field.atEnd()) break;
            fields.emplace_back(name);
        }
        if (int(fields.size()) == expected) {
            names.insert(names.end(), fields.begin(), fields.end());
            return;
        }
    }
    CardScanner scanner(line);
    for (std::string_view name = scanner.word(); !name.empty(); name = scanner.word()) names.emplace_back(name);
}

std::vector<std::string> readNames(CardCursor& cursor, int count) {
    cursor.skipBlankLines();
    std::vector<std::string> names;
    while (int(names.size()) < count) {
        appendNameLine(cursor.next("the indicator names"), std::min(9, count - int(names.size())), names);
    }
    if (int(names.size()) != count) {
        cursor.fail("the indicator names are " + std::to_string(names.size()) + ", " + std::to_string(count) + " expected");
    }
    return names;
}

struct DesignRows {
    std::vector<std::string> names;
    std::vector<std::pair<int, int>> paths;  // from, to
};

// Each row is a caption followed by one two-column cell " 1" or " ." per block.
DesignRows readDesign(CardCursor& cursor, int blocks) {
    DesignRows design;
    for (int row = 0; row < blocks; ++row) {
        std::string_view line = cursor.next("the design matrix");
        line = line.substr(0, line.find_last_not_of(" \t") + 1);
        const std::size_t cells = 2 * std::size_t(blocks);
        if (line.size() < cells - 1) cursor.fail("design matrix row " + quoted(line) + " holds too few cells");
        const std::size_t start = line.size() + 1 - cells;
        for (int column = 0; column < blocks; ++column) {
            const char mark = line[start + 2 * column];
            const bool separated = start + 2 * column == 0 || line[start + 2 * column - 1] == ' ';
            if (!separated || (mark != '1' && mark != '.' && mark != '0')) {
                cursor.fail("design matrix row " + quoted(line) + " is not a caption and " + std::to_string(blocks) +
                            " cells of 1 or .");
            }
            if (mark == '1') design.paths.emplace_back(column, row);
        }
        // Captions may hold blanks, so the caption is all that stands before the cells.
        std::string_view caption = line.substr(0, start);
        const std::size_t first = caption.find_first_not_of(" \t");
        caption = first == std::string_view::npos ? std::string_view() : caption.substr(first);
        caption = caption.substr(0, caption.find_last_not_of(" \t") + 1);
        design.names.push_back(caption.empty() ? "LV" + std::to_string(row + 1) : std::string(caption));
    }
    return design;
}

std::vector<double> readMissingCard(CardCursor& cursor, int indicators) {
    const std::string_view line = cursor.next("the MISSING card");
    if (line.substr(0, 7) != "MISSING") cursor.fail("expected the MISSING card, found " + quoted(line));
    const std::string_view codes = line.size() > 8 ? line.substr(8) : std::string_view();
    std::vector<double> values;
    // Codes are written in 8 columns each; wide codes touch each other, so prefer the columns.
    if (codes.size() == 8 * std::size_t(indicators)) {
        for (int i = 0; i < indicators; ++i) {
            const auto code = parseValue(CardScanner(codes.substr(8 * std::size_t(i), 8)).word());
            if (!code) break;
            values.push_back(*code);
        }
    }
    if (int(values.size()) != indicators) {
        values.clear();
        if (!appendValues(codes, values)) cursor.fail("letters in the MISSING card: " + quoted(codes));
    }
    if (int(values.size()) != indicators) {
        cursor.fail("the MISSING card holds " + std::to_string(values.size()) + " codes, " +
                    std::to_string(indicators) + " expected");
    }
    return values;
}

}  // namespace

namespace {

// Records in the fixed fields of the data format card go straight into the matrix; any
// other layout is read value by value, which also names what is wrong with a record.
void readRecords(CardCursor& cursor, int records, int indicators, std::string_view formatCard, Eigen::MatrixXd& data) {
    if (cursor.remaining() < std::size_t(records)) {
        cursor.fail("the problem holds fewer lines than its " + std::to_string(records) + " data records");
    }
    data.resize(records, indicators);
    const std::optional<int> width = recordFieldWidth(formatCard, indicators);
    std::vector<double> values;
    for (int r = 0; r < records; ++r) {
        const std::string_view line = cursor.next("the data records");
        if (width && readFixedRecord(line, *width, indicators, &data(r, 0), long(data.rows()))) continue;
        if (CardScanner(line).atEnd()) {
            cursor.fail("the problem ends after " + std::to_string(r) + " of " + std::to_string(records) +
                        " data records");
        }
        if (!readRecordValues(line, values)) cursor.fail("letters in a data value: " + quoted(line));
        if (int(values.size()) != indicators) {
            cursor.fail("data record " + quoted(line.substr(0, recordLabelLength(line))) + " holds " +
                        std::to_string(values.size()) + " values, " + std::to_string(indicators) + " expected");
        }
        for (int i = 0; i < indicators; ++i) data(r, i) = values[std::size_t(i)];
    }
    cursor.skipBlankLines();
    if (!cursor.atEnd()) {
        cursor.next("");
        cursor.fail("more data records than the " + std::to_string(records) + " declared");
    }
}

void readHeader(CardCursor& cursor) {
    cursor.next("the COMMENT card");
    cursor.next("the title");
    while (!isCard(cursor.next("the CEND card"), "CEND")) {
    }
    if (!isCard(cursor.next("the PLSX card"), "PLSX")) cursor.fail("expected the PLSX card");
    cursor.next("the program line");
}

std::vector<Block> makeBlocks(CardCursor& cursor, const std::vector<int>& counts, const std::vector<int>& modes,
                              std::vector<std::string> names) {
    std::vector<Block> blocks(counts.size());
    int first = 0;
    for (std::size_t b = 0; b < counts.size(); ++b) {
        if (counts[b] < 1) throw ProblemError("block " + names[b] + " has no indicators");
        if (modes[b] != 0 && modes[b] != 1) cursor.fail("mode code " + std::to_string(modes[b]) + " is not 0 or 1");
        blocks[b] = Block{std::move(names[b]), first, counts[b], modes[b] == 1 ? OuterMode::B : OuterMode::A};
        first += counts[b];
    }
    return blocks;
}

int indicatorTotal(CardCursor& cursor, const std::vector<int>& counts) {
    long total = 0;
    for (int count : counts) {
        if (count < 0) cursor.fail("negative number of indicators");
        total += count;
    }
    if (total > kMaxIndicators) cursor.fail("more than " + std::to_string(kMaxIndicators) + " indicators");
    return int(total);
}

void applyParameters(const ParameterCard& card, Problem& problem) {
    problem.settings.scheme = static_cast<InnerScheme>(card.scheme);
    problem.settings.maxIterations = card.maxIterations;
    problem.settings.tolerance = std::pow(10.0, -card.convergence);
    problem.metric = static_cast<Metric>(card.metric);
    if (card.blindDistance == 0) return;
    const int target = card.blindTarget < 0 ? -card.blindTarget : card.blindTarget;
    if (target > card.blocks) {
        throw ProblemError("blindfolding target " + std::to_string(card.blindTarget) + " names no block");
    }
    problem.blindfold = BlindfoldSettings{card.blindDistance, target - 1, card.blindTarget > 0};
}

}  // namespace

std::string problemTitle(const ProblemText& text) {
    if (text.drawsFromBefore()) return isSampleLine(text.sampleLine) ? splitSampleLine(text.sampleLine).title : "";
    if (text.lineCount() < 2) return {};
    std::string_view title = text.line(1);
    return std::string(title.substr(0, title.find_last_not_of(" \t") + 1));
}

Problem parseProblem(const ProblemText& text) {
    Problem problem;
    parseProblem(text, problem);
    return problem;
}

void parseProblem(const ProblemText& text, Problem& problem) {
    CardCursor cursor(text);
    if (!text.cutLine.empty()) {
        throw ProblemError(text.cutLine + " is longer than the limit of " +
                           std::to_string(LineReader::kMaxLineLength) + " characters");
    }
    readHeader(cursor);
    const ParameterCard card = parseParameterCard(cursor.next("the parameter card"));
    if (card.blocks > kMaxBlocks) cursor.fail("more than " + std::to_string(kMaxBlocks) + " blocks");
    problem.missingCodes.clear();
    problem.blindfold = BlindfoldSettings{};
    problem.title = problemTitle(text);
    applyParameters(card, problem);
    const std::vector<int> counts = readIntegerRows(cursor, card.blocks, "the numbers of indicators");
    const std::vector<int> modes = readIntegerRows(cursor, card.blocks, "the mode codes");
    readIntegerRows(cursor, card.blocks, "the row of ones");
    const int indicators = indicatorTotal(cursor, counts);
    std::vector<std::string> names = readNames(cursor, indicators);
    cursor.next("the design format card");
    DesignRows design = readDesign(cursor, card.blocks);
    problem.model = PathModel(makeBlocks(cursor, counts, modes, std::move(design.names)), std::move(names));
    for (const auto& [from, to] : design.paths) problem.model.addPath(from, to);
    const std::string onCycle = problem.model.blockOnCycle();
    if (!onCycle.empty()) throw ProblemError("the design matrix has a cycle of paths through block " + onCycle);
    const std::string_view formatCard = cursor.next("the data format card");
    if (card.missingCard) problem.missingCodes = readMissingCard(cursor, indicators);
    readRecords(cursor, card.records - (card.missingCard ? 1 : 0), indicators, formatCard, problem.data);
}

}  // namespace lvpls
