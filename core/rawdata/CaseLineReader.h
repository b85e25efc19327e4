#pragma once

#include <string>
#include <vector>

#include "core/rawdata/CaseRows.h"
#include "core/rawdata/FieldSplitter.h"

namespace qv {

// Reads the case lines behind the header, one byte at a time, and hands each line's fields
// to the rows. Fields split as the header told; fields beyond the variables are dropped,
// and a line of blanks and tabs alone is no case.
class CaseLineReader {
public:
    CaseLineReader(CaseRows& rows, Separator separator)
        : rows_(rows), separator_(separator), splitter_(separator) {}

    void add(char c);  // ignored once an error occurred
    void endLine();

    enum class Failure { None, FieldTooLong, Conversion };
    Failure failure() const { return failure_; }
    const std::string& error() const { return error_; }

private:
    void storeField();

    CaseRows& rows_;
    const Separator separator_;
    FieldSplitter splitter_;
    std::vector<std::string> fields_;
    int field_ = 0;  // position of the pending field in its line
    int line_ = 1;   // the case line being read, counted from 1 behind the header
    Failure failure_ = Failure::None;
    std::string error_;
};

}  // namespace qv
