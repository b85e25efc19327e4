#pragma once

#include <string>

#include "core/rawdata/CaseRows.h"

namespace qv {

// The statistics-package formats libreadstat reads.
enum class ReadStatFormat { Spss, Stata, Sas };

// Reads a statistics-package file through libreadstat into the rows: its variable names,
// then case after case. System-missing values and the user-defined missing values of a
// variable become empty cells; numbers are written with 15 significant digits. The
// variable labels are kept in labels. Returns an error naming the file, or an empty text.
std::string ReadStatFile(const std::string& path, ReadStatFormat format, CaseRows& cases,
                         std::vector<std::string>& labels);

}  // namespace qv
