#pragma once

#include <string>
#include <string_view>

namespace qv::fuzz {

// Lists the workbook's sheets and reads the first and the last through the workbench's load.
void ReadWorkbook(std::string_view bytes, const std::string& extension);

}  // namespace qv::fuzz
