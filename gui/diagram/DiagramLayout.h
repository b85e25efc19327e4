#pragma once

#include <QFont>
#include <QPointF>
#include <QRectF>
#include <QString>
#include <optional>
#include <vector>

#include "core/editing/IndicatorLayout.h"
#include "core/editing/PathLabelLayout.h"
#include "core/editing/ResultTextPlace.h"

namespace qv::gui {

// Where the texts of the diagram go, measured in the diagram's font: the captions and result
// texts of the constructs, the path labels placed clear of them and of each other, and the
// box that holds the whole drawing. Painting, fitting and exporting share it.
class DiagramLayout {
public:
    // With indicators, each construct's indicators are laid out beside it as well.
    DiagramLayout(const ProjectModel& model, int radius, bool indicators = true);

    // Every text on the diagram, sized in pixels so that it scales with the drawing on any device.
    static QFont surfaceFont();
    // The smaller text of the indicators' boxes and their figures.
    static QFont indicatorFont();
    static constexpr double kCaptionHeight = 20;  // the caption stands this high above the circle

    // A path's label: the coefficient and its t value on one line, or over each other.
    static QString pathLabelText(const ProjectModel& model, int path, bool stacked);
    // A text's box with its top-left corner at the point, in the diagram's font.
    static QRectF textBox(QPointF topLeft, const QString& text);
    QPointF captionPoint(int construct) const;
    // The result texts stand under the circle unless a line would run behind them there.
    QPointF rSquarePoint(int construct) const;
    QPointF q2Point(int construct) const;
    const std::vector<std::optional<LabelBox>>& pathLabelBoxes() const { return labelBoxes_; }
    // Per indicator: its box and arrow, and the box of its figure (the loading of a reflective
    // construct's indicator, the weight of a formative one's) once there is one.
    const std::vector<std::optional<IndicatorPlace>>& indicatorPlaces() const { return indicatorPlaces_; }
    const std::vector<std::optional<LabelBox>>& indicatorFigureBoxes() const { return figureBoxes_; }
    // The figure an indicator's arrow carries; empty before an estimate.
    static QString indicatorFigure(const ProjectModel& model, int indicator);
    // Everything drawn; empty for an empty model.
    QRectF boundingBox() const;

private:
    std::vector<LabelBox> constructTextBoxes() const;
    void placeIndicators();
    std::optional<LabelBox> resultTexts(int construct) const;
    void placeResultTexts();
    QPointF textShift(int construct) const;
    std::vector<LabelBox> indicatorBoxes() const;

    const ProjectModel& model_;
    double radius_;
    std::vector<std::optional<LabelBox>> labelBoxes_;
    std::vector<std::optional<IndicatorPlace>> indicatorPlaces_;
    std::vector<std::optional<LabelBox>> figureBoxes_;
    std::vector<TextShift> textShifts_;  // of each construct's result texts from under its circle
};

inline QRectF toRect(const LabelBox& box) { return {box.left, box.top, box.width, box.height}; }

}  // namespace qv::gui
