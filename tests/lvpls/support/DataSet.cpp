#include "tests/lvpls/support/DataSet.h"

#include <fstream>
#include <sstream>
#include <stdexcept>

namespace lvpls::testing {

int DataSet::column(const std::string& name) const {
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (names[i] == name) return int(i);
    }
    throw std::runtime_error("no variable " + name);
}

DataSet readDataSet(const std::filesystem::path& path) {
    std::ifstream input(path);
    if (!input) throw std::runtime_error("cannot open " + path.string());
    DataSet data;
    std::string line;
    std::getline(input, line);
    std::istringstream header(line);
    for (std::string name; header >> name;) data.names.push_back(name);
    std::vector<double> cells;
    while (std::getline(input, line)) {
        std::istringstream row(line);
        for (double value; row >> value;) cells.push_back(value);
    }
    const Eigen::Index columns = Eigen::Index(data.names.size());
    data.values = Eigen::Map<Eigen::Matrix<double, Eigen::Dynamic, Eigen::Dynamic, Eigen::RowMajor>>(
        cells.data(), Eigen::Index(cells.size()) / columns, columns);
    return data;
}

}  // namespace lvpls::testing
