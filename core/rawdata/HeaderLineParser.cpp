#include "core/rawdata/HeaderLineParser.h"

#include "core/rawdata/RawDataTable.h"

namespace qv {

void HeaderLineParser::add(char c) {
    if (failed()) return;
    const bool blank = c == ' ' || c == '\t';
    if (blank && name_.empty()) return;
    if (blank || c == ',') {
        closeName();
        return;
    }
    name_ += c;
    if (name_.size() > static_cast<size_t>(kMaxVariableNameLength))
        fail("Error: length of variables name greater than " +
             std::to_string(kMaxVariableNameLength) + " (" +
             name_.substr(0, kMaxVariableNameLength) + "...)");
}

void HeaderLineParser::end() {
    if (!failed() && !name_.empty()) closeName();
}

void HeaderLineParser::closeName() {
    names_.push_back(std::move(name_));
    name_.clear();
    if (names_.size() > static_cast<size_t>(kMaxRawVariables))
        fail("Error: max no. of variables greater than " + std::to_string(kMaxRawVariables));
}

// A refused header gives no variables at all.
void HeaderLineParser::fail(std::string error) {
    error_ = std::move(error);
    names_.clear();
    name_.clear();
}

}  // namespace qv
