#include "core/report/PictureArea.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>

#include "core/model/WholeFile.h"

namespace qv {

std::optional<PictureRectangle> DiagramPictureArea(const ProjectModel& model, PictureSize surface) {
    if (model.nConstruct == 0) return std::nullopt;
    int minX = 10000, minY = 10000, maxX = 0, maxY = 0;
    for (int k = 0; k < model.nConstruct; ++k) {
        const Construct& construct = model.constructs[k];
        minX = std::min(minX, construct.x);
        minY = std::min(minY, construct.y);
        maxX = std::max(maxX, construct.x);
        maxY = std::max(maxY, construct.y);
    }
    const int margin = model.radius + 30;
    const PictureRectangle area{std::max(minX - margin, 1), std::max(minY - margin, 0),
                                std::min(maxX + margin, surface.width),
                                std::min(maxY + margin, surface.height)};
    if (area.right <= area.left || area.bottom <= area.top) return std::nullopt;
    return area;
}

namespace {

// A bitmap's header holds its width and height as little-endian 32-bit numbers at bytes 18
// and 22; the height is negative for a picture stored top row first.
std::optional<PictureSize> bitmapSize(const std::string& bytes) {
    constexpr std::size_t kHeaderSize = 26;
    if (bytes.size() < kHeaderSize || bytes.compare(0, 2, "BM") != 0) return std::nullopt;
    const auto number = [&bytes](std::size_t at) {
        std::uint32_t value = 0;
        for (int k = 3; k >= 0; --k) value = value << 8 | static_cast<unsigned char>(bytes[at + k]);
        return static_cast<std::int32_t>(value);
    };
    const int width = number(18), height = std::abs(number(22));
    if (width <= 0 || height <= 0) return std::nullopt;
    return PictureSize{(width + kReportPictureScale - 1) / kReportPictureScale,
                       (height + kReportPictureScale - 1) / kReportPictureScale};
}

}  // namespace

std::string PictureTag(const std::optional<PictureSize>& shown) {
    if (!shown) return "<img src=Model.bmp>";
    return "<img src=Model.bmp width=" + std::to_string(shown->width) + " height=" + std::to_string(shown->height) + ">";
}

SavedPicture SaveDiagramPicture(DiagramPicture& picture, const ProjectModel& model,
                                const std::filesystem::path& file) {
    const auto surface = picture.surfaceSize();
    const auto area = surface ? DiagramPictureArea(model, *surface) : std::nullopt;
    const auto bytes = area ? picture.bitmap(*area) : std::nullopt;
    if (!bytes) return {};
    auto failure = WriteWholeFile(file, *bytes);
    return {!failure, std::move(failure), bitmapSize(*bytes)};
}

}  // namespace qv
