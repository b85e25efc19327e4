#pragma once

#include <Eigen/Dense>

#include <vector>

namespace lvpls::testing {

// A direct PLS path-modelling estimate on the cases themselves (scores, proxies and
// regressions from the data matrix), written apart from the engine to check it by definition.
struct TextbookModel {
    std::vector<std::vector<int>> blocks;  // data columns of each block
    std::vector<bool> modeB;
    std::vector<std::pair<int, int>> paths;  // from, to
    int scheme = 1;                          // 1 path, 2 centroid, 3 factor
};

struct TextbookResult {
    Eigen::VectorXd weights;   // concatenated in block order
    Eigen::VectorXd loadings;
    Eigen::MatrixXd scores;    // cases x blocks, unit variance
    Eigen::MatrixXd paths;     // row = dependent, column = predictor
    Eigen::VectorXd rSquare;
};

Eigen::MatrixXd standardizeColumns(const Eigen::MatrixXd& data);
TextbookResult textbookPls(const Eigen::MatrixXd& data, const TextbookModel& model, double tolerance = 1e-12);

}  // namespace lvpls::testing
