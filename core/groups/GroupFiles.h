#pragma once

#include <string>
#include <utility>
#include <vector>

#include "core/model/ModelParameters.h"

namespace qv {

// Where a group's bootstrap files are kept: the model file's folder and full name (extension
// included) followed by "_gp1.pls", "_gp1.out", "_summary_gp1.out" (group 2: "_gp2..."),
// and the group's loadings table "_cfa_gp1.csv".
struct GroupFileNames {
    std::vector<std::pair<std::string, std::string>> moves;  // bootstrap file -> kept name
    std::string loadings;
};

GroupFileNames groupFileNames(const ProjectFiles& files, int group);

}  // namespace qv
