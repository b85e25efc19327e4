#include "core/assessment/InferenceFiles.h"

#include "core/model/ProjectModel.h"
#include "core/results/ResamplingSummary.h"

namespace qv {

std::filesystem::path InferenceFragmentPath(const std::filesystem::path& tempDir) {
    return tempDir / "inference.html";
}

std::filesystem::path InferenceTablesPath(const std::filesystem::path& tempDir) {
    return tempDir / "inference.csv";
}

bool KeptInferenceIsCurrent(const ProjectModel& model, const std::string& projectFile,
                            const std::filesystem::path& tempDir) {
    if (!model.bootstrapDone) return false;
    const std::filesystem::path section = ResamplingSummaryNames(SampleKind::Bootstrap, projectFile, tempDir).html;
    std::error_code error;
    const auto sectionTime = std::filesystem::last_write_time(section, error);
    if (error) return false;
    for (const std::filesystem::path& kept : {InferenceFragmentPath(tempDir), InferenceTablesPath(tempDir)}) {
        const auto keptTime = std::filesystem::last_write_time(kept, error);
        if (error || keptTime < sectionTime) return false;
    }
    return true;
}

}  // namespace qv
