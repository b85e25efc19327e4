#pragma once

#include <Eigen/Dense>

#include <filesystem>
#include <string>
#include <vector>

namespace lvpls::testing {

// A blank-separated data file: a header of variable names, then one case per line.
struct DataSet {
    std::vector<std::string> names;
    Eigen::MatrixXd values;

    int column(const std::string& name) const;
};

DataSet readDataSet(const std::filesystem::path& path);

}  // namespace lvpls::testing
