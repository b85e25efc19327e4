#pragma once

#include <QColor>
#include <QPoint>
#include <QSize>
#include <vector>

#include "core/editing/DiagramGeometry.h"

class QPainter;

namespace qv {
struct EnvironmentSettings;
}

namespace qv::gui {

struct DiagramColours {
    QColor background;
    QColor construct;
    QColor path;
    QColor text;
    static DiagramColours of(const EnvironmentSettings& settings);
};

// Draws the diagram of a model onto a painter, in the order that lets later items cover
// earlier ones: background, text labels, paths, selected paths, constructs, selected ones.
class DiagramPainter {
public:
    DiagramPainter(QPainter& painter, const ProjectModel& model, const DiagramColours& colours, int radius);

    // Returns the paths that could not be drawn because their two centres coincide.
    std::vector<int> paintAll(const Selection& selection, QSize surface);
    void drawConstruct(int index, bool selected);
    bool drawPath(int index, bool selected);
    void drawTextLabel(int index);
    // The drag ghost: circle and caption box at a centre, with the painter's pen and brush.
    static void drawOutline(QPainter& painter, QPoint centre, int radius);

private:
    void writeText(int x, int y, const QString& text);
    void writeResults(int index);
    void writeMarks(const Construct& construct);

    QPainter& painter_;
    const ProjectModel& model_;
    const DiagramColours& colours_;
    int radius_;
};

}  // namespace qv::gui
