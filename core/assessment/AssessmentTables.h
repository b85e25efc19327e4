#pragma once

#include <string>
#include <vector>

#include "core/assessment/Assessment.h"
#include "core/assessment/BootstrapInference.h"
#include "core/assessment/FigureTable.h"
#include "core/tables/ResultTable.h"

namespace qv {

// The assessment's tables, grouped as the files beside the model hold them: built once as
// result tables at full precision (thresholds marked), written to the files with 6
// decimals, an undefined figure as "n/a".
std::vector<ResultTable> DiscriminantResults(const Assessment& assessment);
std::vector<ResultTable> VifResults(const Assessment& assessment);
std::vector<ResultTable> F2Results(const Assessment& assessment);
std::vector<ResultTable> ReliabilityResults(const Assessment& assessment);
std::vector<ResultTable> EffectResults(const Assessment& assessment);
std::vector<ResultTable> FitResults(const Assessment& assessment);
ResultTable InferenceResults(const Inference& inference);

// The same tables as texts, one file's tables each.

// "_htmt.csv": HTMT, HTMT2 and Fornell-Larcker (√AVE on the diagonal), lower triangles.
std::vector<FigureTable> DiscriminantTables(const Assessment& assessment);
// "_vif.csv": outer VIF per indicator, inner VIF per predictor of each endogenous construct.
std::vector<FigureTable> VifTables(const Assessment& assessment);
// "_f2.csv": the effect size of every path.
std::vector<FigureTable> F2Tables(const Assessment& assessment);
// "_reliability.csv": alpha, ρA, ρC and AVE per construct.
std::vector<FigureTable> ReliabilityTables(const Assessment& assessment);
// "_effects.csv": direct, indirect and total effect of every pair joined by a chain of paths.
std::vector<FigureTable> EffectTables(const Assessment& assessment);
// "_fit.csv": R² and adjusted R² of the endogenous constructs, then both SRMR variants.
std::vector<FigureTable> FitTables(const Assessment& assessment);

// Each file's suffix with its tables as a report section, in the order above.
struct AssessmentFile {
    std::string suffix;
    FigureSection section;
};
std::vector<AssessmentFile> AssessmentFiles(const Assessment& assessment);

// "_inference.csv": one row per parameter with estimate, mean, SE, t, p and both intervals,
// under a title that gives the subsamples, the rejected ones, the seed and the confidence.
std::vector<FigureTable> InferenceTables(const Inference& inference);
// The same as the bootstrap's report section.
inline constexpr const char* kInferenceAnchor = "BootStrapINFERENCE";
inline constexpr const char* kInferenceCaption = "Bootstrap Inference: p-values, Percentile and BCa Intervals";
FigureSection InferenceSection(const Inference& inference);

}  // namespace qv
