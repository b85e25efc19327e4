#include "gui/diagram/DiagramLayout.h"

#include <QFontMetricsF>
#include <algorithm>
#include <cmath>
#include <tuple>

#include "core/editing/DiagramLabels.h"
#include "core/editing/ResultTextPlace.h"
#include "gui/app/TextConversion.h"

namespace qv::gui {
namespace {

constexpr double kLabelPadding = 2;  // around a path label's text, inside its background
constexpr double kIndicatorPadding = 4;  // beside an indicator's caption, inside its box
// An indicator's figure sits on its arrow just behind the head at the box, where the arrows of
// neighbouring boxes lie as far apart as the boxes.
constexpr double kFigureBehindHead = 9;

LabelBox toBox(const QRectF& rect) { return {rect.left(), rect.top(), rect.width(), rect.height()}; }

}  // namespace

QFont DiagramLayout::surfaceFont() {
    QFont font("Arial");
    font.setPixelSize(12);
    return font;
}

QRectF DiagramLayout::textBox(QPointF topLeft, const QString& text) {
    const QFontMetricsF metrics(surfaceFont());
    return QRectF(topLeft, QSizeF(metrics.horizontalAdvance(text), metrics.height()));
}

QString DiagramLayout::pathLabelText(const ProjectModel& model, int path, bool stacked) {
    if (!stacked) return toQString(PathLabel(model, path));
    return toQString(CoefficientLabel(model, path)) + '\n' + toQString(StatisticLabel(model, path));
}

QFont DiagramLayout::indicatorFont() {
    QFont font("Arial");
    font.setPixelSize(10);
    return font;
}

QString DiagramLayout::indicatorFigure(const ProjectModel& model, int indicator) {
    const Indicator& shown = model.indicators[indicator];
    if (shown.loading == 0 || shown.construct < 0) return {};
    const bool formative = model.constructs[shown.construct].type == 1;
    return QString::number(formative ? shown.weight : shown.loading, 'f', 3);
}

void DiagramLayout::placeIndicators() {
    const QFontMetricsF metrics(indicatorFont());
    // A box is at least as wide as its figure, so that neighbouring figures never meet.
    std::vector<double> widths;
    for (int i = 0; i < model_.nIndicator; ++i)
        widths.push_back(std::max(metrics.horizontalAdvance(toQString(model_.indicators[i].caption)),
                                  metrics.horizontalAdvance(indicatorFigure(model_, i))) +
                         2 * kIndicatorPadding);
    indicatorPlaces_ = PlaceIndicators(model_, radius_, widths, metrics.height() + kIndicatorPadding);
    figureBoxes_.assign(model_.nIndicator, std::nullopt);
    for (int i = 0; i < model_.nIndicator; ++i) {
        const QString figure = indicatorFigure(model_, i);
        if (!indicatorPlaces_[i] || figure.isEmpty()) continue;
        const IndicatorPlace& place = *indicatorPlaces_[i];
        const double width = metrics.horizontalAdvance(figure) + 2 * kLabelPadding, height = metrics.height();
        const double dx = place.boxX - place.circleX, dy = place.boxY - place.circleY;
        const double length = std::hypot(dx, dy);
        const double back = kFigureBehindHead + (std::abs(dx) * width + std::abs(dy) * height) / (2 * length);
        const double x = place.boxX - back * dx / length, y = place.boxY - back * dy / length;
        figureBoxes_[i] = LabelBox{x - width / 2, y - height / 2, width, height};
    }
}

std::vector<LabelBox> DiagramLayout::indicatorBoxes() const {
    std::vector<LabelBox> boxes;
    for (const auto& place : indicatorPlaces_)
        if (place) boxes.push_back(place->box);
    for (const auto& figure : figureBoxes_)
        if (figure) boxes.push_back(*figure);
    return boxes;
}

DiagramLayout::DiagramLayout(const ProjectModel& model, int radius, bool indicators)
    : model_(model),
      radius_(radius),
      indicatorPlaces_(model.nIndicator),
      figureBoxes_(model.nIndicator) {
    if (indicators) placeIndicators();
    placeResultTexts();
    const QFontMetricsF metrics(surfaceFont());
    const auto padded = [&](double width, double height) {
        return std::pair(width + 2 * kLabelPadding, height + 2 * kLabelPadding);
    };
    std::vector<LabelSize> sizes;
    for (int p = 0; p < model_.nPath; ++p) {
        LabelSize size;
        const QString text = pathLabelText(model_, p, false);
        if (!text.isEmpty()) std::tie(size.width, size.height) = padded(metrics.horizontalAdvance(text), metrics.height());
        if (!StatisticLabel(model_, p).empty()) {
            const QRectF lines = metrics.boundingRect(QRectF(0, 0, 1000, 1000), Qt::AlignCenter, pathLabelText(model_, p, true));
            std::tie(size.stackedWidth, size.stackedHeight) = padded(lines.width(), lines.height());
        }
        sizes.push_back(size);
    }
    std::vector<LabelBox> obstacles = constructTextBoxes();
    for (const LabelBox& box : indicatorBoxes()) obstacles.push_back(box);
    labelBoxes_ = PlacePathLabels(model_, radius_, sizes, obstacles);
}

QPointF DiagramLayout::captionPoint(int c) const {
    return {model_.constructs[c].x - radius_, model_.constructs[c].y - radius_ - kCaptionHeight};
}
QPointF DiagramLayout::rSquarePoint(int c) const {
    return QPointF(model_.constructs[c].x - radius_, model_.constructs[c].y + radius_) + textShift(c);
}
QPointF DiagramLayout::q2Point(int c) const {
    return QPointF(model_.constructs[c].x - radius_ - 5, model_.constructs[c].y + 1.5 * radius_) + textShift(c);
}
QPointF DiagramLayout::textShift(int c) const {
    return c < int(textShifts_.size()) ? QPointF(textShifts_[c].dx, textShifts_[c].dy) : QPointF();
}

// A construct's result texts in their usual place (whatever shift they took), relative to its
// centre.
std::optional<LabelBox> DiagramLayout::resultTexts(int c) const {
    const Construct& k = model_.constructs[c];
    if (k.construct != -1 || k.rSquare == 0) return std::nullopt;
    QRectF block = textBox(rSquarePoint(c), toQString(RSquareLabel(model_, c)));
    if (const QString q2 = toQString(Q2Label(k)); !q2.isEmpty()) block |= textBox(q2Point(c), q2);
    return toBox(block.translated(-QPointF(k.x, k.y) - textShift(c)));
}

// Clear of the indicators, their arrows and the captions, before the path labels take theirs.
void DiagramLayout::placeResultTexts() {
    std::vector<std::optional<LabelBox>> blocks;
    for (int c = 0; c < model_.nConstruct; ++c) blocks.push_back(resultTexts(c));
    std::vector<Segment> arrows;
    for (const auto& place : indicatorPlaces_)
        if (place) arrows.push_back({place->circleX, place->circleY, place->boxX, place->boxY});
    std::vector<LabelBox> obstacles = indicatorBoxes();
    for (int c = 0; c < model_.nConstruct; ++c)
        if (model_.constructs[c].construct == -1)
            obstacles.push_back(toBox(textBox(captionPoint(c), toQString(model_.constructs[c].caption))));
    textShifts_ = PlaceResultTexts(model_, radius_, blocks, arrows, obstacles);
}

std::vector<LabelBox> DiagramLayout::constructTextBoxes() const {
    std::vector<LabelBox> boxes;
    for (int c = 0; c < model_.nConstruct; ++c) {
        const Construct& k = model_.constructs[c];
        if (k.construct != -1) continue;
        boxes.push_back(toBox(textBox(captionPoint(c), toQString(k.caption))));
        if (k.rSquare == 0) continue;
        boxes.push_back(toBox(textBox(rSquarePoint(c), toQString(RSquareLabel(model_, c)))));
        const QString q2 = toQString(Q2Label(k));
        if (!q2.isEmpty()) boxes.push_back(toBox(textBox(q2Point(c), q2)));
    }
    return boxes;
}

QRectF DiagramLayout::boundingBox() const {
    QRectF box;
    for (int c = 0; c < model_.nConstruct; ++c) {
        const Construct& k = model_.constructs[c];
        if (k.construct == -1) box |= QRectF(k.x - radius_, k.y - radius_, 2 * radius_, 2 * radius_);
    }
    for (const LabelBox& text : constructTextBoxes()) box |= toRect(text);
    for (const auto& label : labelBoxes_)
        if (label) box |= toRect(*label);
    for (const LabelBox& indicator : indicatorBoxes()) box |= toRect(indicator);
    for (int t = 0; t < model_.nTextLabel; ++t) {
        const TextLabel& label = model_.textLabels[t];
        box |= textBox({double(label.x), double(label.y)}, toQString(label.text));
    }
    return box;
}

}  // namespace qv::gui
