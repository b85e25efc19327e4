#pragma once

#include "core/model/ConsistentCaption.h"
#include "core/results/CorrelationTable.h"
#include "core/results/ResultContext.h"
#include "core/results/TableCommands.h"

namespace qv {

class Workbench;
class InferenceCommand;
class ResamplingRun;
struct AssessedBootstrap;
struct Assessment;

// After an estimate of a model whose parameters ask for consistent PLS: the records take the
// corrected figures, and an inadmissible solution is told (its figures stay). An estimate
// that cannot be corrected (told why) loses its figures, so that no composite figure passes
// for a consistent one; false then. Without the parameter, or without an estimate, nothing.
bool ApplyConsistentParameter(Workbench& workbench);

// After the command's bootstrap (the run estimated the sample again): under consistent PLS the
// records take the corrected figures and, with the inference, their bootstrap figures, which
// the run's summaries then show. False as for ApplyConsistentParameter, or when a summary
// could not be written (told).
bool ApplyConsistentBootstrap(Workbench& workbench, InferenceCommand& command, const AssessedBootstrap* bootstrap);
// The same for one group of a comparison, whose estimate the records hold although the model's
// own estimate flag stays as it was: after its estimate, and after its bootstrap, which draws
// no inference of its own (the records then take the corrected figures with their bootstrap
// means, standard errors and t values, and the run's summaries say so).
// An inadmissible solution is told with the group's name ("Group2: ...").
bool ApplyConsistentGroupEstimate(Workbench& workbench, int group);
bool ApplyConsistentGroupBootstrap(Workbench& workbench, ResamplingRun& run, int group);

// Under consistent PLS, the first-order latent variable correlations (as the listing's matrix
// holds them) take the corrected values of the assessment; without the parameter nothing
// changes. False when there is no assessment (it failed, told) or it holds no correction.
bool CorrectCorrelations(ResultContext context, const Assessment* assessment, CorrelationMatrix& firstOrder);
// Under consistent PLS, each indicator's correlation with another construct is divided by the
// square root of that construct's rho_A (the attenuation of its composite), and its loading on
// its own construct is the consistent loading, so that the two compare as the loadings page
// shows them. False as for CorrectCorrelations.
bool CorrectCrossLoadings(ResultContext context, const Assessment* assessment, FactorStructure& structure);
// Both corrections as TableCommands takes them, assessing the estimate once, when the first of
// them is needed under the parameter.
FigureCorrections ConsistentCorrections(ResultContext context);

}  // namespace qv
