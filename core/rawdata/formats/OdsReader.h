#pragma once

#include <string>

#include "core/rawdata/formats/DataFormatReader.h"

namespace qv {

// OpenDocument spreadsheets (.ods): the chosen table, or the first. Numbers come from the cells' stored
// values, not from their displayed text; repeated rows and cells are repeated.
class OdsReader : public DataFormatReader {
public:
    std::string read(const std::string& path, CaseRows& cases) override;
};

}  // namespace qv
