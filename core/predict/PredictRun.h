#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/assessment/AssessmentData.h"
#include "core/assessment/ModelShape.h"
#include "core/engine/EngineRunner.h"
#include "core/model/PredictOptions.h"
#include "core/predict/PredictionAccuracy.h"

namespace qv {

class Workbench;

// The out-of-sample accuracy of the model, with what produced it.
struct PredictResult {
    ModelShape shape;
    PredictOptions options;  // seed: the seed used, also when the clock gave it
    int cases = 0;
    PredictionAccuracy accuracy;
    bool consistentModel = false;  // the model asks for consistent PLS; the prediction stays the composites'
};

// Predict (PLSpredict): every repetition deals the cases into k folds; each fold's training
// cases become one problem of a single control file, and one engine run estimates them all.
// Each training estimate predicts its held-out cases (PredictFold), the linear benchmark
// beside it; the accuracy is measured on the predictions gathered over all repetitions. The
// model's records and the project's files stay as they are.
class PredictRun {
public:
    explicit PredictRun(Workbench& workbench);

    // The accuracy, or nothing after telling why the model, the options or a training sample
    // give none.
    std::optional<PredictResult> run(const PredictOptions& options);

private:
    bool check(const PredictOptions& options);
    bool writeControlFile();
    bool roomFor(size_t problemSize);
    std::optional<std::string> runEngine();
    bool predictFolds(const std::string& listing, PredictionSums& sums);
    bool refuse(const std::string& reason);
    void tellText(const std::string& text);
    int problems() const { return options_.folds * options_.repetitions; }

    Workbench& workbench_;
    EngineFiles engineFiles_;
    PredictOptions options_;
    ModelShape shape_;
    AssessmentData data_;
    std::vector<std::vector<int>> foldOf_;  // per repetition: each case's fold
};

}  // namespace qv
