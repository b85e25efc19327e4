#include "gui/app/MainWindow.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QMenu>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <QTreeWidget>
#include <cstdio>
#include <exception>

#include "core/app/LanguageFile.h"
#include "core/app/Workbench.h"
#include "core/assessment/InferenceCommand.h"
#include "core/consistent/ConsistentParameter.h"
#include "core/editing/ConstructAssignment.h"
#include "core/editing/ModelTree.h"
#include "core/editing/NodeName.h"
#include "core/engine/EngineRunner.h"
#include "core/engine/EstimateCommand.h"
#include "core/groups/GroupComparison.h"
#include "core/predict/PredictTables.h"
#include "core/rawdata/RawDataReader.h"
#include "core/report/WebReport.h"
#include "core/results/ResamplingRun.h"
#include "core/results/ResamplingViews.h"
#include "core/results/TableCommands.h"
#include "gui/app/AboutDialog.h"
#include "gui/app/ConfigurationDialog.h"
#include "gui/app/EnvironmentDialog.h"
#include "gui/app/LanguageApplier.h"
#include "gui/app/ModelParameterDialog.h"
#include "gui/app/PredictDialog.h"
#include "gui/app/ResamplingOptionsDialog.h"
#include "gui/app/StatusPanels.h"
#include "gui/app/TextConversion.h"
#include "gui/app/WindowsOnScreen.h"
#include "gui/diagram/DiagramView.h"
#include "gui/diagram/StopWindow.h"
#include "gui/editing/ConstructDialog.h"
#include "gui/editing/ConstructTermsDialog.h"
#include "gui/editing/IndicatorTermsDialog.h"
#include "gui/editing/ModelTree.h"
#include "gui/editing/ProductTermChooser.h"
#include "gui/editing/ProductTermReviewDialog.h"
#include "gui/editing/SecondOrderDialog.h"
#include "gui/groups/GroupComparisonDialog.h"
#include "gui/groups/GroupResultsWindow.h"
#include "gui/rawdata/RawDataForm.h"

