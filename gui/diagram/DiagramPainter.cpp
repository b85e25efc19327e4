#include "gui/diagram/DiagramPainter.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPolygonF>
#include <cmath>

#include "core/editing/DiagramLabels.h"
#include "gui/app/TextConversion.h"

namespace qv::gui {
namespace {

QPointF toPoint(DiagramPoint point) { return {double(point.x), double(point.y)}; }

// Thin lines through the middle of pixels stay sharp when smoothed: a one-pixel line on a
// pixel edge would be spread grey over two.
QPointF onPixels(QPointF point) { return point + QPointF(0.5, 0.5); }

QFont markFont() {
    QFont font("Times");
    font.setPixelSize(13);
    return font;
}

}  // namespace

DiagramPainter::DiagramPainter(QPainter& painter, const ProjectModel& model, const DiagramColours& colours, int radius,
                               bool indicators)
    : painter_(painter), model_(model), colours_(colours), radius_(radius), layout_(model, radius, indicators) {
    painter_.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing | QPainter::SmoothPixmapTransform);
    painter_.setFont(DiagramLayout::surfaceFont());
}

std::vector<int> DiagramPainter::paintAll(const Selection& selection) {
    for (int t = 0; t < model_.nTextLabel; ++t) drawTextLabel(t);
    std::vector<int> coincident;
    for (int p = 0; p < model_.nPath; ++p)
        if (!drawPath(p, false)) coincident.push_back(p);
    for (int p : selection.paths)
        if (p < model_.nPath) drawPath(p, true);
    for (int i = 0; i < model_.nIndicator; ++i) drawIndicator(i);
    for (int p = 0; p < model_.nPath; ++p) drawPathLabel(p);
    for (int c = 0; c < model_.nConstruct; ++c) drawConstruct(c, false);
    for (int c : selection.constructs)
        if (c < model_.nConstruct) drawConstruct(c, true);
    return coincident;
}

// Text sits with its top-left corner at the point, on a patch of the background colour.
void DiagramPainter::writeText(QPointF topLeft, const QString& text) {
    if (text.isEmpty()) return;
    const QFontMetricsF metrics(painter_.font());
    const QRectF box(topLeft, QSizeF(metrics.horizontalAdvance(text), metrics.height()));
    painter_.fillRect(box, colours_.background);
    painter_.drawText(box, Qt::AlignLeft | Qt::AlignTop, text);
}

void DiagramPainter::drawConstruct(int index, bool selected) {
    const Construct& construct = model_.constructs[index];
    if (construct.construct != -1) return;  // a member shows only in its second-order construct
    const double r = radius_;
    painter_.setPen(QPen(selected ? colours_.selected : QColor(Qt::black), selected ? 2 : 1));
    painter_.setBrush(selected ? colours_.selectedFill : colours_.construct);
    painter_.drawEllipse(onPixels(QPointF(construct.x, construct.y)), r, r);
    painter_.setPen(selected ? colours_.selected : colours_.text);
    writeText(layout_.captionPoint(index), toQString(construct.caption));
    writeResults(index);
    writeMarks(construct);
}

void DiagramPainter::writeResults(int index) {
    const Construct& construct = model_.constructs[index];
    if (construct.rSquare == 0) return;
    painter_.setPen(colours_.result);
    writeText(layout_.rSquarePoint(index), toQString(RSquareLabel(model_, index)));
    writeText(layout_.q2Point(index), toQString(Q2Label(construct)));
}

void DiagramPainter::writeMarks(const Construct& construct) {
    if (construct.type == 1) {
        painter_.setFont(markFont());
        painter_.setPen(colours_.mark);
        writeText({construct.x + 8.0, construct.y + 8.0}, "F");
        painter_.setFont(DiagramLayout::surfaceFont());
    }
    if (construct.order == 2) {
        painter_.setPen(colours_.result);
        writeText({construct.x + 8.0, construct.y - 4.0}, "2nd");
    }
}

bool DiagramPainter::drawPath(int index, bool selected) {
    const auto shape = ShapeOfPath(model_, index, radius_);
    if (!shape) return false;
    const QColor line = selected ? colours_.selected : colours_.path;
    // A path a pixel and a half wide keeps its colour when smoothed at any slant.
    painter_.setPen(QPen(line, selected ? 2.5 : 1.5));
    painter_.drawLine(onPixels(toPoint(shape->start)), onPixels(toPoint(shape->end)));
    painter_.setPen(QPen(line, 1));
    painter_.setBrush(line);
    painter_.drawPolygon(QPolygonF({onPixels(toPoint(shape->end)), onPixels(toPoint(shape->headLeft)),
                                    onPixels(toPoint(shape->headRight))}));
    return true;
}

// A thin line with a small filled head at its end.
void DiagramPainter::drawArrow(QPointF from, QPointF to, const QColor& colour, double width) {
    constexpr double kHeadLength = 7, kHeadHalfWidth = 3;
    const QPointF along = to - from;
    const double length = std::hypot(along.x(), along.y());
    if (length == 0) return;
    const QPointF unit = along / length, across(-unit.y(), unit.x());
    painter_.setPen(QPen(colour, width));
    painter_.drawLine(from, to);
    painter_.setPen(QPen(colour, 1));
    painter_.setBrush(colour);
    const QPointF back = to - unit * kHeadLength;
    painter_.drawPolygon(QPolygonF({to, back + across * kHeadHalfWidth, back - across * kHeadHalfWidth}));
}

// A reflective construct's arrow points at its indicator, a formative one's at the construct.
void DiagramPainter::drawIndicator(int index) {
    const auto& place = layout_.indicatorPlaces()[index];
    if (!place) return;
    const Indicator& indicator = model_.indicators[index];
    const QPointF atCircle(place->circleX, place->circleY), atBox(place->boxX, place->boxY);
    const bool formative = model_.constructs[indicator.construct].type == 1;
    drawArrow(formative ? atBox : atCircle, formative ? atCircle : atBox, colours_.path, 1);
    const QRectF box = toRect(place->box);
    painter_.setPen(QPen(colours_.text, 1));
    painter_.setBrush(colours_.background);
    painter_.drawRect(box);
    painter_.setFont(DiagramLayout::indicatorFont());
    painter_.drawText(box, Qt::AlignCenter, toQString(indicator.caption));
    if (const auto& figure = layout_.indicatorFigureBoxes()[index]) {
        painter_.fillRect(toRect(*figure), colours_.background);
        painter_.drawText(toRect(*figure), Qt::AlignCenter, DiagramLayout::indicatorFigure(model_, index));
    }
    painter_.setFont(DiagramLayout::surfaceFont());
}

void DiagramPainter::drawPathLabel(int index) {
    const auto& label = layout_.pathLabelBoxes()[index];
    if (!label) return;
    const QRectF box = toRect(*label);
    painter_.fillRect(box, colours_.background);
    painter_.setPen(colours_.text);
    painter_.drawText(box, Qt::AlignCenter, DiagramLayout::pathLabelText(model_, index, label->stacked));
}

void DiagramPainter::drawTextLabel(int index) {
    const TextLabel& label = model_.textLabels[index];
    painter_.setPen(colours_.text);
    writeText({double(label.x), double(label.y)}, toQString(label.text));
}

void DiagramPainter::drawOutline(QPainter& painter, QPoint centre, int radius) {
    painter.drawEllipse(QRect(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius));
    painter.drawRect(QRect(centre.x() - radius, centre.y() - radius - 20, 2 * radius, 20));
}

}  // namespace qv::gui
