#pragma once

#include <string>

namespace qv {

// The estimation parameters as the Model Parameter dialog holds them: list choices as
// 0-based positions, typed entries as their text.
struct ModelParameters {
    std::string missingValue = "-1";  // empty: the data have no missing-value code
    int blindfolding = 1;
    int iterationCycle = 0;
    int specification = 1;
    int result = 2;
    int innerWeighting = 0;  // 0 path, 1 centroid, 2 factor
    std::string maxIteration = "100";
    std::string decimal = "2";
    int metric = 0;
    int blindFoldingType = 0;      // 0 none, 1 redundancy, 2 communality
    int blindFoldingDistance = 0;  // 0 none, else omission distance = position + 3
    bool consistent = false;       // correct the estimate for attenuation (consistent PLS)

    // How many items each list of the dialog holds: a stored position must lie below.
    static constexpr int kBlindfoldingItems = 4, kIterationCycleItems = 4, kSpecificationItems = 5,
                         kResultItems = 5, kInnerWeightingItems = 3, kMetricItems = 5,
                         kBlindFoldingTypeItems = 3, kBlindFoldingDistanceItems = 18;
    // The typed entries' ranges: the iterations of one estimate, the decimals asked for the
    // data (the writer keeps at most six), and a missing-value code that fits the engine's
    // 8-column field.
    static constexpr int kMaxIterationLow = 1, kMaxIterationHigh = 100000;
    static constexpr int kDecimalLow = 0, kDecimalHigh = 15;
    static constexpr int kMissingValueLow = -9999999, kMissingValueHigh = 99999999;

    // The values the dialog's reset button and a new model give.
    static ModelParameters resetValues() {
        ModelParameters parameters;
        parameters.decimal = "0";
        return parameters;
    }
};

// The Resampling Options dialog's entries, kept as typed.
struct ResamplingOptions {
    std::string nSample = "100";
    std::string cases = "0";
    std::string jackKnife = "1";
    std::string seed = "0";
    bool process = false;
    int confidence = 95;  // percent level of the bootstrap's intervals: 90, 95 or 99

    // A bootstrap's subsamples: at least two for a standard error, at most what one run's
    // control file and store can hold.
    static constexpr int kSamplesLow = 2, kSamplesHigh = 1000000;
};

// The project's file names, full paths as the user chose them.
struct ProjectFiles {
    std::string project;
    std::string pls;
    std::string bootStrap;
    std::string jackKnife;
    std::string result;
};

}  // namespace qv
