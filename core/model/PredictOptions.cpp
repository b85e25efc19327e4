#include "core/model/PredictOptions.h"

namespace qv {

std::string TechniqueCode(PredictTechnique technique) {
    return technique == PredictTechnique::DirectAntecedents ? "da" : "ea";
}

std::optional<PredictTechnique> TechniqueOfCode(const std::string& code) {
    if (code == "da") return PredictTechnique::DirectAntecedents;
    if (code == "ea") return PredictTechnique::EarliestAntecedents;
    return std::nullopt;
}

std::string TechniqueName(PredictTechnique technique) {
    return technique == PredictTechnique::DirectAntecedents ? "direct antecedents" : "earliest antecedents";
}

}  // namespace qv
