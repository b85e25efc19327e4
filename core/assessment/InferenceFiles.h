#pragma once

#include <filesystem>
#include <string>

namespace qv {

struct ProjectModel;

// What the last bootstrap's inference keeps in the work folder, beside the bootstrap's own
// web section, until the report and the table command use it: the report's section and the
// text of "_inference.csv".
std::filesystem::path InferenceFragmentPath(const std::filesystem::path& tempDir);
std::filesystem::path InferenceTablesPath(const std::filesystem::path& tempDir);

// Whether the kept inference belongs to the model's last bootstrap: the model has one, and
// the inference was kept no earlier than the bootstrap's web section, which a later run
// without inference would have rewritten.
bool KeptInferenceIsCurrent(const ProjectModel& model, const std::string& projectFile,
                            const std::filesystem::path& tempDir);

}  // namespace qv
