#pragma once

#include <string>
#include <string_view>

namespace qv {

// A text field of a CSV file. Quoted, with inner quotes doubled, when it holds a comma, a
// quote or a line break, so it stays one field; led by an apostrophe when a spreadsheet would
// run it as a formula (a first non-blank =, +, -, @, tab or carriage return). Numbers, "-1.5"
// among them, stay as they are.
std::string CsvText(std::string_view text);

// The field as the separator needs it: CSV text for a comma, unchanged for any other.
std::string SeparatedText(std::string_view text, char separator);

}  // namespace qv
