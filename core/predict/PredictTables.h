#pragma once

#include <string>
#include <vector>

#include "core/assessment/FigureTable.h"
#include "core/predict/PredictRun.h"
#include "core/tables/ResultTable.h"

namespace qv {

// The prediction's tables at full precision: per endogenous indicator RMSE and MAE of the
// PLS model, Q²predict, RMSE and MAE of the linear benchmark; per endogenous construct its
// score's Q²predict, RMSE and MAE. Their titles give the technique, the folds, the
// repetitions and the seed.
std::vector<ResultTable> PredictResults(const PredictResult& result);

// The same tables as the "_predict.csv" file, the batch's printout and the web report lay
// them out.
inline constexpr const char* kPredictSuffix = "_predict.csv";
inline constexpr const char* kPredictAnchor = "PLSPREDICT";
inline constexpr const char* kPredictCaption = "PLSpredict: Out-of-Sample Prediction";
FigureSection PredictSection(const PredictResult& result);

}  // namespace qv
