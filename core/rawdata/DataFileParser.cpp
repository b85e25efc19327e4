#include "core/rawdata/DataFileParser.h"

namespace qv {

DataFileParser::DataFileParser(const CaseFilter& filter, bool commaSeparated)
    : filter_(filter), commaSeparated_(commaSeparated) {}

bool DataFileParser::feed(std::string_view bytes) {
    for (const char c : bytes) {
        if (pendingCarriageReturn_) {
            pendingCarriageReturn_ = false;
            if (c == '\n') {
                lineEnd();
                continue;
            }
            byte('\r');  // a lone CR is data
        }
        if (c == '\r')
            pendingCarriageReturn_ = true;
        else if (c == '\n')
            lineEnd();
        else
            byte(c);
        if (stopped()) return false;
    }
    return true;
}

// A CR as the very last byte is taken as the line end whose LF was lost.
void DataFileParser::finish() {
    pendingCarriageReturn_ = false;
    if (!cases_ && !headerFailed_) lineEnd();
    if (!cases_) return;
    if (cases_->lineHasContent()) cases_->endLine();
    if (cases_->failure() == CaseLineReader::Failure::None) cases_->finish();
}

void DataFileParser::byte(char c) {
    if (cases_)
        cases_->add(c);
    else
        header_.add(c);
}

void DataFileParser::lineEnd() {
    if (cases_) {
        cases_->endLine();
        return;
    }
    header_.end();
    if (header_.names().empty()) {
        headerFailed_ = true;
        return;
    }
    startCases();
}

void DataFileParser::startCases() {
    const auto& names = header_.names();
    const int count = static_cast<int>(names.size());
    table_.resize(count + 1, 1);
    table_.setFieldCount(count);
    for (int column = 1; column <= count; ++column)
        table_.setCell(column, 0, names[static_cast<size_t>(column - 1)]);
    cases_.emplace(table_, filter_, commaSeparated_);
}

DataFileParser::Failure DataFileParser::failure() const {
    if (headerFailed_ || header_.failed()) return Failure::Header;
    if (!cases_) return Failure::None;
    switch (cases_->failure()) {
        case CaseLineReader::Failure::FieldTooLong: return Failure::FieldTooLong;
        case CaseLineReader::Failure::Conversion: return Failure::Conversion;
        default: return Failure::None;
    }
}

const std::string& DataFileParser::error() const {
    return cases_ ? cases_->error() : header_.error();
}

}  // namespace qv
