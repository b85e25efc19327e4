#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/rawdata/CaseFilter.h"
#include "core/rawdata/CaseLineReader.h"
#include "core/rawdata/CaseRows.h"
#include "core/rawdata/HeaderLineParser.h"
#include "core/rawdata/RawDataTable.h"

namespace qv {

// Turns the bytes of a data file into a table: the header line, then one case per line.
// A UTF-8 byte-order mark at the start is skipped and lines of blanks and tabs alone are
// ignored wherever they stand; every other byte value is data. LF and CR LF end a line,
// and a last line without a line end still counts. The bytes come in pieces, so a file of
// any size reads in fixed memory.
class DataFileParser {
public:
    // The file's name tells the separator of a header without any (".csv": commas).
    DataFileParser(const CaseFilter& filter, std::string fileName);
    DataFileParser(const DataFileParser&) = delete;
    DataFileParser& operator=(const DataFileParser&) = delete;

    bool feed(std::string_view bytes);  // false once an error stopped the reading
    void finish();                      // the end of the file

    enum class Failure { None, Header, Separator, BadRow, Conversion };
    Failure failure() const;
    // The header's own message (may be empty for a header without names), or the
    // message of the case line that stopped the reading.
    const std::string& error() const;
    RawDataTable& table() { return table_; }  // the names and the kept cases

private:
    bool stopped() const {
        return headerFailed_ || header_.failed() ||
               (cases_ && cases_->failure() != CaseLineReader::Failure::None);
    }
    void byte(char c);
    void lineEnd();
    void startCases();

    const CaseFilter& filter_;
    bool pendingCarriageReturn_ = false;
    bool headerFailed_ = false;
    size_t byteOrderMarkSeen_ = 0;  // how many bytes of the mark the file began with
    HeaderLineParser header_;
    RawDataTable table_;
    std::optional<CaseRows> rows_;
    std::optional<CaseLineReader> cases_;
};

}  // namespace qv