namespace qv::gui {

namespace fs = std::filesystem;

MainWindow::MainWindow(UserPorts ports, const StartupFolders& folders)
    : ports_(ports),
      prompts_(ports.prompts),
      status_(new StatusPanels),
      workbench_(std::make_unique<Workbench>(
          Ports{prompts_, ports.files, ports.progress, *status_, ports.desktop, *this, picture_}, folders)) {
    setObjectName("TForm1");
    setWindowTitle("Quorvanta");
    qApp->installEventFilter(new WindowsOnScreen(this));
    statusBar()->addWidget(status_, 1);
    createActions();
    createMenus();
    createToolBars();
    createCentralArea();
    // Every dialog is made once, so its fields keep their values between openings.
    rawDataForm_ = new RawDataForm(*workbench_, this);
    configuration_ = new ConfigurationDialog(*workbench_, *rawDataForm_, this);
    parameters_ = new ModelParameterDialog(workbench_->parameters(), this);
    environment_ = new EnvironmentDialog(this);
    resampling_ = new ResamplingOptionsDialog(workbench_->resampling(), this);
    predictDialog_ = new PredictDialog(workbench_->predict(), this);
    about_ = new AboutDialog(this);
    constructDialog_ = new ConstructDialog(*workbench_, this);
    secondOrderDialog_ = new SecondOrderDialog(*workbench_, this);
    productChooser_ = new ProductTermChooser(*new ConstructTermsDialog(*workbench_, [this] { refresh(); }, this),
                                             *new IndicatorTermsDialog(*workbench_, [this] { refresh(); }, this), this);
    productReview_ = new ProductTermReviewDialog(*workbench_, this);
    groupDialog_ = new GroupComparisonDialog(
        *workbench_, [this](GroupOutcome outcome, bool significance) { groupsCompared(outcome, significance); }, this);
    groupResults_ = new GroupResultsWindow(
        *workbench_, [this](const std::function<void()>& body) { command(body); }, this);
    createResultsWindow();
    // Room for the tree's figures, the diagram and the Results beside it; a smaller screen
    // takes the window in whole (WindowsOnScreen).
    resize(1440, 880);
}

MainWindow::~MainWindow() = default;

std::optional<std::string> MainWindow::startUp() {
    if (auto failure = workbench_->startUp()) return failure;
    if (workbench_->settings().lang != "English") applyLanguage();
    status_->showStatus(workbench_->texts().lookup("MSG_Ready"), "");
    refresh();
    return std::nullopt;
}

bool MainWindow::showConfiguration(bool newModelMode) { return configuration_->showFor(newModelMode); }

void MainWindow::command(const std::function<void()>& body) {
    // While a command runs (the engine above all) no second one may start.
    if (busy_) return;
    busy_ = true;
    try {
        body();
    } catch (const std::exception& error) {
        prompts_.tell(Message{"", error.what(), ""});
    }
    busy_ = false;
    refresh();
}

void MainWindow::refresh() {
    recordEdit();
    const ProjectModel& model = workbench_->model();
    const LanguageTexts& texts = workbench_->texts();
    char counts[256];
    std::snprintf(counts, sizeof counts, "%s: %d  %s: %d   %s: %d %s", texts.lookup("RPT_Construct").c_str(),
                  model.nConstruct, texts.lookup("RPT_Path").c_str(), model.nPath,
                  texts.lookup("RPT_Indicator").c_str(), model.nIndicator, workbench_->caseCountText().c_str());
    status_->showCounts(counts);
    const std::string& project = workbench_->files().project;
    const std::string formCaption = texts.lookup("Form1");
    // A star before the name while the model has changes that are not saved.
    const QString unsaved = workbench_->hasUnsavedChanges() ? QStringLiteral("*") : QString();
    setWindowTitle(model.modelOpen && !project.empty() ? unsaved + toQString(project)
                   : formCaption.empty()               ? QStringLiteral("Quorvanta")
                                                       : toQString(formCaption));
    for (auto it = availability_.cbegin(); it != availability_.cend(); ++it)
        actions_[it.key()]->setEnabled(isAvailable(it.value()));
    actions_["MNU_Undo"]->setEnabled(model.modelOpen && history_.canUndo());
    actions_["MNU_Redo"]->setEnabled(model.modelOpen && history_.canRedo());
    toolMenu_->setEnabled(model.modelOpen);
    // Without an estimate the pages wait again: a model opened, closed or changed.
    if (!model.modelOpen || (!model.estimated && !model.groupRun)) updateResults();
    refreshRecentModels();
    rebuildTree();
    diagram_->redraw();
}

void MainWindow::rebuildTree() {
    tree_->rebuild(workbench_->model(), workbench_->texts(), actions_["BTN_FullExpand"]->isChecked());
}

bool MainWindow::isAvailable(Availability availability) const {
    const ProjectModel& model = workbench_->model();
    switch (availability) {
        case Availability::Always: return true;
        case Availability::ModelOpen: return model.modelOpen;
        case Availability::Estimated: return model.modelOpen && model.estimated;
        case Availability::BootstrapDone: return model.modelOpen && model.bootstrapDone;
        case Availability::JackknifeDone: return model.modelOpen && model.jackknifeDone;
        case Availability::Reportable: return model.modelOpen && model.estimated && reportable_;
        case Availability::Later: return false;
    }
    return false;
}

void MainWindow::refreshRecentModels() {
    const char* names[] = {"N4", "N5", "N6"};
    for (int i = 0; i < RecentModels::kCount; ++i) {
        const std::string caption = workbench_->settings().recentModels.caption(i);
        QAction* item = actions_[names[i]];
        if (!caption.empty()) item->setText(toQString(caption));
        item->setEnabled(!caption.empty());
        item->setVisible(!caption.empty());
    }
}

void MainWindow::applyLanguage() {
    const LanguageTexts& texts = workbench_->texts();
    translateForm(*this, texts);
    QStringList headers;
    for (const char* key : {"HEAD_Indicator", "HEAD_Loading", "HEAD_Weight", "HEAD_Residual"})
        headers << toQString(texts.lookup(key));
    tree_->setHeaderLabels(headers);
    for (QWidget* form : {static_cast<QWidget*>(configuration_), static_cast<QWidget*>(rawDataForm_),
                          static_cast<QWidget*>(constructDialog_), static_cast<QWidget*>(&diagram_->stopWindow()),
                          static_cast<QWidget*>(resampling_), static_cast<QWidget*>(predictDialog_),
                          static_cast<QWidget*>(about_),
                          static_cast<QWidget*>(parameters_), static_cast<QWidget*>(environment_),
                          static_cast<QWidget*>(groupDialog_), static_cast<QWidget*>(groupResults_)})
        translateForm(*form, texts);
    if (auto* progress = dynamic_cast<QWidget*>(&ports_.progress)) translateForm(*progress, texts);
    refresh();
}

void MainWindow::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (shown_) return;
    shown_ = true;
    // After the window has taken its place on the screen.
    QTimer::singleShot(0, this, [this] { shareTheWidth(); });
    // The question waits until the window is on the screen.
    QTimer::singleShot(0, this, [this] { command([this] { checkEngine(); }); });
}

