#include "gui/diagram/DiagramBitmap.h"


#include "gui/diagram/DiagramView.h"

namespace qv::gui {

std::optional<PictureSize> DiagramBitmap::surfaceSize() {
    if (!view_) return std::nullopt;
    return PictureSize{view_->width(), view_->height()};
}

// The whole drawing, whatever the surface's zoom and size, so that no text that reaches past
// the rectangle (the figures of two groups) is cut off.
std::optional<std::string> DiagramBitmap::bitmap(const PictureRectangle& rectangle) {
    if (!view_ || rectangle.right <= rectangle.left || rectangle.bottom <= rectangle.top) return std::nullopt;
    const QRectF area(rectangle.left, rectangle.top, rectangle.right - rectangle.left, rectangle.bottom - rectangle.top);
    const QByteArray bytes = view_->pictures(area).bitmap(kReportPictureScale);
    if (bytes.isEmpty()) return std::nullopt;
    return std::string(bytes.constData(), static_cast<size_t>(bytes.size()));
}

}  // namespace qv::gui
