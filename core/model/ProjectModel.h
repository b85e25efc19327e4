#pragma once

#include <array>
#include <string>
#include <vector>

#include "core/model/Records.h"

namespace qv {

// The one path model: fixed-capacity tables addressed by index, their counts and the
// model-wide flags. The operations keep every cross-reference right.
struct ProjectModel {
    std::array<Construct, kMaxConstructs> constructs{};
    std::array<Indicator, kMaxIndicators> indicators{};
    std::array<Path, kMaxPaths> paths{};
    std::array<TextLabel, kMaxTextLabels> textLabels{};
    int nConstruct = 0;
    int nIndicator = 0;
    int nProduct = 0;
    int nPath = 0;
    int nScoreIndicator = 0;
    int nTextLabel = 0;

    int radius = 25;
    int currentOrder = 1;
    bool modified = false;
    bool modelOpen = false;
    bool hasSecondOrder = false;
    bool estimated = false;
    bool resampled = false;
    bool bootstrapDone = false;
    bool jackknifeDone = false;
    int estimationStage = 1;
    bool groupRun = false;

    // Constructs whose cross-validated Q-square is read after a blindfolding estimate.
    std::array<int, kMaxConstructs> blindfoldingFlags{};
    int nBlindfolding = 0;
};

}  // namespace qv
