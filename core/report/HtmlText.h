#pragma once

#include <string>
#include <string_view>

namespace qv {

// Text as it must stand in an HTML page: the characters that open tags, entities or
// attribute values are written as entities, so a caption such as "a<b" shows as itself.
std::string HtmlEscaped(std::string_view text);

}  // namespace qv
