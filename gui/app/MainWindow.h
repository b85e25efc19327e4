#pragma once

#include <QMainWindow>
#include <QMap>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "core/app/EstimateInputs.h"
#include "core/app/StartupFolders.h"
#include "core/editing/ModelHistory.h"
#include "core/ports/Dialogs.h"
#include "gui/app/RememberingPrompts.h"
#include "gui/app/UserPorts.h"
#include "gui/diagram/DiagramBitmap.h"

class QMenu;
class QToolBar;

namespace qv {
class Workbench;
enum class SampleKind;
enum class GroupOutcome;
struct Inference;
struct PredictResult;
}

namespace qv::gui {

class AboutDialog;
class ConfigurationDialog;
class ConstructDialog;
class ConstructTermsDialog;
class IndicatorTermsDialog;
class ProductTermChooser;
class ProductTermReviewDialog;
class SecondOrderDialog;
class DiagramView;
class ModelTree;
class EnvironmentDialog;
class GroupComparisonDialog;
class GroupResultsWindow;
class ModelParameterDialog;
class PredictDialog;
class RawDataForm;
class ResamplingOptionsDialog;
class ResultsWindow;
class StatusPanels;

// The main window (TForm1). It owns the Workbench and every dialog, created once; each menu
// item and tool button calls a Workbench command and then refreshes the views: the diagram and
// the model tree.
class MainWindow final : public QMainWindow, private OptionDialogs {
public:
    MainWindow(UserPorts ports, const StartupFolders& folders);
    ~MainWindow() override;

    // Reads the settings and the language and prepares the work folder; returns the error that
    // ends the program.
    std::optional<std::string> startUp();

    Workbench& workbench() { return *workbench_; }

    // Opens a model file by name, as the recent-model items do (the one file a start may name).
    void openModelFile(const std::string& file);
    StatusPanels& statusPanels() { return *status_; }
    DiagramView& diagram() { return *diagram_; }
    ModelTree& modelTree() { return *tree_; }
    ResultsWindow& results() { return *results_; }
    // Construct re-configuration of one construct (the diagram's double click and Re-Configure,
    // the tree's context menu).
    void editConstruct(int construct);

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    // When a command can be chosen: always, with a model, after an estimate, after a resampling
    // run of a kind, after an engine run of the main window that did not fail (the
    // report buttons), or not yet (its window comes later).
    enum class Availability { Always, ModelOpen, Estimated, BootstrapDone, JackknifeDone, Reportable, Later };
    using Handler = void (MainWindow::*)();

    bool showConfiguration(bool newModelMode) override;

    // MainWindowActions.cpp: the menus and tool bars.
    void createActions();
    QAction* addCommand(const char* name, const char* caption, Handler handler, Availability availability);
    void createMenus();
    QMenu* addCommandMenu(QMenu* parent, const char* name, const char* caption, const QStringList& items);
    void createToolBars();
    QToolBar* addCommandBar(const char* name, const QStringList& items);
    void createCentralArea();
    void createTreeMenu();

    // Runs one command: never while another one is under way, and the views follow it.
    void command(const std::function<void()>& body);
    void refresh();
    void refreshRecentModels();
    void applyLanguage();
    void checkEngine();

