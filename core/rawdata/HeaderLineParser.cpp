#include "core/rawdata/HeaderLineParser.h"

#include <cctype>
#include <filesystem>

#include "core/rawdata/RawDataTable.h"
#include "core/rawdata/VariableNames.h"

namespace qv {
namespace {

// Every name at its longest in four-byte characters, quoted, with a separator and blanks.
constexpr size_t kMaxHeaderBytes =
    static_cast<size_t>(kMaxRawVariables + 1) * (4 * kMaxVariableNameLength + 8);

bool hasCsvExtension(const std::string& name) {
    std::string extension = std::filesystem::path(name).extension().string();
    for (char& c : extension) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return extension == ".csv";
}

bool isBlank(char c) { return c == ' ' || c == '\t'; }

std::string trimmedEnd(std::string text) {
    while (!text.empty() && isBlank(text.back())) text.pop_back();
    return text;
}

}  // namespace

void HeaderLineParser::add(char c) {
    if (line_.size() < kMaxHeaderBytes)
        line_ += c;
    else
        cut_ = true;
}

bool HeaderLineParser::end() {
    if (line_.find_first_not_of(" \t") == std::string::npos) {
        line_.clear();
        return false;
    }
    if (!detectSeparator()) return true;
    splitNames();
    checkNames();
    if (!failed() && cut_)
        fail(Failure::Names, "Error: the header line is longer than " +
                                 std::to_string(kMaxHeaderBytes) + " bytes");
    return true;
}

bool HeaderLineParser::detectSeparator() {
    bool semicolon = false, comma = false, tab = false, blankInName = false, quoted = false;
    const size_t first = line_.find_first_not_of(" \t");
    const size_t last = line_.find_last_not_of(" \t");
    for (size_t at = first; at <= last; ++at) {
        const char c = line_[at];
        if (c == '"') quoted = !quoted;
        if (quoted) continue;
        semicolon |= c == ';';
        comma |= c == ',';
        tab |= c == '\t';
        blankInName |= c == ' ';
    }
    if (tab && blankInName) tab = false;  // tabs among blanks align a blank-separated header
    if (semicolon + comma + tab > 1) {
        const std::string found = semicolon ? (comma ? "semicolons and commas" : "semicolons and tabs")
                                            : "commas and tabs";
        fail(Failure::Separator,
             "Cannot tell how the fields of the data file " + fileName_ +
                 " are separated: its header line holds " + found +
                 ".\nAccepted separators, one kind per file: blanks, commas, semicolons or tabs.");
        return false;
    }
    separator_ = semicolon ? Separator::Semicolon
                 : tab     ? Separator::Tab
                 : comma || hasCsvExtension(fileName_) ? Separator::Comma
                                     : Separator::Blanks;
    return true;
}

void HeaderLineParser::splitNames() {
    FieldSplitter splitter(separator_);
    for (const char c : line_)
        if (splitter.add(c)) names_.push_back(trimmedEnd(splitter.takeField()));
    const bool quoted = splitter.pendingQuoted();
    std::string last = trimmedEnd(splitter.takeField());
    if (!last.empty() || quoted) names_.push_back(std::move(last));
}

void HeaderLineParser::checkNames() {
    if (std::string error = VariableNamesError(names_); !error.empty())
        fail(Failure::Names, std::move(error));
}

// A refused header gives no variables at all.
void HeaderLineParser::fail(Failure failure, std::string error) {
    failure_ = failure;
    error_ = std::move(error);
    names_.clear();
}

}  // namespace qv