void MainWindow::checkEngine() {
    const EngineFiles engine{workbench_->folders().engine, workbench_->folders().tempDir};
    if (EngineExists(engine)) return;
    const LanguageTexts& texts = workbench_->texts();
    const std::string question = engine.engine().string() + " " + texts.lookup("MSG_PLSNotFound") + "\n" +
                                 texts.lookup("MSG_AskDownload");
    if (prompts_.askOkCancel(Message{"MSG_PLSNotFound", question, texts.lookup("MSG_Download")}))
        prompts_.tell(Message{"MSG_MoveToDir", texts.lookup("MSG_MoveToDir") + " " +
                                                         workbench_->folders().engine.parent_path().string(), ""});
}

void MainWindow::closeEvent(QCloseEvent* event) {
    // The close box and Shift+Escape ask about a modified model just as Exit does.
    if (busy_ || !workbench_->exit()) {
        event->ignore();
        return;
    }
    event->accept();
}

// A new model also resets the model parameters; the dialog shows them when it next opens.
// A model that replaces another one starts without a selection on the diagram.
void MainWindow::newModel() {
    if (workbench_->newModel()) startOver();
}

void MainWindow::openModel() {
    if (workbench_->openModel()) startOver();
}
void MainWindow::openModelFile(const std::string& file) {
    command([this, file] {
        if (workbench_->openModelByName(file)) startOver();
    });
}
void MainWindow::openRecent1() { openRecent(0); }
void MainWindow::openRecent2() { openRecent(1); }
void MainWindow::openRecent3() { openRecent(2); }
void MainWindow::openRecent(int index) {
    if (workbench_->openRecent(index)) startOver();
}
void MainWindow::save() { workbench_->save(); }
void MainWindow::saveAs() { workbench_->saveAs(); }
void MainWindow::closeModel() {
    if (workbench_->closeModel()) startOver();
}

void MainWindow::exitProgram() {
    // A window refuses to close while a command runs, so the close waits for this one to end;
    // the close event then asks the save question.
    QTimer::singleShot(0, this, &QWidget::close);
}

void MainWindow::viewConfig() { configuration_->showFor(false); }
void MainWindow::modelParameter() { parameters_->showCurrent(); }

void MainWindow::resamplingOption() {
    if (resampling_->showCurrent()) workbench_->resamplingOk();
}

void MainWindow::environment() {
    EnvironmentSettings& settings = workbench_->settings();
    environment_->load(settings);
    if (environment_->exec() != QDialog::Accepted) return;
    environment_->store(settings);
    workbench_->writeSettings();
    loadLanguageTexts(workbench_->folders().dataDir, settings.lang, workbench_->texts());
    applyLanguage();
}

void MainWindow::rawData() {
    if (!workbench_->ensureRawData()) return;
    FindEmptyCells(workbench_->rawData(), prompts_);
    rawDataForm_->showFor(RawDataForm::Caller::MainWindow);
}

// A command that could not find the engine has said so last; the about box follows.
void MainWindow::showAboutWithoutEngine() {
    if (prompts_.lastKey() == "MSG_PLSNotFound") about_->exec();
}

void MainWindow::run() {
    if (!workbench_->ensureRawData()) return;
    prompts_.forget();
    groupResults_->hide();
    engineRan_ = true;
    reportable_ = EstimateCommand(*workbench_).run() && ApplyConsistentParameter(*workbench_);
    inference_.reset();
    lastResampling_.reset();
    prediction_.reset();
    updateResults();
    if (!reportable_) showAboutWithoutEngine();
}

void MainWindow::runBootStrap() { runResampling(SampleKind::Bootstrap); }
void MainWindow::runJackKnife() { runResampling(SampleKind::Jackknife); }

