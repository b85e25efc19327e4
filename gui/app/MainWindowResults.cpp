// The Results window beside the diagram, View ▸ Decimals and the exports of its tables.
#include <QAction>
#include <QActionGroup>
#include <QMenu>

#include "core/app/Workbench.h"
#include "core/assessment/BootstrapInference.h"
#include "core/export/ResultExport.h"
#include "core/predict/PredictRun.h"
#include "gui/app/MainWindow.h"
#include "gui/app/TextConversion.h"
#include "gui/results/ResultsWindow.h"

namespace qv::gui {

namespace {
constexpr const char* kWorkbookFilter = "Workbook|*.xlsx";
constexpr const char* kFolderFilter = "Folder of CSV files|*";
constexpr int kMostDecimals = 6;
}  // namespace

void MainWindow::createResultsWindow() {
    results_ = new ResultsWindow([this](const std::string& name) {
        return actions_.contains(toQString(name)) ? actions_[toQString(name)]->text().remove('&') : toQString(name);
    }, this);
    results_->setPages(ResultPageCatalogue());
    addDockWidget(Qt::RightDockWidgetArea, results_);
    auto* file = findChild<QMenu*>("MNU_File");
    auto* exitItem = actions_["MNU_Exit"];
    for (const auto& [name, caption, handler] :
         {std::tuple{"MNU_ExportResults", "Export Results…", &MainWindow::exportResults},
          std::tuple{"MNU_ExportResultsCsv", "Export Results as CSV Files…", &MainWindow::exportResultsCsv}})
        file->insertAction(exitItem, addCommand(name, caption, handler, Availability::Estimated));
    file->insertSeparator(exitItem);
    auto* view = findChild<QMenu*>("MNU_View");
    view->addSeparator();
    QAction* shown = results_->toggleViewAction();
    shown->setObjectName("MNU_Results");
    view->addAction(shown);
    QMenu* decimals = view->addMenu(tr("Decimals"));
    decimals->setObjectName("MNU_Decimals");
    auto* choices = new QActionGroup(decimals);
    for (int count = 0; count <= kMostDecimals; ++count) {
        QAction* choice = decimals->addAction(QString::number(count));
        choice->setObjectName(QString("MNU_Decimals%1").arg(count));
        choice->setCheckable(true);
        choice->setChecked(count == results_->decimals());
        choices->addAction(choice);
        connect(choice, &QAction::triggered, this, [this, count] { chooseDecimals(count); });
    }
}

// Every page again from the current results; without any (no model, no estimate nor
// comparison) the pages wait, and are only replaced when one still shows figures, so the many
// refreshes of editing stay cheap.
void MainWindow::updateResults() {
    const ProjectModel& model = workbench_->model();
    // A prediction belongs to the estimated model: an edit that clears the estimate ends it.
    if (!model.modelOpen || !model.estimated) prediction_.reset();
    if (model.modelOpen && (model.estimated || model.groupRun)) {
        results_->setPages(CollectResultPages(ResultContext::of(*workbench_),
                                              {inference_.get(), lastResampling_, prediction_.get()}));
        return;
    }
    const auto& pages = results_->pages();
    if (std::any_of(pages.begin(), pages.end(), [](const ResultPage& page) { return page.table.has_value(); }))
        results_->setPages(ResultPageCatalogue());
}

void MainWindow::chooseDecimals(int decimals) { results_->setDecimals(decimals); }

void MainWindow::exportResults() {
    const auto file = ports_.files.chooseFileToSave(kWorkbookFilter, "xlsx", workbench_->settings().workingDir);
    if (file) ResultExport(ResultContext::of(*workbench_), FilledTables(results_->pages())).toWorkbook(*file, results_->decimals());
}

void MainWindow::exportResultsCsv() {
    const auto folder = ports_.files.chooseFileToSave(kFolderFilter, "", workbench_->settings().workingDir);
    if (folder) ResultExport(ResultContext::of(*workbench_), FilledTables(results_->pages())).toCsvFolder(*folder);
}

void MainWindow::excelReport() {
    ResultExport(ResultContext::of(*workbench_), FilledTables(results_->pages())).workbookBesideModel(results_->decimals());
}

}  // namespace qv::gui
