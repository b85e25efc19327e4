#pragma once

#include <cmath>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace qv::test {

// The ECSI data file read on its own, column by variable name, so that figures the workbench
// writes into its grid can be recomputed independently.
inline std::map<std::string, std::vector<double>> EcsiDataFile() {
    std::ifstream file(std::string(QV_TEST_DATA_DIR) + "/rawdata/mobi.txt");
    std::string line, name;
    std::getline(file, line);
    std::vector<std::string> names;
    for (std::istringstream header(line); header >> name;) names.push_back(name);
    std::map<std::string, std::vector<double>> columns;
    while (std::getline(file, line)) {
        std::istringstream values(line);
        double value = 0;
        for (size_t c = 0; c < names.size() && values >> value; ++c) columns[names[c]].push_back(value);
    }
    return columns;
}

inline double Mean(const std::vector<double>& values) {
    double sum = 0;
    for (const double v : values) sum += v;
    return sum / static_cast<double>(values.size());
}

inline std::vector<double> Centred(std::vector<double> values) {
    const double mean = Mean(values);
    for (double& v : values) v -= mean;
    return values;
}

// Mean 0 and standard deviation 1 with the divisor n - 1.
inline std::vector<double> Standardized(std::vector<double> values) {
    values = Centred(std::move(values));
    double squares = 0;
    for (const double v : values) squares += v * v;
    const double deviation = std::sqrt(squares / static_cast<double>(values.size() - 1));
    for (double& v : values) v /= deviation;
    return values;
}

}  // namespace qv::test
