#include "core/rawdata/CaseLineReader.h"

#include <algorithm>

#include "core/rawdata/DataCellText.h"
#include "core/rawdata/RawDataTable.h"

namespace qv {

void CaseLineReader::add(char c) {
    if (failure_ != Failure::None) return;
    if (splitter_.add(c)) {
        storeField();
        return;
    }
    if (splitter_.pendingSize() > static_cast<size_t>(kMaxFieldLength)) {
        failure_ = Failure::BadRow;
        error_ = "Data field longer than " + std::to_string(kMaxFieldLength) +
                 " characters at row " + std::to_string(line_) + ", column " +
                 std::to_string(field_ + 1) + " of the data file.";
    }
}

void CaseLineReader::storeField() {
    std::string text = dataCellText(splitter_.takeField(), separator_);
    if (field_ < rows_.variableCount()) {
        if (const std::string problem = NumberCellProblem(text); !problem.empty())
            fail(", column " + std::to_string(field_ + 1) + ": " + problem);
        fields_.push_back(std::move(text));
    } else if (!text.empty()) {
        // Separators at the end of a line leave empty fields; a value there has no variable.
        ++extraValues_;
    }
    ++field_;
}

void CaseLineReader::fail(const std::string& why) {
    if (failure_ != Failure::None) return;
    failure_ = Failure::BadRow;
    error_ = "Row " + std::to_string(line_) + " of the data file " + fileName_ + why + ".";
}

// A line holds one value per variable; more or fewer would pair values with the wrong
// variables or leave cells unread.
void CaseLineReader::checkWidth() {
    const int variables = rows_.variableCount();
    const int values = std::min(field_, variables) + extraValues_;
    if (values == variables) return;
    fail(" has " + std::to_string(values) + " values, but the header names " + std::to_string(variables) +
         " variables");
}

void CaseLineReader::endLine() {
    if (failure_ != Failure::None) return;
    const bool content = splitter_.lineHasContent();
    if (content) {
        storeField();
        checkWidth();
    }
    splitter_.endLine();
    if (failure_ != Failure::None) return;
    if (content && !rows_.add(fields_)) {
        failure_ = Failure::Conversion;
        error_ = rows_.error();
    }
    fields_.clear();
    field_ = 0;
    extraValues_ = 0;
    if (content) ++line_;
}

}  // namespace qv
