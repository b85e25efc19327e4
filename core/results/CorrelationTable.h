#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/model/ProjectModel.h"

namespace qv {

// The correlations among the constructs that took part in one estimate, in construct index
// order: lower[k][j] for j < k, the values left of the diagonal.
struct CorrelationMatrix {
    std::vector<int> participants;
    std::vector<std::vector<double>> lower;
};

// The first-order constructs: the blocks of a one-stage estimate and of the first stage.
std::vector<int> FirstOrderParticipants(const ProjectModel& model);
// The constructs not linked to a second-order construct: the blocks of the second stage.
std::vector<int> SecondStageParticipants(const ProjectModel& model);

// Reads the "Correlations " section of the listing's "ALLSample" run, whose blocks are those
// of the given stage, and matches each participant to its own block. Every value is turned
// by the signs that run gave both its constructs, as their loadings were; a listing without
// the section gives zeros.
CorrelationMatrix ReadParticipantCorrelations(const ProjectModel& model, std::string_view listing,
                                              int stage, std::vector<int> participants);

// The "_cor.csv" matrices: the first-order (or only) matrix, headed when the model has
// second-order constructs, and the second-stage matrix that follows it.
std::string FormatFirstOrderMatrix(const ProjectModel& model, const CorrelationMatrix& matrix);
std::string FormatSecondStageMatrix(const ProjectModel& model, const CorrelationMatrix& matrix);

}  // namespace qv
