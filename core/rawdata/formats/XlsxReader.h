#pragma once

#include <string>

#include "core/rawdata/formats/DataFormatReader.h"

namespace qv {

// Office Open XML workbooks (.xlsx): the chosen sheet, or the first. Numbers and the cached values of
// formulas are read as written; shared and inline strings are text.
class XlsxReader : public DataFormatReader {
public:
    std::string read(const std::string& path, CaseRows& cases) override;
};

}  // namespace qv
