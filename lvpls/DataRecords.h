#pragma once

#include <string_view>
#include <vector>

namespace lvpls {

// Length of a record's label: "Case%4d" takes 8 columns, or more when the case number is wider.
std::size_t recordLabelLength(std::string_view line);

// The values of one data record after its label; false when a field is not a number.
bool readRecordValues(std::string_view line, std::vector<double>& values);

}  // namespace lvpls
