#pragma once

#include <QFont>
#include <QPointF>
#include <QRectF>
#include <QString>
#include <optional>
#include <vector>

#include "core/editing/PathLabelLayout.h"

namespace qv::gui {

// Where the texts of the diagram go, measured in the diagram's font: the captions and result
// texts of the constructs, the path labels placed clear of them and of each other, and the
// box that holds the whole drawing. Painting, fitting and exporting share it.
class DiagramLayout {
public:
    DiagramLayout(const ProjectModel& model, int radius);

    // Every text on the diagram, sized in pixels so that it scales with the drawing on any device.
    static QFont surfaceFont();
    static constexpr double kCaptionHeight = 20;  // the caption stands this high above the circle

    // A path's label: the coefficient and its t value on one line, or over each other.
    static QString pathLabelText(const ProjectModel& model, int path, bool stacked);
    // A text's box with its top-left corner at the point, in the diagram's font.
    static QRectF textBox(QPointF topLeft, const QString& text);
    QPointF captionPoint(int construct) const;
    QPointF rSquarePoint(int construct) const;
    QPointF q2Point(int construct) const;
    const std::vector<std::optional<LabelBox>>& pathLabelBoxes() const { return labelBoxes_; }
    // Everything drawn; empty for an empty model.
    QRectF boundingBox() const;

private:
    std::vector<LabelBox> constructTextBoxes() const;

    const ProjectModel& model_;
    double radius_;
    std::vector<std::optional<LabelBox>> labelBoxes_;
};

inline QRectF toRect(const LabelBox& box) { return {box.left, box.top, box.width, box.height}; }

}  // namespace qv::gui