void MainWindow::runResampling(SampleKind kind) {
    if (!workbench_->ensureRawData()) return;
    prompts_.forget();
    groupResults_->hide();
    engineRan_ = true;
    if (kind == SampleKind::Bootstrap) {
        // The bootstrap keeps its inference for the report and the tables.
        InferenceCommand command(*workbench_);
        const std::optional<AssessedBootstrap> result = command.run(false);
        inference_ = result ? std::make_unique<Inference>(result->inference) : nullptr;
        reportable_ = command.ran() && ApplyConsistentBootstrap(*workbench_, command, result ? &*result : nullptr);
    } else {
        reportable_ = ResamplingRun(*workbench_).run(kind);
    }
    if (reportable_) lastResampling_ = kind;
    updateResults();
    if (!reportable_) showAboutWithoutEngine();
}

void MainWindow::bootStrapSummary() { ResamplingViews(*workbench_).viewSummary(SampleKind::Bootstrap); }
void MainWindow::jackKnifeSummary() { ResamplingViews(*workbench_).viewSummary(SampleKind::Jackknife); }
void MainWindow::bootStrapCard() { ResamplingViews(*workbench_).viewCard(SampleKind::Bootstrap); }
void MainWindow::jackKnifeCard() { ResamplingViews(*workbench_).viewCard(SampleKind::Jackknife); }
void MainWindow::bootStrapResult() { ResamplingViews(*workbench_).viewListing(SampleKind::Bootstrap); }
void MainWindow::jackKnifeResult() { ResamplingViews(*workbench_).viewListing(SampleKind::Jackknife); }
void MainWindow::bootStrapCsvSummary() { ResamplingViews(*workbench_).openCsvSummary(SampleKind::Bootstrap); }
void MainWindow::jackKnifeCsvSummary() { ResamplingViews(*workbench_).openCsvSummary(SampleKind::Jackknife); }

void MainWindow::loadingsTable() { TableCommands(*workbench_).loadingsTable(); }
void MainWindow::correlationTable() {
    TableCommands commands(*workbench_);
    commands.setCorrections(ConsistentCorrections(ResultContext::of(*workbench_)));
    commands.correlationTable();
}
void MainWindow::reliabilityTable() { TableCommands(*workbench_).reliabilityTable(); }
void MainWindow::factorStructure() {
    TableCommands commands(*workbench_);
    commands.setCorrections(ConsistentCorrections(ResultContext::of(*workbench_)));
    commands.factorStructure();
}
void MainWindow::factorScores() { TableCommands(*workbench_).factorScores(); }
// The page opens in the browser from its folder beside the model; the status line says where.
void MainWindow::webReport() {
    WebReport writer(*workbench_);
    if (prediction_) writer.addPrediction(PredictSection(*prediction_));
    if (const auto report = writer.run())
        workbench_->showStatus("Web report written to " + report->string(), false);
}

void MainWindow::multiGroup() {
    if (workbench_->ensureRawData()) groupDialog_->showFor();
}

// The results window follows every comparison, even a declined one. The group estimates
// leave no web report behind: the main tables hold one group only.
void MainWindow::groupsCompared(GroupOutcome outcome, bool significance) {
    engineRan_ = true;
    if (outcome != GroupOutcome::Cancelled) reportable_ = false;
    if (outcome == GroupOutcome::Compared) groupResults_->setHtmlReportEnabled(significance);
    groupResults_->show();
    updateResults();
    refresh();
}

void MainWindow::viewCode() {
    if (workbench_->ensureRawData()) EstimateCommand(*workbench_).viewCode();
}
void MainWindow::viewResult() { EstimateCommand(*workbench_).viewResult(); }

void MainWindow::zoomIn() { zoom(1, "MNU_ZoomIn"); }
void MainWindow::zoomOut() { zoom(-1, "MNU_ZoomOut"); }
void MainWindow::zoomToFit() { diagram_->fitToWindow(); }

// The drawing scales as a whole, by 10% a step, round the middle of the surface.
void MainWindow::zoom(int step, const char* key) {
    workbench_->showStatus(workbench_->texts().lookup(key), false);
    diagram_->zoomBy(step);
}

void MainWindow::redraw() { diagram_->redraw(); }

