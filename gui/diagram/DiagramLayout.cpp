#include "gui/diagram/DiagramLayout.h"

#include <QFontMetricsF>
#include <tuple>

#include "core/editing/DiagramLabels.h"
#include "gui/app/TextConversion.h"

namespace qv::gui {
namespace {

constexpr double kLabelPadding = 2;  // around a path label's text, inside its background

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

DiagramLayout::DiagramLayout(const ProjectModel& model, int radius) : model_(model), radius_(radius) {
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
    labelBoxes_ = PlacePathLabels(model_, radius_, sizes, constructTextBoxes());
}

QPointF DiagramLayout::captionPoint(int c) const {
    return {model_.constructs[c].x - radius_, model_.constructs[c].y - radius_ - kCaptionHeight};
}
QPointF DiagramLayout::rSquarePoint(int c) const {
    return {model_.constructs[c].x - radius_, model_.constructs[c].y + radius_};
}
QPointF DiagramLayout::q2Point(int c) const {
    return {model_.constructs[c].x - radius_ - 5, model_.constructs[c].y + 1.5 * radius_};
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
    for (int t = 0; t < model_.nTextLabel; ++t) {
        const TextLabel& label = model_.textLabels[t];
        box |= textBox({double(label.x), double(label.y)}, toQString(label.text));
    }
    return box;
}

}  // namespace qv::gui
