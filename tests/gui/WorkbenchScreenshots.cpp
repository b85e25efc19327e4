// Saves a picture of the main window with the ECSI example open and of every dialog, as a
// user would see them, into the folder named on the command line.
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QTimer>
#include <cstdio>

#include "core/app/Workbench.h"
#include "gui/app/MainWindow.h"
#include "gui/app/ProgressWindow.h"
#include "gui/app/SplashWindow.h"
#include "gui/diagram/DiagramColours.h"
#include "gui/diagram/DiagramPictures.h"
#include "gui/diagram/DiagramView.h"
#include "gui/diagram/StopWindow.h"
#include "tests/gui/EcsiWorkbench.h"
#include "gui/results/ResultsWindow.h"
#include "gui/results/TextViewer.h"
#include "tests/gui/GuiTestSupport.h"

using namespace qv;
using namespace qv::test;

namespace {

QString outputFolder;

void save(QWidget& window, const QString& name) {
    QApplication::processEvents();
    const QString file = QDir(outputFolder).filePath(name + ".png");
    window.grab().save(file);
    std::printf("%s\n", qPrintable(file));
}

// Pictures the next modal window once it is up, then lets the action close it.
void pictureModal(const char* formName, const QString& picture,
                  std::function<void(QWidget&)> close = [](QWidget& w) { static_cast<QDialog&>(w).reject(); }) {
    onModal(formName, [=](QWidget& window) {
        save(window, picture);
        close(window);
    });
}

void trigger(gui::MainWindow& window, const char* action) { window.findChild<QAction*>(action)->trigger(); }

void pictureDialogs(gui::MainWindow& window, ScriptedPorts& script) {
    pictureModal("TForm2", "configuration_view");
    trigger(window, "MNU_ViewConfig");
    pictureModal("TForm7", "model_parameter");
    trigger(window, "BTN_Parameter");
    pictureModal("TForm4", "resampling_options");
    trigger(window, "MNU_ResamplingOption");
    pictureModal("TForm10", "environment");
    trigger(window, "MNU_Environment");
    pictureModal("TForm6", "about");
    trigger(window, "MNU_About");
    pictureModal("TForm3", "raw_data", [](QWidget& form) {
        pictureModal("TForm17", "select_cases");
        click(form, "BtnSelectCase");
        static_cast<QDialog&>(form).accept();
    });
    trigger(window, "BTN_RawData");
    pictureModal("TForm5", "construct_dialog");
    window.editConstruct(0);
    trigger(window, "BTN_Construct");
    save(window.diagram().stopWindow(), "stop_window");
    trigger(window, "BTN_Select");
    script.answer(true);  // start a new model
    pictureModal("TForm2", "configuration_new");
    trigger(window, "BTN_NewModel");
}

// The estimated diagram, a picture of it for a paper, the bootstrap's t values (of the
// composites and of consistent PLS) and the two groups of a comparison side by side.
void pictureResults(gui::MainWindow& window, ScriptedPorts& script) {
    trigger(window, "BTN_Run");
    window.diagram().fitToWindow();
    save(window, "main_window_estimated");
    Workbench& workbench = window.workbench();
    const QString paper = QDir(outputFolder).filePath("diagram_estimated_2x.png");
    gui::DiagramPictures(workbench.model(), gui::DiagramColours::of(workbench.settings()), workbench.settings().radius)
        .writePng(paper, 2);
    std::printf("%s\n", qPrintable(paper));
    trigger(window, "BTN_BootStrap");
    save(window, "main_window_bootstrap");
    // The same bootstrap under consistent PLS, then back to the composites.
    workbench.parameters().consistent = true;
    trigger(window, "BTN_BootStrap");
    save(window, "main_window_consistent");
    workbench.parameters().consistent = false;
    trigger(window, "BTN_Run");
    onModal("TForm18", [&script](QWidget& dialog) {
        choose(dialog, "ComboBox1", "CUSCO");
        choose(dialog, "ComboBox2", ">");
        type(dialog, "Edit1", "5");
        click(dialog, "BitBtn1");
        choose(dialog, "ComboBox4", "CUSCO");
        choose(dialog, "ComboBox5", "<=");
        type(dialog, "Edit2", "5");
        click(dialog, "BitBtn3");
        script.answer(true);  // the sample-size question
        click(dialog, "BTN_OK");
    });
    trigger(window, "BTN_MultiGroup");
    if (auto* results = window.findChild<QWidget*>("TForm19")) {
        click(*results, "ToolButton3");
        save(*results, "group_results");
    }
    save(window, "main_window_groups");
}

// The Results window: the group comparison's page, then after a new estimate, a jackknife, a
// seeded bootstrap and PLSpredict one picture per page; and the listing in the text viewer.
void pictureResultsWindow(gui::MainWindow& window, const StartFolder& folder, ScriptedPorts& script) {
    gui::ResultsWindow& results = window.results();
    results.setFloating(true);
    results.resize(900, 640);
    results.tabs().setCurrentIndex(static_cast<int>(results.pages().size()) - 2);
    save(results, "results_groups");
    trigger(window, "BTN_Run");
    window.workbench().resampling().nSample = "100";
    window.workbench().resampling().seed = "8";
    trigger(window, "BTN_JackKnife");
    trigger(window, "BTN_BootStrap");
    onModal("TFormPredict", [](QWidget& dialog) { click(dialog, "BTN_OK"); });
    trigger(window, "MNU_Predict");
    for (size_t i = 0; i < results.pages().size(); ++i) {
        if (results.pages()[i].key == "groups") continue;
        results.tabs().setCurrentIndex(static_cast<int>(i));
        save(results, QString::fromStdString("results_" + results.pages()[i].key));
    }
    results.tabs().setCurrentIndex(static_cast<int>(results.pages().size()));
    save(results, "results_thresholds");
    results.setFloating(false);
    save(window, "main_window_results");
    gui::TextViewer viewer((folder.work() / "ecsi.out").string(), script);
    viewer.show();
    viewer.findField().setText("Outer Model");
    viewer.findNext();
    save(viewer, "text_viewer");
}

}  // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setApplicationDisplayName("Quorvanta");
    outputFolder = argc > 1 ? argv[1] : "screenshots";
    QDir().mkpath(outputFolder);

    gui::SplashWindow splash;
    splash.show();
    splash.showStep("Initialize: Main Program");
    save(splash, "splash");
    splash.hide();

    StartFolder folder;
    ScriptedPorts script;
    gui::MainWindow window(scriptedUser(script), folder.dir());
    if (window.startUp()) return 1;
    window.show();
    QApplication::processEvents();
    script.chooseFile((folder.work() / "ecsi.qvt").string());
    trigger(window, "BTN_OpenModel");
    save(window, "main_window");
    pictureDialogs(window, script);
    if (folder.hasEngine()) {
        pictureResults(window, script);
        pictureResultsWindow(window, folder, script);
    }

    gui::ProgressWindow progress;
    progress.start("Executing PLS Algorithm", 100);
    progress.setPosition(40);
    save(progress, "progress");
    progress.finish();
    return 0;
}
