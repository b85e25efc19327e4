#pragma once

#include <QColor>
#include <cstdint>

namespace qv::gui {

// Settings keep colours as 0x00BBGGRR, or a system colour 0x80000000 + index.
QColor colorFromValue(std::int32_t value);
std::int32_t valueFromColor(const QColor& color);

}  // namespace qv::gui
