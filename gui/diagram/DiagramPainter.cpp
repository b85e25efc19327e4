#include "gui/diagram/DiagramPainter.h"

#include <QPainter>
#include <QPolygon>

#include "core/app/EnvironmentSettings.h"
#include "core/editing/DiagramLabels.h"
#include "gui/app/ColorValue.h"
#include "gui/app/TextConversion.h"

namespace qv::gui {
namespace {

const QColor kRed(255, 0, 0);
const QColor kYellow(255, 255, 0);
const QColor kMaroon(128, 0, 0);
// Figures and marks are written in a dark red: above 4.5:1 against the light default background,
// where the red of a selected outline would be 3.7:1.
const QColor kFigureRed(176, 0, 0);

// Text is drawn without smoothing, so every glyph pixel has the colour asked for (the picture
// also goes into the web report as a bitmap).
QFont crispFont(const char* family, int size) {
    QFont font(family, size);
    font.setStyleStrategy(QFont::NoAntialias);
    return font;
}
QFont surfaceFont() { return crispFont("Arial", 9); }
QPoint toPoint(DiagramPoint point) { return {point.x, point.y}; }

}  // namespace

DiagramColours DiagramColours::of(const EnvironmentSettings& settings) {
    return {colorFromValue(settings.bgColor), colorFromValue(settings.constructColor),
            colorFromValue(settings.pathColor), colorFromValue(settings.textColor)};
}

DiagramPainter::DiagramPainter(QPainter& painter, const ProjectModel& model, const DiagramColours& colours, int radius)
    : painter_(painter), model_(model), colours_(colours), radius_(radius) {
    painter_.setFont(surfaceFont());
}

std::vector<int> DiagramPainter::paintAll(const Selection& selection, QSize surface) {
    painter_.fillRect(QRect(QPoint(0, 0), surface), colours_.background);
    for (int t = 0; t < model_.nTextLabel; ++t) drawTextLabel(t);
    std::vector<int> coincident;
    for (int p = 0; p < model_.nPath; ++p)
        if (!drawPath(p, false)) coincident.push_back(p);
    for (int p : selection.paths)
        if (p < model_.nPath) drawPath(p, true);
    for (int c = 0; c < model_.nConstruct; ++c) drawConstruct(c, false);
    for (int c : selection.constructs)
        if (c < model_.nConstruct) drawConstruct(c, true);
    return coincident;
}

// Text sits with its top-left corner at the point, on the background colour.
void DiagramPainter::writeText(int x, int y, const QString& text) {
    if (text.isEmpty()) return;
    const QRect box = painter_.fontMetrics().boundingRect(QRect(x, y, 2000, 200), Qt::AlignLeft | Qt::AlignTop, text);
    painter_.fillRect(box, colours_.background);
    painter_.drawText(box, Qt::AlignLeft | Qt::AlignTop, text);
}

void DiagramPainter::drawConstruct(int index, bool selected) {
    const Construct& construct = model_.constructs[index];
    if (construct.construct != -1) return;  // a member shows only in its second-order construct
    const int r = radius_;
    painter_.setPen(QPen(selected ? kRed : Qt::black, 1));
    painter_.setBrush(selected ? kYellow : colours_.construct);
    painter_.drawEllipse(QRect(construct.x - r, construct.y - r, 2 * r, 2 * r));
    painter_.setPen(selected ? kFigureRed : colours_.text);
    writeText(construct.x - r, construct.y - r - 20, toQString(construct.caption));
    painter_.setPen(colours_.text);
    painter_.setBrush(colours_.background);
    writeResults(index);
    writeMarks(construct);
}

void DiagramPainter::writeResults(int index) {
    const Construct& construct = model_.constructs[index];
    if (construct.rSquare == 0) return;
    const int r = radius_;
    painter_.setPen(kFigureRed);
    writeText(construct.x - r, construct.y + r, toQString(RSquareLabel(model_, index)));
    writeText(construct.x - r - 5, construct.y + 3 * r / 2, toQString(Q2Label(construct)));
    painter_.setPen(colours_.text);
}

void DiagramPainter::writeMarks(const Construct& construct) {
    if (construct.type == 1) {
        painter_.setFont(crispFont("Times", 10));
        painter_.setPen(kMaroon);
        writeText(construct.x + 8, construct.y + 8, "F");
        painter_.setFont(surfaceFont());
        painter_.setPen(colours_.text);
    }
    if (construct.order == 2) {
        painter_.setPen(kFigureRed);
        writeText(construct.x + 8, construct.y - 4, "2nd");
        painter_.setPen(colours_.text);
    }
}

bool DiagramPainter::drawPath(int index, bool selected) {
    const auto shape = ShapeOfPath(model_, index, radius_);
    if (!shape) return false;
    const QColor line = selected ? kRed : colours_.path;
    painter_.setPen(QPen(line, 1));
    painter_.drawLine(toPoint(shape->start), toPoint(shape->end));
    painter_.setBrush(colours_.path);
    painter_.drawPolygon(QPolygon({toPoint(shape->end), toPoint(shape->headLeft), toPoint(shape->headRight)}));
    painter_.setPen(colours_.text);
    writeText(shape->labelPoint.x, shape->labelPoint.y, toQString(CoefficientLabel(model_, index)));
    writeText(shape->labelPoint.x, shape->labelPoint.y + 15, toQString(StatisticLabel(model_, index)));
    return true;
}

void DiagramPainter::drawTextLabel(int index) {
    const TextLabel& label = model_.textLabels[index];
    painter_.setPen(colours_.text);
    writeText(label.x, label.y, toQString(label.text));
}

void DiagramPainter::drawOutline(QPainter& painter, QPoint centre, int radius) {
    painter.drawEllipse(QRect(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius));
    painter.drawRect(QRect(centre.x() - radius, centre.y() - radius - 20, 2 * radius, 20));
}

}  // namespace qv::gui
