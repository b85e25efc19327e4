#pragma once

#include "core/ports/DiagramPicture.h"

namespace qv::gui {

class DiagramView;

// The diagram picture for the web report: the painted surface of the diagram view, copied
// into a bitmap file. Without a view there is no picture.
class DiagramBitmap final : public DiagramPicture {
public:
    void attach(DiagramView& view) { view_ = &view; }

    std::optional<PictureSize> surfaceSize() override;
    bool writeBitmap(const PictureRectangle& rectangle, const std::filesystem::path& file) override;

private:
    DiagramView* view_ = nullptr;
};

}  // namespace qv::gui