    void newModel();
    void openModel();
    void openRecent1();
    void openRecent2();
    void openRecent3();
    void openRecent(int index);
    void save();
    void saveAs();
    void closeModel();
    void exitProgram();
    void viewConfig();
    void modelParameter();
    void resamplingOption();
    void environment();
    void rawData();
    void run();
    void runBootStrap();
    void runJackKnife();
    void runResampling(SampleKind kind);
    // Execute ▸ Predict (MainWindowPredict.cpp).
    void runPredict();
    void bootStrapSummary();
    void jackKnifeSummary();
    void bootStrapCard();
    void jackKnifeCard();
    void bootStrapResult();
    void jackKnifeResult();
    void bootStrapCsvSummary();
    void jackKnifeCsvSummary();
    void loadingsTable();
    void correlationTable();
    void reliabilityTable();
    void factorStructure();
    void factorScores();
    // The assessment's tables (MainWindowAssessment.cpp).
    void htmtTable();
    void vifTable();
    void f2Table();
    void assessedReliabilityTable();
    void effectsTable();
    void fitTable();
    void inferenceTable();
    void webReport();
    // The Results window and its exports (MainWindowResults.cpp).
    void createResultsWindow();
    void shareTheWidth();
    void updateResults();
    void chooseDecimals(int decimals);
    void exportResults();
    void exportResultsCsv();
    void excelReport();
    void multiGroup();
    void groupsCompared(GroupOutcome outcome, bool significance);
    void showAboutWithoutEngine();
    bool isAvailable(Availability availability) const;
    void viewCode();
    void viewResult();
    void zoomIn();
    void zoomOut();
    void zoomToFit();
    // MainWindowDiagram.cpp: the diagram as a picture.
    enum class DiagramFormat { Png, Svg, Pdf };
    void exportPng1();
    void exportPng2();
    void exportPng3();
    void exportSvg();
    void exportPdf();
    void exportDiagram(DiagramFormat format, double scale);
    void copyDiagram();
    // MainWindowEditing.cpp: the history of edits and the Edit menu.
    void startOver();
    void recordEdit();
    void undo();
    void redo();
    void cutSelection();
    void copySelection();
    void pasteCopies();
    void duplicateSelection();
    void selectAll();
    void deleteSelection();
    void zoom(int step, const char* key);
    void redraw();
    void selectTool();
    void constructTool();
    void secondOrderTool();
    void pathTool();
    void setConstruct();
    void openConstructDialog(int construct);
    void newProductTerms();
    void reviewProductTerms();
    void removeItem();
    void treeClick();
    void treeMenuPopup();
    void fullExpand();
    void fullCollapse();
    void rebuildTree();
    void toggleIndicatorWindow();
    void toggleIndicatorsOnDiagram();
    void toggleToolBox();
    void help();
    void about();

    UserPorts ports_;
    RememberingPrompts prompts_;
    DiagramBitmap picture_;
    StatusPanels* status_;
    std::unique_ptr<Workbench> workbench_;
    QMap<QString, QAction*> actions_;
    QMap<QString, Availability> availability_;
    QMenu* toolMenu_ = nullptr;
    QToolBar* modelToolBar_ = nullptr;
    QWidget* indicatorPanel_ = nullptr;
    ModelTree* tree_ = nullptr;
    QMenu* treeMenu_ = nullptr;
    DiagramView* diagram_ = nullptr;
    ConstructDialog* constructDialog_ = nullptr;
    SecondOrderDialog* secondOrderDialog_ = nullptr;
    ProductTermChooser* productChooser_ = nullptr;
    ProductTermReviewDialog* productReview_ = nullptr;
    RawDataForm* rawDataForm_ = nullptr;
    ConfigurationDialog* configuration_ = nullptr;
    ModelParameterDialog* parameters_ = nullptr;
    EnvironmentDialog* environment_ = nullptr;
    ResamplingOptionsDialog* resampling_ = nullptr;
    // The options of Predict for the session; the model file does not keep them.
    PredictDialog* predictDialog_ = nullptr;
    AboutDialog* about_ = nullptr;
    GroupComparisonDialog* groupDialog_ = nullptr;
    GroupResultsWindow* groupResults_ = nullptr;
    ResultsWindow* results_ = nullptr;
    // The last bootstrap's inference, for the Results window; none after other runs.
    std::unique_ptr<Inference> inference_;
    // The kind of the last resampling run, whose statistics the records hold.
    std::optional<SampleKind> lastResampling_;
    // The last prediction of the estimated model; gone with the estimate.
    std::unique_ptr<PredictResult> prediction_;
    bool busy_ = false;
    ModelHistory history_;
    QString editName_;        // the name of the command or diagram edit under way
    bool engineRan_ = false;  // the figures the engine just wrote are no edit
    EstimateInputs estimatedInputs_;  // the data and parameters the figures on show came from
    // Whether the last engine run of the main window succeeded: a failed estimate or resampling
    // run, and a group run, leave no report to write.
    bool reportable_ = false;
    bool shown_ = false;
};

}  // namespace qv::gui
