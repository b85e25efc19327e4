#include "core/predict/PredictJson.h"

#include "core/assessment/AssessmentJson.h"

namespace qv {

nlohmann::ordered_json PredictJson(const PredictResult& result) {
    using Json = nlohmann::ordered_json;
    const ModelShape& shape = result.shape;
    Json indicators = Json::array(), constructs = Json::array();
    for (const IndicatorAccuracy& a : result.accuracy.indicators) {
        const auto i = static_cast<size_t>(a.indicator);
        indicators.push_back({{"name", shape.indicators[i]},
                              {"construct", shape.constructs[static_cast<size_t>(shape.blockOf[i])]},
                              {"rmse_pls", JsonFigure(a.rmseModel)},
                              {"mae_pls", JsonFigure(a.maeModel)},
                              {"q2_predict", JsonFigure(a.q2Predict)},
                              {"rmse_lm", JsonFigure(a.rmseBenchmark)},
                              {"mae_lm", JsonFigure(a.maeBenchmark)}});
    }
    for (const ConstructAccuracy& a : result.accuracy.constructs)
        constructs.push_back({{"name", shape.constructs[static_cast<size_t>(a.construct)]},
                              {"q2_predict", JsonFigure(a.q2Predict)},
                              {"rmse", JsonFigure(a.rmse)}});
    return Json{{"technique", TechniqueCode(result.options.technique)},
                {"folds", result.options.folds},
                {"repetitions", result.options.repetitions},
                {"seed", result.options.seed},
                {"cases", result.cases},
                {"indicators", std::move(indicators)},
                {"constructs", std::move(constructs)}};
}

}  // namespace qv
