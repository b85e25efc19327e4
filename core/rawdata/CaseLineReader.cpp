#include "core/rawdata/CaseLineReader.h"

namespace qv {

CaseLineReader::CaseLineReader(RawDataTable& table, const CaseFilter& filter,
                               bool commaSeparated)
    : table_(table),
      filter_(filter),
      commaSeparated_(commaSeparated),
      variables_(table.nFields()) {}

void CaseLineReader::add(char c) {
    if (failure_ != Failure::None) return;
    const bool blank = c == ' ' || c == '\t';
    if (blank && pending_.empty()) return;  // blanks before a field, or a run of separators
    lineHasContent_ = true;
    if (commaSeparated_ ? c == ',' : blank) {
        storeField();
        return;
    }
    if (pending_.size() == static_cast<size_t>(kMaxFieldLength)) {
        failure_ = Failure::FieldTooLong;
        error_ = "Data field longer than " + std::to_string(kMaxFieldLength) +
                 " characters at row " + std::to_string(line_) + ", column " +
                 std::to_string(field_ + 1) + " of the data file.";
        return;
    }
    pending_ += c;
}

void CaseLineReader::storeField() {
    if (field_ < variables_) table_.setCell(field_ + 1, kept_ + 1, std::move(pending_));
    pending_.clear();
    ++field_;
}

// A rejected case is cleared, so the next line never inherits its trailing fields.
void CaseLineReader::endLine() {
    if (failure_ != Failure::None) return;
    storeField();
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
    lineHasContent_ = false;
    ++line_;
}

void CaseLineReader::clearRow(int row) {
    for (int column = 1; column <= variables_; ++column) table_.setCell(column, row, {});
}

void CaseLineReader::finish() { table_.resize(variables_ + 1, kept_ + 1); }

}  // namespace qv
