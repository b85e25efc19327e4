#include "core/predict/PredictTables.h"

#include "core/engine/AppendFormat.h"
#include "core/model/ConsistentCaption.h"

namespace qv {
namespace {

TableCell number(double value) { return TableCell::ofNumber(value); }

TableCell q2Predict(double value) { return TableCell::ofNumber(value, {Threshold::NoPredictivePower}); }

// The model's RMSE, marked where the linear benchmark predicts better.
TableCell modelError(double model, double benchmark) {
    TableCell cell = number(model);
    if (model > benchmark) cell.mark = Threshold::BelowBenchmark;
    return cell;
}

std::string settings(const PredictResult& result) {
    const PredictOptions& o = result.options;
    return Formatted("%s, %d folds, %d repetitions, seed %d, %d cases", TechniqueName(o.technique).c_str(), o.folds,
                     o.repetitions, o.seed, result.cases);
}

}  // namespace

std::vector<ResultTable> PredictResults(const PredictResult& result) {
    const ModelShape& shape = result.shape;
    ResultTable indicators{"predict_indicators",
                           "PLSpredict of the indicators (" + settings(result) + ")",
                           {"Indicator", "Construct", "RMSE (PLS)", "MAE (PLS)", "Q2predict", "RMSE (LM)", "MAE (LM)"},
                           {},
                           {"LM: least squares on the indicators of the exogenous constructs. "
                            "Q2predict compares the PLS errors with those of the training means."}};
    for (const IndicatorAccuracy& a : result.accuracy.indicators)
        indicators.rows.push_back({TableCell::ofText(shape.indicators[static_cast<size_t>(a.indicator)]),
                                   TableCell::ofText(shape.constructs[static_cast<size_t>(shape.blockOf[static_cast<size_t>(a.indicator)])]),
                                   modelError(a.rmseModel, a.rmseBenchmark), number(a.maeModel),
                                   q2Predict(a.q2Predict), number(a.rmseBenchmark), number(a.maeBenchmark)});
    ResultTable constructs{"predict_constructs",
                           "PLSpredict of the construct scores (" + settings(result) + ")",
                           {"Construct", "Q2predict", "RMSE", "MAE"},
                           {},
                           {"Scores are standardized by the training cases."}};
    for (const ConstructAccuracy& a : result.accuracy.constructs)
        constructs.rows.push_back({TableCell::ofText(shape.constructs[static_cast<size_t>(a.construct)]),
                                   q2Predict(a.q2Predict), number(a.rmse), number(a.mae)});
    if (result.consistentModel)
        for (ResultTable* table : {&indicators, &constructs}) table->notes.push_back(kConsistentPredictNote);
    return {indicators, constructs};
}

FigureSection PredictSection(const PredictResult& result) {
    FigureSection section{kPredictAnchor, kPredictCaption, {}};
    for (const ResultTable& table : PredictResults(result)) section.tables.push_back(FigureTableOf(table));
    return section;
}

}  // namespace qv
