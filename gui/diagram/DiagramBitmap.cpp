#include "gui/diagram/DiagramBitmap.h"

#include <QImage>

#include "gui/diagram/DiagramView.h"

namespace qv::gui {

std::optional<PictureSize> DiagramBitmap::surfaceSize() {
    if (!view_) return std::nullopt;
    return PictureSize{view_->width(), view_->height()};
}

// Parts of the rectangle beyond the surface come out in the background colour, as the
// surface would show them if it were larger.
bool DiagramBitmap::writeBitmap(const PictureRectangle& rectangle, const std::filesystem::path& file) {
    if (!view_ || rectangle.right <= rectangle.left || rectangle.bottom <= rectangle.top) return false;
    const QRect area(rectangle.left, rectangle.top, rectangle.right - rectangle.left, rectangle.bottom - rectangle.top);
    QImage picture = view_->picture(QSize(area.right() + 1, area.bottom() + 1)).copy(area);
    return picture.convertToFormat(QImage::Format_RGB888).save(QString::fromStdString(file.string()), "BMP");
}

}  // namespace qv::gui
