#include "cli/PredictCommand.h"

#include <ostream>

#include "cli/EstimateJson.h"
#include "core/model/NumberText.h"
#include "core/predict/PredictFile.h"
#include "core/predict/PredictJson.h"
#include "core/predict/PredictTables.h"
#include "core/report/WebReport.h"

namespace qv {
namespace {

// The model's options with those of the command line over them; the parser has checked the
// numbers and the technique.
PredictOptions predictOptions(const Workbench& workbench, const BatchOptions& options) {
    PredictOptions predict = workbench.predict();
    if (options.folds) predict.folds = *options.folds;
    if (options.repetitions) predict.repetitions = *options.repetitions;
    if (options.seed) predict.seed = parseInteger(*options.seed).value_or(0);
    if (options.technique) predict.technique = TechniqueOfCode(*options.technique).value_or(predict.technique);
    return predict;
}

}  // namespace

bool PredictModel(Workbench& workbench, const BatchOptions& options, std::ostream& out, std::ostream& errors) {
    const std::optional<PredictResult> result = PredictRun(workbench).run(predictOptions(workbench, options));
    if (!result) return false;
    out << FormatTextTables(PredictSection(*result).tables);
    const std::optional<std::string> written = WritePredictFile(ResultContext::of(workbench), *result);
    if (!written) return false;
    out << *written << '\n';
    if (!options.json) return true;
    if (const auto error = WriteJsonFile(*options.json, PredictJson(*result))) {
        errors << "quorvanta-batch: " << *error << '\n';
        return false;
    }
    return true;
}

bool PredictForReport(Workbench& workbench, const BatchOptions& options, WebReport& report) {
    const std::optional<PredictResult> result = PredictRun(workbench).run(predictOptions(workbench, options));
    if (result) report.addPrediction(PredictSection(*result));
    return result.has_value();
}

}  // namespace qv
