#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/rawdata/CaseFilter.h"
#include "core/rawdata/CaseLineReader.h"
#include "core/rawdata/HeaderLineParser.h"
#include "core/rawdata/RawDataTable.h"

namespace qv {

// Turns the bytes of a data file into a table: the header line, then one case per line.
// Every byte value is data; LF and CR LF end a line, and a last line without a line end
// still counts. The bytes come in pieces, so a file of any size reads in fixed memory.
class DataFileParser {
public:
    DataFileParser(const CaseFilter& filter, bool commaSeparated);
    DataFileParser(const DataFileParser&) = delete;
    DataFileParser& operator=(const DataFileParser&) = delete;

    bool feed(std::string_view bytes);  // false once an error stopped the reading
    void finish();                      // the end of the file

    enum class Failure { None, Header, FieldTooLong, Conversion };
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
    const bool commaSeparated_;
    bool pendingCarriageReturn_ = false;
    bool headerFailed_ = false;
    HeaderLineParser header_;
    RawDataTable table_;
    std::optional<CaseLineReader> cases_;
};

}  // namespace qv
