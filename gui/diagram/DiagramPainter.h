#pragma once

#include <QPointF>
#include <vector>

#include "core/editing/DiagramGeometry.h"
#include "gui/diagram/DiagramColours.h"
#include "gui/diagram/DiagramLayout.h"

class QPainter;

namespace qv::gui {

// Draws the diagram of a model onto a painter in model coordinates (the caller sets the scale),
// smoothed, in the order that lets later items cover earlier ones: text labels, paths, selected
// paths, indicators with their arrows and figures, path labels, constructs, selected ones. The same drawing serves the screen, the
// exported pictures and the report's bitmap.
class DiagramPainter {
public:
    DiagramPainter(QPainter& painter, const ProjectModel& model, const DiagramColours& colours, int radius,
                   bool indicators = true);

    // Returns the paths that could not be drawn because their two centres coincide.
    std::vector<int> paintAll(const Selection& selection);
    const DiagramLayout& layout() const { return layout_; }
    // The drag ghost: circle and caption box at a centre, with the painter's pen and brush.
    static void drawOutline(QPainter& painter, QPoint centre, int radius);

private:
    void drawConstruct(int index, bool selected);
    bool drawPath(int index, bool selected);
    void drawPathLabel(int index);
    void drawIndicator(int index);
    void drawArrow(QPointF from, QPointF to, const QColor& colour, double width);
    void drawTextLabel(int index);
    void writeText(QPointF topLeft, const QString& text);
    void writeResults(int index);
    void writeMarks(const Construct& construct);

    QPainter& painter_;
    const ProjectModel& model_;
    const DiagramColours& colours_;
    int radius_;
    DiagramLayout layout_;
};

}  // namespace qv::gui
