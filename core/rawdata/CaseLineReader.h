#pragma once

#include <string>

#include "core/rawdata/CaseFilter.h"
#include "core/rawdata/RawDataTable.h"

namespace qv {

// Reads the case lines behind the header into the table, one byte at a time, and keeps a
// case only when the filter selects it. Fields split at blanks and tabs, or at commas for a
// comma-separated file; fields beyond the variables are dropped.
class CaseLineReader {
public:
    // The table already holds the header row with its variable names.
    CaseLineReader(RawDataTable& table, const CaseFilter& filter, bool commaSeparated);

    void add(char c);  // ignored once an error occurred
    void endLine();
    // Whether the line read so far holds more than blanks and tabs.
    bool lineHasContent() const { return lineHasContent_; }
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
    const bool commaSeparated_;
    const int variables_;
    int field_ = 0;  // position of the pending field in its line
    int kept_ = 0;
    int line_ = 1;   // the case line being read, counted from 1 behind the header
    bool lineHasContent_ = false;
    std::string pending_;
    Failure failure_ = Failure::None;
    std::string error_;
};

}  // namespace qv
