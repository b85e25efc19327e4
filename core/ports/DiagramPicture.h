#pragma once

#include <optional>
#include <string>

namespace qv {

struct PictureSize {
    int width = 0;
    int height = 0;
};

// A rectangle of the diagram surface in stored diagram coordinates, right and bottom
// exclusive.
struct PictureRectangle {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    bool operator==(const PictureRectangle&) const = default;
};

// A report's picture has this many pixels a diagram pixel, so that it stays sharp when the page
// shows it at the diagram's size on a fine screen or on paper.
inline constexpr int kReportPictureScale = 2;

// The diagram as it is painted, for the web report. The core chooses the rectangle; whoever
// paints the diagram copies it.
class DiagramPicture {
public:
    virtual ~DiagramPicture() = default;
    // The size of the painted diagram surface; nothing when no diagram can be pictured.
    virtual std::optional<PictureSize> surfaceSize() = 0;
    // The diagram as the bytes of a 24-bit Windows bitmap, holding at least the rectangle (a
    // front end may take in texts that reach beyond it) at kReportPictureScale pixels a diagram
    // pixel; nothing when there is no picture of it. The core writes the file.
    virtual std::optional<std::string> bitmap(const PictureRectangle& rectangle) = 0;

    // For front ends without a diagram: there is never a picture.
    static DiagramPicture& none();
};

inline DiagramPicture& DiagramPicture::none() {
    struct NoPicture final : DiagramPicture {
        std::optional<PictureSize> surfaceSize() override { return std::nullopt; }
        std::optional<std::string> bitmap(const PictureRectangle&) override { return std::nullopt; }
    };
    static NoPicture noPicture;
    return noPicture;
}

}  // namespace qv