void MainWindow::selectTool() { diagram_->chooseTool(DiagramView::Tool::Select); }
void MainWindow::constructTool() {
    actions_["BTN_Construct"]->setChecked(true);
    diagram_->chooseTool(DiagramView::Tool::Construct, 1);
}
void MainWindow::secondOrderTool() { diagram_->chooseTool(DiagramView::Tool::Construct, 2); }
void MainWindow::pathTool() {
    actions_["BTN_Path"]->setChecked(true);
    diagram_->chooseTool(DiagramView::Tool::Path);
}

void MainWindow::editConstruct(int construct) {
    command([this, construct] {
        editName_ = "Construct re-configuration";
        diagram_->setHitConstruct(construct);
        openConstructDialog(construct);
    });
}

// A second-order construct is measured by constructs, not indicators: it has its own dialog.
void MainWindow::openConstructDialog(int construct) {
    const ProjectModel& model = workbench_->model();
    if (construct >= 0 && construct < model.nConstruct && model.constructs[construct].order == 2)
        secondOrderDialog_->editSecondOrder(construct);
    else
        constructDialog_->editConstruct(construct);
}

// The generation dialogs are modeless: the chooser only shows them.
void MainWindow::newProductTerms() { productChooser_->show(); }

// Changes are made inside the dialog: whatever its result, command() then rebuilds the tree.
void MainWindow::reviewProductTerms() { productReview_->review(); }

void MainWindow::setConstruct() {
    const int construct = diagram_->hitConstruct();
    if (construct >= 0) openConstructDialog(construct);
}

void MainWindow::removeItem() {
    const LanguageTexts& texts = workbench_->texts();
    const std::optional<std::string> node = tree_->selectedText();
    if (!node) {
        prompts_.tell(texts.message("MSG_noIndSelected"));
        return;
    }
    const ProjectModel& model = workbench_->model();
    const int indicator = IndicatorOfNode(model, *node);
    if (indicator < 0 || model.indicators[indicator].construct < 0) return;
    const std::string question = texts.lookup("MSG_RemoveInd") + "(" + model.indicators[indicator].caption + ")";
    if (!prompts_.askOkCancel(Message{"MSG_RemoveInd", question, texts.lookup("MSG_RemoveFromCon")})) return;
    bool resamplingDropped = false;
    RemoveFromConstruct(workbench_->model(), indicator, &resamplingDropped);
    if (resamplingDropped) workbench_->showStatus(texts.lookup("MSG_NotValid"), false);
}

// A click on a product indicator names its two factors.
void MainWindow::treeClick() {
    const std::optional<std::string> node = tree_->selectedText();
    if (!node) return;
    const std::optional<std::string> product = ProductTermText(workbench_->model(), *node);
    workbench_->showStatus(product.value_or(""), false);
    tree_->setToolTip(product ? toQString(*product) : QString());
}

void MainWindow::treeMenuPopup() {
    const std::optional<std::string> node = tree_->selectedText();
    const TreeMenuState state = TreeMenuFor(workbench_->model(), node ? &*node : nullptr, tree_->selectedLevel());
    actions_["MNU_RemoveItem"]->setEnabled(state.removeItem);
    actions_["MNU_SetConstruct"]->setEnabled(state.setConstruct);
    actions_["MNU_ChangeDeleteproductterms"]->setEnabled(state.changeProducts);
    actions_["MNU_Newindicatorsforinteractioneffect"]->setEnabled(state.newProducts && workbench_->model().modelOpen);
    if (state.hitConstruct >= 0) diagram_->setHitConstruct(state.hitConstruct);
}

void MainWindow::fullExpand() { tree_->expandAll(); }
void MainWindow::fullCollapse() { tree_->collapseAll(); }

void MainWindow::toggleIndicatorWindow() {
    indicatorPanel_->setVisible(actions_["IndicatorWindow1"]->isChecked());
}

void MainWindow::toggleIndicatorsOnDiagram() {
    diagram_->setShowIndicators(actions_["MNU_IndicatorsOnDiagram"]->isChecked());
}

void MainWindow::toggleToolBox() { modelToolBar_->setVisible(actions_["ShowTools1"]->isChecked()); }

// The user guide comes with the program, beside its language files.
void MainWindow::help() { ports_.desktop.openWithDesktop(workbench_->folders().userGuide().string()); }

void MainWindow::about() { about_->exec(); }

}  // namespace qv::gui
