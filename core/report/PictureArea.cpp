#include "core/report/PictureArea.h"

#include <algorithm>

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

SavedPicture SaveDiagramPicture(DiagramPicture& picture, const ProjectModel& model,
                                const std::filesystem::path& file) {
    const auto surface = picture.surfaceSize();
    const auto area = surface ? DiagramPictureArea(model, *surface) : std::nullopt;
    const auto bytes = area ? picture.bitmap(*area) : std::nullopt;
    if (!bytes) return {};
    auto failure = WriteWholeFile(file, *bytes);
    return {!failure, std::move(failure)};
}

}  // namespace qv
