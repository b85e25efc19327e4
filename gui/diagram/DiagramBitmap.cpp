#include "gui/diagram/DiagramBitmap.h"

#include <QBuffer>
#include <QImage>

#include "gui/diagram/DiagramView.h"

namespace qv::gui {

std::optional<PictureSize> DiagramBitmap::surfaceSize() {
    if (!view_) return std::nullopt;
    return PictureSize{view_->width(), view_->height()};
}

// Parts of the rectangle beyond the surface come out in the background colour, as the
// surface would show them if it were larger.
std::optional<std::string> DiagramBitmap::bitmap(const PictureRectangle& rectangle) {
    if (!view_ || rectangle.right <= rectangle.left || rectangle.bottom <= rectangle.top) return std::nullopt;
    const QRect area(rectangle.left, rectangle.top, rectangle.right - rectangle.left, rectangle.bottom - rectangle.top);
    QImage picture = view_->picture(QSize(area.right() + 1, area.bottom() + 1)).copy(area);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    if (!buffer.open(QIODevice::WriteOnly) ||
        !picture.convertToFormat(QImage::Format_RGB888).save(&buffer, "BMP"))
        return std::nullopt;
    return std::string(bytes.constData(), static_cast<size_t>(bytes.size()));
}

}  // namespace qv::gui
