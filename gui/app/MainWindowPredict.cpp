// Execute ▸ Predict: the options, the run, and its tables on the Results pages and beside the
// model.
#include <QTabWidget>

#include "core/app/Workbench.h"
#include "core/predict/PredictFile.h"
#include "core/predict/PredictRun.h"
#include "gui/app/MainWindow.h"
#include "gui/app/PredictDialog.h"
#include "gui/results/ResultsWindow.h"

namespace qv::gui {

void MainWindow::runPredict() {
    if (!workbench_->ensureRawData() || !predictDialog_->showCurrent()) return;
    // Options the model file cannot take (told) still apply to this run, as resampling's do.
    workbench_->predictOk();
    prompts_.forget();
    std::optional<PredictResult> result = PredictRun(*workbench_).run(workbench_->predict());
    if (!result) {
        showAboutWithoutEngine();
        return;
    }
    prediction_ = std::make_unique<PredictResult>(std::move(*result));
    if (const auto written = WritePredictFile(ResultContext::of(*workbench_), *prediction_))
        workbench_->showStatus("PLSpredict written to " + *written, false);
    updateResults();
    // The figures come to the front.
    const std::vector<ResultPage>& pages = results_->pages();
    for (size_t page = 0; page < pages.size(); ++page)
        if (pages[page].key == "predict_indicators") results_->tabs().setCurrentIndex(static_cast<int>(page));
}

}  // namespace qv::gui
