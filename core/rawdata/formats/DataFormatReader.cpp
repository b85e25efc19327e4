#include "core/rawdata/formats/DataFormatReader.h"

#include <cctype>
#include <filesystem>

#include "core/rawdata/formats/OdsReader.h"
#include "core/rawdata/formats/StatisticsFileReaders.h"
#include "core/rawdata/formats/XlsxReader.h"

namespace qv {

std::unique_ptr<DataFormatReader> DataFormatReaderFor(const std::string& path) {
    std::string extension = std::filesystem::path(path).extension().string();
    for (char& c : extension) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (extension == ".xlsx") return std::make_unique<XlsxReader>();
    if (extension == ".ods") return std::make_unique<OdsReader>();
    if (extension == ".sav" || extension == ".zsav") return std::make_unique<SpssReader>();
    if (extension == ".dta") return std::make_unique<StataReader>();
    if (extension == ".sas7bdat") return std::make_unique<SasReader>();
    return nullptr;
}

}  // namespace qv
