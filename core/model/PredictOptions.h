#pragma once

#include <optional>
#include <string>

namespace qv {

// How the held-out cases' endogenous constructs are predicted: from the scores of their
// direct antecedents, or from the exogenous scores carried through the paths.
enum class PredictTechnique { DirectAntecedents, EarliestAntecedents };

// The options of a prediction run, kept with the model.
struct PredictOptions {
    int folds = 10;        // k; as many as cases is leave-one-out
    int repetitions = 10;  // splits into k folds, each drawn afresh
    int seed = 0;          // the generator's seed; 0 takes the clock
    PredictTechnique technique = PredictTechnique::DirectAntecedents;

    // The run holds the folds to the cases; a model file, which knows no cases, to this.
    static constexpr int kFoldsLow = 2, kFoldsHigh = 1000000, kRepetitionsLow = 1, kRepetitionsHigh = 1000;

    bool operator==(const PredictOptions&) const = default;
};

// "da" or "ea".
std::string TechniqueCode(PredictTechnique technique);
// The technique of "da" or "ea"; nothing for another text.
std::optional<PredictTechnique> TechniqueOfCode(const std::string& code);
// "direct antecedents" or "earliest antecedents".
std::string TechniqueName(PredictTechnique technique);

}  // namespace qv
