#include "core/engine/EngineNames.h"

#include <algorithm>
#include <cstdio>

namespace qv {
namespace {

constexpr size_t kEngineNameWidth = 8;

std::string alias(const char* format, const std::string& caption, int position) {
    if (FitsEngineField(caption)) return caption;
    char text[16];
    std::snprintf(text, sizeof text, format, position);
    return text;
}

}  // namespace

bool FitsEngineField(const std::string& caption) {
    return !caption.empty() && caption.size() <= kEngineNameWidth &&
           std::all_of(caption.begin(), caption.end(), [](char c) { return c > ' ' && c < 127; });
}

std::string EngineIndicatorName(const std::string& caption, int position) {
    return alias("V%04d", caption, position);
}

std::string EngineBlockName(const std::string& caption, int position) {
    return alias("LV%03d", caption, position);
}

}  // namespace qv
