#pragma once

#include "core/ports/DiagramPicture.h"

namespace qv::gui {

class DiagramView;

// The diagram picture for the web report: the painted surface of the diagram view, copied
// into the bytes of a bitmap. Without a view there is no picture.
class DiagramBitmap final : public DiagramPicture {
public:
    void attach(DiagramView& view) { view_ = &view; }

    std::optional<PictureSize> surfaceSize() override;
    std::optional<std::string> bitmap(const PictureRectangle& rectangle) override;

private:
    DiagramView* view_ = nullptr;
};

}  // namespace qv::gui
