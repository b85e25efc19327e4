#pragma once

#include <QColor>
#include <utility>
#include <vector>

namespace qv {
struct EnvironmentSettings;
}

namespace qv::gui {

// The colours of the diagram: four from the settings, the rest fixed and dark enough to read
// on a light background.
struct DiagramColours {
    QColor background;
    QColor construct;
    QColor path;
    QColor text;
    // Figures and marks in a dark red that reads at above 4.5:1 on the light default background.
    QColor result{176, 0, 0};     // R-square, Q-square, the second-order mark
    QColor mark{128, 0, 0};       // the formative mark
    QColor selected{176, 0, 0};   // outline and caption of a selection
    QColor selectedFill{255, 255, 0};
    static DiagramColours of(const EnvironmentSettings& settings);

    // Each colour of text with the colour it is written on.
    std::vector<std::pair<QColor, QColor>> textOnGround() const;
};

// The contrast ratio of two colours by their relative luminance, from 1 to 21.
double ContrastRatio(const QColor& a, const QColor& b);

}  // namespace qv::gui
