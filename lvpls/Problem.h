#pragma once

#include "lvpls/PathModel.h"

#include <Eigen/Dense>

#include <string>
#include <vector>

namespace lvpls {

struct EstimationSettings {
    InnerScheme scheme = InnerScheme::Path;
    int maxIterations = 100;
    double tolerance = 1e-5;
};

// Listing metric codes of the parameter card; they scale printed figures only.
enum class Metric { UnitVariance = 1, Rescaled = 2, RescaledWithLocations = 3, Original = 4, Binary = 5 };

struct BlindfoldSettings {
    int distance = 0;  // 0: no blindfolding
    int targetBlock = -1;
    bool redundancy = false;  // predict from the inner model; otherwise from the block's own score
};

// One problem of a control file, ready to estimate.
struct Problem {
    std::string title;
    PathModel model;
    EstimationSettings settings;
    Metric metric = Metric::UnitVariance;
    BlindfoldSettings blindfold;
    std::vector<double> missingCodes;  // one per indicator; empty without a MISSING card
    Eigen::MatrixXd data;              // cases x indicators, raw values
};

}  // namespace lvpls
