#pragma once

#include <string>
#include <vector>

namespace qv {

// The sheets of a workbook (.xlsx, .ods) in their order, for the user to pick one. Empty for
// any other file; error says why a workbook could not be read.
std::vector<std::string> WorkbookSheets(const std::string& path, std::string& error);

}  // namespace qv
