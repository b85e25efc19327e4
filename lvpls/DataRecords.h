#pragma once

#include <optional>
#include <string_view>
#include <vector>

namespace lvpls {

// Length of a record's label: "Case%4d" takes 8 columns, or more when the case number is wider.
std::size_t recordLabelLength(std::string_view line);

// The values of one data record after its label; false when a field is not a number.
bool readRecordValues(std::string_view line, std::vector<double>& values);

// The field width of a data format card "... (2A4,nFw.d)" whose n is the number of indicators;
// nothing when the card says otherwise.
std::optional<int> recordFieldWidth(std::string_view formatCard, int indicators);

// Reads a record laid out in `count` fields of `width` columns after its label straight into
// out[0], out[stride], ...; false (out then undefined) when the line is not laid out so or a
// field is no plain number, so that the caller can read it value by value instead.
bool readFixedRecord(std::string_view line, int width, int count, double* out, long stride);

}  // namespace lvpls
