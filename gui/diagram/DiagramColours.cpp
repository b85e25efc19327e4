#include "gui/diagram/DiagramColours.h"

#include <algorithm>
#include <cmath>

#include "core/app/EnvironmentSettings.h"
#include "gui/app/ColorValue.h"

namespace qv::gui {
namespace {

double linear(double channel) {
    return channel <= 0.03928 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
}

double luminance(const QColor& colour) {
    return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) + 0.0722 * linear(colour.blueF());
}

}  // namespace

DiagramColours DiagramColours::of(const EnvironmentSettings& settings) {
    DiagramColours colours;
    colours.background = colorFromValue(settings.bgColor);
    colours.construct = colorFromValue(settings.constructColor);
    colours.path = colorFromValue(settings.pathColor);
    colours.text = colorFromValue(settings.textColor);
    return colours;
}

// Captions, path labels and the marks are all written on a patch of the background.
std::vector<std::pair<QColor, QColor>> DiagramColours::textOnGround() const {
    return {{text, background}, {result, background}, {mark, background}, {selected, background}};
}

double ContrastRatio(const QColor& a, const QColor& b) {
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

}  // namespace qv::gui
