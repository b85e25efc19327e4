#pragma once

#include <ctime>
#include <filesystem>
#include <optional>

namespace qv {

class Workbench;

// HTML Report of the comparison's results window: switches the diagram to both groups
// (display mode 2), saves its picture "Model.bmp" when it can be pictured, and writes
// "WebOutput.html" into the folder "<stem>_groups" beside the model with the table of the
// last significance test, dated now; then hands the page to the desktop. Returns the page's path, or nothing when it could
// not be written (told).
std::optional<std::filesystem::path> WriteGroupReport(Workbench& workbench, const std::tm& now);

}  // namespace qv
