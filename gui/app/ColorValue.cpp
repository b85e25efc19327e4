#include "gui/app/ColorValue.h"

#include <QApplication>
#include <QPalette>

namespace qv::gui {
namespace {
constexpr std::uint32_t kSystemColorFlag = 0x80000000u;
constexpr std::uint32_t kButtonFaceIndex = 15;
}  // namespace

QColor colorFromValue(std::int32_t value) {
    const auto bits = static_cast<std::uint32_t>(value);
    if (bits & kSystemColorFlag) {
        const QPalette palette = QApplication::palette();
        return (bits & 0xFFu) == kButtonFaceIndex ? palette.color(QPalette::Button)
                                                  : palette.color(QPalette::Window);
    }
    return QColor(static_cast<int>(bits & 0xFFu), static_cast<int>((bits >> 8) & 0xFFu),
                  static_cast<int>((bits >> 16) & 0xFFu));
}

std::int32_t valueFromColor(const QColor& color) {
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(color.red()) |
                                     static_cast<std::uint32_t>(color.green()) << 8 |
                                     static_cast<std::uint32_t>(color.blue()) << 16);
}

}  // namespace qv::gui
