#pragma once

#include <optional>
#include <string>

namespace qv {

// Every variable of the data file is an indicator of the model, assigned or not; product
// terms and construct scores come behind them.
inline constexpr int kMaxRawVariables = 1000;
inline constexpr int kMaxConstructs = 24;
inline constexpr int kMaxIndicators = kMaxRawVariables + 288;
inline constexpr int kMaxPaths = kMaxConstructs * (kMaxConstructs - 1) / 2;
inline constexpr int kMaxTextLabels = 100;
// Construct and indicator names, counted in characters.
inline constexpr int kMaxCaptionLength = 40;

// A latent variable, drawn as a circle. References to other records are table indices, -1 none.
struct Construct {
    int x = 0;
    int y = 0;
    std::string caption;
    int type = 0;  // 0 reflective (Mode A), 1 formative (Mode B)
    int nInd = 0;
    int sign = 1;
    float rSquare = 0;
    float q2 = 0;
    float q2sd = 0;
    int q2Kind = 0;  // 1 redundancy, -1 communality, 0 none
    std::string q2Missing;  // why a Q-square asked for could not be computed; empty otherwise
    std::optional<double> cronbachAlpha;  // none while undefined (Reliability.h)
    int order = 1;
    int nCon = 0;
    int construct = -1;        // the second-order construct this one is linked to
    int scoreIndicator = -1;   // temporary score indicator during a two-stage estimate
};

// An observed variable: a raw-data column, a product term or a temporary score column.
struct Indicator {
    std::string caption;
    int construct = -1;
    float loading = 0;
    float residual = 0;
    float weight = 0;
    double loadingMean = 0;
    double weightMean = 0;
    double loadingSE = 0;
    double weightSE = 0;
    float loadingT = 0;
    float weightT = 0;
    bool interaction = false;
    short predictor = 0;
    short moderator = 0;
    bool standardized = false;
    bool meanCentered = false;
    // Where the user put the indicator's box on the diagram: its centre, from its construct's
    // centre. A box not placed is laid out beside its construct.
    bool boxPlaced = false;
    int boxDx = 0;
    int boxDy = 0;
};

struct Path {
    int src = 0;
    int dest = 0;
    float coefficient = 0;
    double coefficientMean = 0;
    double coefficientSE = 0;
    float coefficientT = 0;
    float groupStatistic = 0;
};

struct TextLabel {
    std::string text;
    int x = 0;
    int y = 0;
};

}  // namespace qv
