#include "core/rawdata/CaseLineReader.h"

#include "core/rawdata/DataCellText.h"

namespace qv {

CaseLineReader::CaseLineReader(RawDataTable& table, const CaseFilter& filter, Separator separator)
    : table_(table),
      filter_(filter),
      separator_(separator),
      splitter_(separator),
      variables_(table.nFields()) {}

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
    if (field_ < variables_) table_.setCell(field_ + 1, kept_ + 1, std::move(text));
    ++field_;
}

// A rejected case is cleared, so the next line never inherits its trailing fields.
void CaseLineReader::endLine() {
    if (failure_ != Failure::None) return;
    if (!splitter_.lineHasContent()) {  // its tabs may have stored empty fields
        splitter_.endLine();
        field_ = 0;
        return;
    }
    storeField();
    splitter_.endLine();
    const int row = kept_ + 1;
    const CaseSelection verdict = filter_.caseSelected(table_, row);
    if (!verdict.error.empty()) {
        failure_ = Failure::Conversion;
        error_ = verdict.error;
        return;
    }
    if (verdict.kept) {
        table_.setCell(0, row, std::to_string(row));
        ++kept_;
    } else {
        clearRow(row);
    }
    field_ = 0;
    ++line_;
}

void CaseLineReader::clearRow(int row) {
    for (int column = 1; column <= variables_; ++column) table_.setCell(column, row, {});
}

void CaseLineReader::finish() { table_.resize(variables_ + 1, kept_ + 1); }

}  // namespace qv
