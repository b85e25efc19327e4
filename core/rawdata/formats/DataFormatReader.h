#pragma once

#include <memory>
#include <string>
#include <vector>

#include "core/rawdata/CaseRows.h"

namespace qv {

// A reader of one file format that is not text: it hands the file's names and cases to
// the rows and returns an error message naming the file, or an empty text.
class DataFormatReader {
public:
    virtual ~DataFormatReader() = default;
    virtual std::string read(const std::string& path, CaseRows& cases) = 0;
    // The workbook sheet to read; empty for the first. Formats without sheets ignore it.
    void setSheet(std::string sheet) { sheet_ = std::move(sheet); }
    // Cells the format could hold but the table cannot use (text among the numbers), one
    // message's worth; empty when there were none.
    const std::string& notice() const { return notice_; }
    // The variables' labels, where the format keeps them (empty otherwise).
    const std::vector<std::string>& labels() const { return labels_; }

protected:
    std::string sheet_;
    std::string notice_;
    std::vector<std::string> labels_;
};

// The reader the file's extension names (letter case ignored), or none for a text file.
std::unique_ptr<DataFormatReader> DataFormatReaderFor(const std::string& path);

enum class WorkbookKind { None, OfficeOpenXml, OpenDocument };
// Whether the file's extension names a workbook, whose sheets the user may choose from.
WorkbookKind WorkbookKindOf(const std::string& path);

// Why the chosen sheet cannot be read: the workbook has none of that name.
std::string MissingSheetError(const std::string& path, const std::string& sheet);

}  // namespace qv
