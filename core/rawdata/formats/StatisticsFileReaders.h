#pragma once

#include <string>
#include <vector>

#include "core/rawdata/formats/DataFormatReader.h"
#include "core/rawdata/formats/ReadStatFile.h"

namespace qv {

// SPSS (.sav, .zsav), Stata (.dta) and SAS (.sas7bdat) data files, read through libreadstat.
template <ReadStatFormat format>
class StatisticsFileReader : public DataFormatReader {
public:
    std::string read(const std::string& path, CaseRows& cases) override {
        return ReadStatFile(path, format, cases, labels_);
    }
};

using SpssReader = StatisticsFileReader<ReadStatFormat::Spss>;
using StataReader = StatisticsFileReader<ReadStatFormat::Stata>;
using SasReader = StatisticsFileReader<ReadStatFormat::Sas>;

}  // namespace qv
