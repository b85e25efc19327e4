#pragma once

#include <string>
#include <vector>

#include "core/rawdata/CaseRows.h"
#include "core/rawdata/FieldSplitter.h"

namespace qv {

// Reads the case lines behind the header, one byte at a time, and hands each line's fields
// to the rows. Fields split as the header told; a line must hold one value per variable
// (empty fields a trailing separator leaves do not count), numbers must be finite and within
// the engine's range, and a line of blanks and tabs alone is no case.
class CaseLineReader {
public:
    CaseLineReader(CaseRows& rows, Separator separator, std::string fileName)
        : rows_(rows), separator_(separator), splitter_(separator), fileName_(std::move(fileName)) {}

    void add(char c);  // ignored once an error occurred
    void endLine();

    enum class Failure { None, BadRow, Conversion };
    Failure failure() const { return failure_; }
    const std::string& error() const { return error_; }

private:
    void storeField();
    // "Row R of the data file F" followed by why.
    void fail(const std::string& why);
    void checkWidth();

    CaseRows& rows_;
    const Separator separator_;
    FieldSplitter splitter_;
    const std::string fileName_;
    std::vector<std::string> fields_;
    int field_ = 0;        // position of the pending field in its line
    int extraValues_ = 0;  // values beyond the variables
    int line_ = 1;   // the case line being read, counted from 1 behind the header
    Failure failure_ = Failure::None;
    std::string error_;
};

}  // namespace qv
