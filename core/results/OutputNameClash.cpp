#include "core/results/OutputNameClash.h"

#include <filesystem>
#include <system_error>
#include <utility>
#include <vector>

#include "core/app/DerivedFileNames.h"
#include "core/results/ResamplingSummary.h"

namespace qv {
namespace {

struct NamedFile {
    std::string role;
    std::string name;
};

std::filesystem::path resolved(const std::string& name) {
    std::error_code error;
    std::filesystem::path path = std::filesystem::weakly_canonical(name, error);
    return error ? std::filesystem::path(name).lexically_normal() : path;
}

std::vector<NamedFile> outputs(const ProjectFiles& files) {
    std::vector<NamedFile> all = {{"PLS", files.pls}, {"Result", files.result},
                                  {"BootStrap", files.bootStrap}, {"JackKnife", files.jackKnife}};
    if (!files.pls.empty()) all.push_back({"second-stage PLS", modelFileName(files.pls, "_2.pls")});
    if (!files.result.empty())
        all.push_back({"second-stage Result", modelFileName(files.result, "_2.out")});
    if (!files.project.empty()) {
        const ResamplingFileNames listings = resamplingFileNames(files.project);
        all.push_back({"bootstrap listing", listings.bootstrapListing});
        all.push_back({"jackknife listing", listings.jackknifeListing});
        for (const auto& [kind, word] : {std::pair{SampleKind::Bootstrap, "bootstrap"},
                                         std::pair{SampleKind::Jackknife, "jackknife"}}) {
            const SummaryFileNames summaries = ResamplingSummaryNames(kind, files.project, {});
            all.push_back({std::string(word) + " summary", summaries.text});
            all.push_back({std::string(word) + " CSV summary", summaries.csv});
        }
    }
    std::erase_if(all, [](const NamedFile& file) { return file.name.empty(); });
    return all;
}

}  // namespace

std::string OutputNameClash(const ProjectFiles& files, const std::string& dataFile) {
    // Each name is resolved once; the files already taken keep their resolved paths.
    std::vector<std::pair<NamedFile, std::filesystem::path>> taken;
    if (!files.project.empty()) taken.push_back({{"the model file", files.project}, resolved(files.project)});
    if (!dataFile.empty()) taken.push_back({{"the data file", dataFile}, resolved(dataFile)});
    for (const NamedFile& output : outputs(files)) {
        const std::filesystem::path path = resolved(output.name);
        for (const auto& [other, otherPath] : taken)
            if (otherPath == path)
                return "The output file " + output.role + " \"" + output.name + "\" is also " +
                       other.role + " (\"" + other.name + "\"), which a run would overwrite. " +
                       "Choose another name in the Configuration.";
        taken.push_back({{"the " + output.role + " file", output.name}, path});
    }
    return {};
}

}  // namespace qv
