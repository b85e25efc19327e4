#include "gui/diagram/DiagramPictures.h"

#include <QBuffer>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>
#include <cmath>

#include "gui/diagram/DiagramLayout.h"
#include "gui/diagram/DiagramPainter.h"

namespace qv::gui {
namespace {

constexpr double kMargin = 16;
// Vector pictures are laid out at the screen's 96 pixels to the inch; PDF pages are in points.
constexpr double kPixelsPerInch = 96;
constexpr double kPointsPerInch = 72;

}  // namespace

DiagramPictures::DiagramPictures(const ProjectModel& model, const DiagramColours& colours, int radius, QRectF atLeast,
                                 bool indicators)
    : model_(model), colours_(colours), radius_(radius), indicators_(indicators) {
    const QRectF drawn = DiagramLayout(model, radius, indicators).boundingBox();
    if (!drawn.isEmpty()) area_ = drawn.adjusted(-kMargin, -kMargin, kMargin, kMargin) | atLeast;
}

void DiagramPictures::paint(QPainter& painter) const {
    painter.fillRect(QRectF(QPointF(0, 0), area_.size()), colours_.background);
    painter.translate(-area_.topLeft());
    DiagramPainter(painter, model_, colours_, radius_, indicators_).paintAll({});
}

QImage DiagramPictures::image(double scale) const {
    if (area_.isEmpty()) return {};
    QImage picture(int(std::ceil(area_.width() * scale)), int(std::ceil(area_.height() * scale)),
                   QImage::Format_RGB32);
    picture.fill(colours_.background);
    picture.setDotsPerMeterX(int(std::lround(kPixelsPerInch * scale / 0.0254)));
    picture.setDotsPerMeterY(picture.dotsPerMeterX());
    QPainter painter(&picture);
    painter.scale(scale, scale);
    paint(painter);
    return picture;
}

bool DiagramPictures::writePng(const QString& file, double scale) const {
    const QImage picture = image(scale);
    return !picture.isNull() && picture.save(file, "PNG");
}

QByteArray DiagramPictures::bitmap(double scale) const {
    const QImage picture = image(scale);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    if (picture.isNull() || !buffer.open(QIODevice::WriteOnly) ||
        !picture.convertToFormat(QImage::Format_RGB888).save(&buffer, "BMP"))
        return {};
    return bytes;
}

bool DiagramPictures::writeSvg(const QString& file) const {
    if (area_.isEmpty()) return false;
    QSvgGenerator svg;
    svg.setFileName(file);
    svg.setResolution(int(kPixelsPerInch));
    svg.setSize(area_.size().toSize());
    svg.setViewBox(QRectF(QPointF(0, 0), area_.size()));
    svg.setTitle("Path model");
    QPainter painter;
    if (!painter.begin(&svg)) return false;
    paint(painter);
    return painter.end();
}

bool DiagramPictures::writePdf(const QString& file) const {
    if (area_.isEmpty()) return false;
    QPdfWriter pdf(file);
    pdf.setResolution(int(kPixelsPerInch));
    const QSizeF points = area_.size() * (kPointsPerInch / kPixelsPerInch);
    pdf.setPageSize(QPageSize(points, QPageSize::Point, "Diagram", QPageSize::ExactMatch));
    pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
    pdf.setTitle("Path model");
    QPainter painter;
    if (!painter.begin(&pdf)) return false;
    paint(painter);
    return painter.end();
}

}  // namespace qv::gui
