#include "core/groups/GroupFiles.h"

#include <filesystem>

#include "core/app/DerivedFileNames.h"

namespace qv {

GroupFileNames groupFileNames(const ProjectFiles& files, int group) {
    const std::string kept = modelDirectory(files.project) +
                             std::filesystem::path(files.project).filename().string();
    const std::string number = std::to_string(group);
    const ResamplingFileNames bootstrap = resamplingFileNames(files.project);
    return GroupFileNames{
        {{files.bootStrap, kept + "_gp" + number + ".pls"},
         {bootstrap.bootstrapListing, kept + "_gp" + number + ".out"},
         {bootstrap.bootstrapSummary, kept + "_summary_gp" + number + ".out"}},
        kept + "_cfa_gp" + number + ".csv"};
}

}  // namespace qv
