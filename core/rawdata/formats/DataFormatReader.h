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
    // Cells the format could hold but the table cannot use (text among the numbers), one
    // message's worth; empty when there were none.
    const std::string& notice() const { return notice_; }
    // The variables' labels, where the format keeps them (empty otherwise).
    const std::vector<std::string>& labels() const { return labels_; }

protected:
    std::string notice_;
    std::vector<std::string> labels_;
};

// The reader the file's extension names (letter case ignored), or none for a text file.
std::unique_ptr<DataFormatReader> DataFormatReaderFor(const std::string& path);

}  // namespace qv
