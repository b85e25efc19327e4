#include "core/rawdata/CaseLineReader.h"

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
        failure_ = Failure::FieldTooLong;
        error_ = "Data field longer than " + std::to_string(kMaxFieldLength) +
                 " characters at row " + std::to_string(line_) + ", column " +
                 std::to_string(field_ + 1) + " of the data file.";
    }
}

void CaseLineReader::storeField() {
    std::string text = dataCellText(splitter_.takeField(), separator_);
    if (field_ < rows_.variableCount()) fields_.push_back(std::move(text));
    ++field_;
}

void CaseLineReader::endLine() {
    if (failure_ != Failure::None) return;
    const bool content = splitter_.lineHasContent();
    if (content) storeField();
    splitter_.endLine();
    if (content && !rows_.add(fields_)) {
        failure_ = Failure::Conversion;
        error_ = rows_.error();
    }
    fields_.clear();
    field_ = 0;
    if (content) ++line_;
}

}  // namespace qv
