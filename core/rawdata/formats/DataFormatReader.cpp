#include "core/rawdata/formats/DataFormatReader.h"

#include <cctype>
#include <filesystem>

#include "core/rawdata/formats/OdsReader.h"
#include "core/rawdata/formats/StatisticsFileReaders.h"
#include "core/rawdata/formats/XlsxReader.h"

namespace qv {

namespace {

std::string lowerExtension(const std::string& path) {
    std::string extension = std::filesystem::path(path).extension().string();
    for (char& c : extension) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return extension;
}

}  // namespace

WorkbookKind WorkbookKindOf(const std::string& path) {
    const std::string extension = lowerExtension(path);
    if (extension == ".xlsx") return WorkbookKind::OfficeOpenXml;
    if (extension == ".ods") return WorkbookKind::OpenDocument;
    return WorkbookKind::None;
}

std::string MissingSheetError(const std::string& path, const std::string& sheet) {
    return "The data file " + path + " has no sheet named '" + sheet + "'.";
}

std::unique_ptr<DataFormatReader> DataFormatReaderFor(const std::string& path) {
    const std::string extension = lowerExtension(path);
    if (extension == ".xlsx") return std::make_unique<XlsxReader>();
    if (extension == ".ods") return std::make_unique<OdsReader>();
    if (extension == ".sav" || extension == ".zsav") return std::make_unique<SpssReader>();
    if (extension == ".dta") return std::make_unique<StataReader>();
    if (extension == ".sas7bdat") return std::make_unique<SasReader>();
    return nullptr;
}

}  // namespace qv
