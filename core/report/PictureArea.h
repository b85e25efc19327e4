#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "core/model/ProjectModel.h"
#include "core/ports/DiagramPicture.h"

namespace qv {

// The part of the diagram surface the report shows: the constructs' circles with a margin of
// 30 around them, kept inside the surface (left at least 1, top at least 0). Nothing when
// the model has no construct or the rectangle lies outside the surface.
std::optional<PictureRectangle> DiagramPictureArea(const ProjectModel& model, PictureSize surface);

// Saves that part of the painted diagram as a bitmap file through WriteWholeFile. saved is
// false when there is no picture; a picture that cannot be written gives the failure
// ("cannot write FILE: reason") and the previous file stays.
struct SavedPicture {
    bool saved = false;
    std::optional<std::string> failure;
    // The size the page shows the picture at: the bitmap's own, read from its header, divided
    // by kReportPictureScale; nothing when the bytes carry no bitmap header.
    std::optional<PictureSize> shown;
};
// The page's tag of the picture "Model.bmp", at its shown size when it is known.
std::string PictureTag(const std::optional<PictureSize>& shown);

SavedPicture SaveDiagramPicture(DiagramPicture& picture, const ProjectModel& model,
                                const std::filesystem::path& file);

}  // namespace qv
