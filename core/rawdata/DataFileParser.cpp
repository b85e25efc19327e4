#include "core/rawdata/DataFileParser.h"

namespace qv {
namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

}  // namespace

DataFileParser::DataFileParser(const CaseFilter& filter, std::string fileName)
    : filter_(filter), header_(std::move(fileName)) {}

bool DataFileParser::feed(std::string_view bytes) {
    for (const char c : bytes) {
        // The mark's bytes are held back until the mark is complete or broken.
        if (byteOrderMarkSeen_ < kByteOrderMark.size()) {
            if (c == kByteOrderMark[byteOrderMarkSeen_]) {
                ++byteOrderMarkSeen_;
                continue;
            }
            for (size_t k = 0; k < byteOrderMarkSeen_; ++k) byte(kByteOrderMark[k]);
            byteOrderMarkSeen_ = kByteOrderMark.size();
        }
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
    if (byteOrderMarkSeen_ < kByteOrderMark.size())
        for (size_t k = 0; k < byteOrderMarkSeen_; ++k) byte(kByteOrderMark[k]);
    pendingCarriageReturn_ = false;
    if (!cases_ && !stopped()) lineEnd();
    if (!cases_ && !header_.failed()) headerFailed_ = true;
    if (!cases_) return;
    cases_->endLine();
    if (cases_->failure() == CaseLineReader::Failure::None) rows_->finish();
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
    if (!header_.end()) return;  // a blank line before the header
    if (header_.failed()) return;
    if (header_.names().empty()) {
        headerFailed_ = true;
        return;
    }
    startCases();
}

// The header checked the names, so the rows take them.
void DataFileParser::startCases() {
    rows_.emplace(table_, filter_);
    rows_->setNames(header_.names());
    cases_.emplace(*rows_, header_.separator(), header_.fileName());
}

DataFileParser::Failure DataFileParser::failure() const {
    if (header_.failure() == HeaderLineParser::Failure::Separator) return Failure::Separator;
    if (headerFailed_ || header_.failed()) return Failure::Header;
    if (!cases_) return Failure::None;
    switch (cases_->failure()) {
        case CaseLineReader::Failure::BadRow: return Failure::BadRow;
        case CaseLineReader::Failure::Conversion: return Failure::Conversion;
        default: return Failure::None;
    }
}

const std::string& DataFileParser::error() const {
    return cases_ ? cases_->error() : header_.error();
}

}  // namespace qv
