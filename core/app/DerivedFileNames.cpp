#include "core/app/DerivedFileNames.h"

#include <array>
#include <utility>

namespace qv {
namespace {

size_t nameStart(const std::string& path) {
    const auto separator = path.find_last_of("/\\");
    return separator == std::string::npos ? 0 : separator + 1;
}

// The four output names with the suffix of their defaults.
std::array<std::pair<std::string*, const char*>, 4> outputNames(ProjectFiles& files) {
    return {{{&files.pls, ".pls"}, {&files.bootStrap, ".bt"}, {&files.jackKnife, ".jk"}, {&files.result, ".out"}}};
}

}  // namespace

std::string modelDirectory(const std::string& projectFile) {
    return projectFile.substr(0, nameStart(projectFile));
}

std::string modelStem(const std::string& projectFile) {
    const std::string name = projectFile.substr(nameStart(projectFile));
    return name.substr(0, name.find('.'));
}

std::string modelFileName(const std::string& projectFile, const std::string& suffix) {
    return modelDirectory(projectFile) + modelStem(projectFile) + suffix;
}

void DeriveFileNames(ProjectFiles& files) {
    if (files.project.empty()) return;
    for (auto [name, suffix] : outputNames(files))
        if (name->empty()) *name = modelFileName(files.project, suffix);
}

void clearDefaultOutputNames(ProjectFiles& files) {
    if (files.project.empty()) return;
    for (auto [name, suffix] : outputNames(files))
        if (*name == modelFileName(files.project, suffix)) name->clear();
}

ResamplingFileNames resamplingFileNames(const std::string& projectFile) {
    return ResamplingFileNames{modelFileName(projectFile, ".boot"),
                               modelFileName(projectFile, "_bt.out"),
                               modelFileName(projectFile, ".jack"),
                               modelFileName(projectFile, "_jk.out")};
}

std::string withModelExtension(const std::string& projectName) {
    if (projectName.empty()) return projectName;
    const char last = projectName.back();
    if (last == '/' || last == '\\') return projectName;
    if (projectName.find('.', nameStart(projectName)) != std::string::npos) return projectName;
    return projectName + ".qvt";
}

}  // namespace qv
