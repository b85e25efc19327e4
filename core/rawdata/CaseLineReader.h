#pragma once

#include <string>

#include "core/rawdata/CaseFilter.h"
#include "core/rawdata/FieldSplitter.h"
#include "core/rawdata/RawDataTable.h"

namespace qv {

// Reads the case lines behind the header into the table, one byte at a time, and keeps a
// case only when the filter selects it. Fields split as the header told; fields beyond the
// variables are dropped, and a line of blanks and tabs alone is no case.
class CaseLineReader {
public:
    // The table already holds the header row with its variable names.
    CaseLineReader(RawDataTable& table, const CaseFilter& filter, Separator separator);

    void add(char c);  // ignored once an error occurred
    void endLine();
    // Cuts the grid to the header and the kept cases.
    void finish();

    enum class Failure { None, FieldTooLong, Conversion };
    Failure failure() const { return failure_; }
    const std::string& error() const { return error_; }

private:
    void storeField();
    void clearRow(int row);

    RawDataTable& table_;
    const CaseFilter& filter_;
    const Separator separator_;
    FieldSplitter splitter_;
    const int variables_;
    int field_ = 0;  // position of the pending field in its line
    int kept_ = 0;
    int line_ = 1;   // the case line being read, counted from 1 behind the header
    Failure failure_ = Failure::None;
    std::string error_;
};

}  // namespace qv
