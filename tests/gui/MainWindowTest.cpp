// The main window as a user meets it: every named control in place, a whole session from a
// new model to an estimate, the save question on closing, the language and the zoom settings.
#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QSplitter>
#include <QToolButton>
#include <QtTest>
#include <fstream>

#include "core/app/Workbench.h"
#include "core/model/IniFile.h"
#include "gui/app/MainWindow.h"
#include "gui/app/PaneWidths.h"
#include "gui/app/StatusPanels.h"
#include "gui/diagram/DiagramView.h"
#include "gui/editing/ModelTree.h"
#include "tests/gui/GuiTestSupport.h"

using namespace qv;
using namespace qv::test;

namespace {

struct Control {
    const char* name;
    const char* caption;  // nullptr: the control has no caption of its own
};

QString captionOf(const QObject& object) {
    if (auto* action = qobject_cast<const QAction*>(&object)) return action->iconText();
    if (auto* menu = qobject_cast<const QMenu*>(&object)) return menu->title().remove('&');
    if (auto* button = qobject_cast<const QAbstractButton*>(&object)) return button->text();
    if (auto* label = qobject_cast<const QLabel*>(&object)) return label->text();
    if (auto* group = qobject_cast<const QGroupBox*>(&object)) return group->title();
    return {};
}

// Every control of the list exists in the form under its name and shows its caption.
void checkControls(QWidget& form, const std::vector<Control>& controls) {
    for (const Control& control : controls) {
        const QObject* found = form.findChild<QObject*>(control.name);
        QVERIFY2(found, control.name);
        if (control.caption) QCOMPARE(captionOf(*found), QString(control.caption));
    }
}

// Texts of labels and group boxes that have no name of their own in the list.
void checkCaptions(QWidget& form, const QStringList& captions) {
    QStringList shown;
    for (const QLabel* label : form.findChildren<QLabel*>()) shown << label->text();
    for (const QGroupBox* group : form.findChildren<QGroupBox*>()) shown << group->title();
    for (const QString& caption : captions) QVERIFY2(shown.contains(caption), qPrintable(caption));
}

struct Session {
    StartFolder folder;
    ScriptedPorts script;
    gui::MainWindow window{scriptedUser(script), folder.dir()};

    Session() {
        QVERIFY(!window.startUp());
        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QCoreApplication::processEvents();  // the engine check after the first show
        script.clear();
    }
    Workbench& workbench() { return window.workbench(); }
    QAction& action(const char* name) { return *window.findChild<QAction*>(name); }
    void press(const char* toolButton) { click(window, toolButton); }
    QString counts() { return window.statusPanels().counts(); }
    std::string work(const char* name) const { return (folder.work() / name).string(); }
    void open(const char* name) {
        script.chooseFile(work(name));
        press("BTN_OpenModel");
    }
};

// A user who, while the engine runs, tries other commands and the close box.
class ImpatientUser final : public ProgressView {
public:
    std::function<void()> whileRunning;
    void start(const std::string&, int) override {}
    void setPosition(int) override {
        if (!whileRunning) return;
        const auto act = std::move(whileRunning);
        whileRunning = nullptr;
        act();
    }
    bool cancelRequested() override { return false; }
    void finish() override {}
};

}  // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

private slots:
    void everyNamedControlHasItsCaption();
    void sessionFromNewModelToEstimate();
    void closingAModifiedModelAsksSaveDiscardOrCancel();
    void aFailedSaveKeepsTheWindowOpen();
    void aModelWithoutItsDataIsDrawnAndAsksForThemToEstimate();
    void environmentChangesTheLanguage();
    void zoomScalesTheWholeDrawingAndFitShowsItAll();
    void theTreeKeepsTheWidthOfItsFiguresAndTheDiagramTakesTheRest();
    void missingEngineIsReportedOnFirstShow();
    void helpOpensTheGuideThatComesWithTheProgram();
    void noSecondCommandStartsWhileTheEngineRuns();
    void aboutBoxFollowsOnlyAMissingEngine();
};

void MainWindowTest::everyNamedControlHasItsCaption() {
    Session s;
    checkControls(s.window, {
        {"MNU_File", "File"}, {"MNU_NewModel", "New Model"}, {"MNU_OpenModel", "Open Model"},
        {"MNU_Reopen", "Reopen"}, {"N4", nullptr}, {"N5", nullptr}, {"N6", nullptr},
        {"MNU_Save", "Save"}, {"MNU_SaveAs", "Save As"}, {"MNU_Close", "Close"}, {"MNU_Exit", "Exit"},
        {"MNU_ViewConfig", "View Configure"}, {"MNU_ViewPLSResult", "View LVPLS Result"},
        {"MNU_ViewCode", "View LVPLS Code"}, {"MNU_BootStrapSummary", "BootStrap Summary"},
        {"MNU_JacknifeSummary", "JackKnife Summary"}, {"MNU_BootStrapCard", "BootStrap card"},
        {"MNU_JackKnifeCard", "JackKnife card"}, {"MNU_BootStrapResult", "BootStrap Result"},
        {"MNU_JackKnifeResult", "JackKnife Result"}, {"IndicatorWindow1", "Indicator Window"},
        {"ShowTools1", "Show ToolBox"}, {"MNU_RunPLS", "Run PLS Algorithm"},
        {"MNU_RunBootStrap", "Run BootStrap"}, {"MNU_RunJacknife", "Run Jacknife"},
        {"MNU_ResamplingOption", "Resampling Option"}, {"MNU_Tool", "Tool"},
        {"MNU_NewConstruct", "New Construct"}, {"MNU_NewPath", "New Path"}, {"MNU_Redraw", "Redraw"},
        {"MNU_ZoomIn", "Zoom In"}, {"MNU_ZoomOut", "Zoom Out"}, {"MNU_Environment", "Environment"},
        {"MNU_Help1", "Help"}, {"MNU_About", "About"},
        {"MNU_FactorLoading", "Factor Loading, Residuals and Weight"},
        {"MNU_Correlationsoflatentvariables", "Correlations of latent variables"},
        {"MNU_ReliabilityAVE", "Reliability and AVE"},
        {"MNU_FactorStructure", "Factor Structure Matrix of Loadings and Cross-Loadings"},
        {"MNU_FactorScores", "Factor Scores"}, {"MNU_BootStrapSummary1", "BootStrap Summary"},
        {"MNU_JackKnifeSummary1", "JackKnife Summary"},
        {"BTN_NewModel", "New Model"}, {"BTN_OpenModel", "Open Model"}, {"BTN_SaveModel", "Save Model"},
        {"BTN_SaveAs", "Save As"}, {"BTN_RawData", "Raw Data"}, {"BTN_ViewConfig", "View Config."},
        {"BTN_Parameter", "Model Parameter"}, {"BTN_Run", "Run PLS Algorithm"},
        {"BTN_BootStrap", "Run BootStrap"}, {"BTN_JackKnife", "Run Jacknife"}, {"BTN_ZoomIn", "Zoom In"},
        {"BTN_ZoomOut", "Zoom Out"}, {"BTN_FullCollapse", "Full Collapse"}, {"BTN_FullExpand", "Full Expand"},
        {"BTN_ConstructIndicator", "Constructs & Indicators"}, {"TreeView1", nullptr}, {"PaintBox1", nullptr},
        {"StatusBar1", nullptr}});
    QCOMPARE(s.window.findChild<QAction*>("BTN_ExcelReport")->toolTip(), QString("PLS Report in Excel Format"));
    QCOMPARE(s.window.findChild<QAction*>("BTN_WebReport")->toolTip(), QString("PLS Report in Web Format"));

    auto* configuration = s.window.findChild<QWidget*>("TForm2");
    QVERIFY(configuration);
    QCOMPARE(configuration->windowTitle(), QString("Configuration"));
    checkControls(*configuration, {{"Edit6", nullptr}, {"SpeedButton2", nullptr}, {"Edit1", nullptr},
                                   {"SpeedButton1", nullptr}, {"Edit2", nullptr}, {"Edit3", nullptr},
                                   {"Edit4", nullptr}, {"Edit5", nullptr}, {"GB_Project", "Project"},
                                   {"BTN_OK", "        OK        "}, {"BTN_Cancel", "Cancel"}});
    checkCaptions(*configuration, {"PLS Project:", "Raw Data File :", "Output File (Optional)", "LVPLS Code :",
                                   "BootStrap Report:", "Jackknife Report:", "LVPLS Output:"});

    auto* parameters = s.window.findChild<QWidget*>("TForm7");
    QVERIFY(parameters);
    QCOMPARE(parameters->windowTitle(), QString("Model Parameter"));
    checkControls(*parameters, {{"Edit1", nullptr}, {"Edit2", nullptr}, {"Edit3", nullptr},
                                {"ComboBox1", nullptr}, {"ComboBox2", nullptr}, {"ComboBox3", nullptr},
                                {"ComboBox4", nullptr}, {"ComboBox5", nullptr}, {"ComboBox6", nullptr},
                                {"ComboBox7", nullptr}, {"ComboBox8", nullptr},
                                {"LB_MissingValue", "Missing  Value (-999~-1)"},
                                {"BTN_ResetToDefault", "Reset to Default"}});
    checkCaptions(*parameters, {"Model Parameters", "Blindfolding procedure:", "Output Quality", "Iteration cycle:",
                                "Model Specification and Input:", "Output of result:", "Inner Weighting Scheme:",
                                "Max Number of Iteration (<=100)", "Number of Decimal places  in raw data  (1-6)",
                                "Metric of Analyzed Data:", "Type of blindfolding statistic", "Stone-Geisser Q2 ",
                                "Blindfolding omission distance in no. of cases"});
    QCOMPARE(parameters->findChild<QComboBox*>("ComboBox8")->count(), 18);

    auto* resampling = s.window.findChild<QWidget*>("TForm4");
    QVERIFY(resampling);
    QCOMPARE(resampling->windowTitle(), QString("Resampling Options"));
    checkControls(*resampling, {{"Edit1", nullptr}, {"Edit2", nullptr}, {"Edit3", nullptr}, {"Edit4", nullptr},
                                {"CK_Process", "Include resampling process in summary"},
                                {"BTN_ResetToDefault", "Reset to Default"}});
    checkCaptions(*resampling, {"Options", "BootStrap", "Number of  Samples:", "Cases per Sample:", "JackKnife",
                                "JackKnife numbers:", "Random numbers", "Seed:", "0: Use current time as Seed"});

    auto* environment = s.window.findChild<QWidget*>("TForm10");
    QVERIFY(environment);
    QCOMPARE(environment->windowTitle(), QString("Environment"));
    checkControls(*environment, {{"Edit1", nullptr}, {"SpeedButton1", nullptr}, {"Panel2", nullptr},
                                 {"Panel3", nullptr}, {"Panel4", nullptr}, {"Panel5", nullptr},
                                 {"CK_Beep", "Beep while estimation finishing"}, {"ComboBox1", nullptr},
                                 {"ComboBox2", nullptr}, {"BTN_ResetToDefault", "Reset To Default"},
                                 {"BTN_OK", "OK"}, {"BTN_Cancel", "Cancel"}});
    checkCaptions(*environment, {"Default Editor:", "Color", "Background Color:", "Construct Color:", "Path Color:",
                                 "Text Color:", "Language:", "CharSet:"});
    QCOMPARE(environment->findChild<QComboBox*>("ComboBox2")->count(), 19);

    auto* rawData = s.window.findChild<QWidget*>("TForm3");
    QVERIFY(rawData);
    QCOMPARE(rawData->windowTitle(), QString("Raw Data Form"));
    checkControls(*rawData, {{"BTN_OK", "OK"}, {"BtnSelectCase", "Select Cases"},
                             {"BTN_OpenAnother", "Open Another"}, {"BTN_CancelRawData", "Cancel RawData"}});

    auto* selectCases = s.window.findChild<QWidget*>("TForm17");
    QVERIFY(selectCases);
    QCOMPARE(selectCases->windowTitle(), QString("Select Cases"));
    checkControls(*selectCases, {{"RadioButton1", "All Cases"}, {"RadioButton2", "If conditions satisfied"},
                                 {"ComboBox1", nullptr}, {"ComboBox2", nullptr}, {"Edit1", nullptr},
                                 {"ComboBox3", nullptr}, {"BitBtn1", nullptr}, {"BitBtn2", nullptr},
                                 {"ListBox1", nullptr}, {"BTN_OK", "OK"}, {"BTN_Cancel", "Cancel"}});
    checkCaptions(*selectCases, {"Data Type"});
    QCOMPARE(selectCases->findChild<QWidget*>("BitBtn1")->toolTip(), QString("New FIlter"));
    QCOMPARE(selectCases->findChild<QWidget*>("BitBtn2")->toolTip(), QString("Remove From Conditions"));

    QVERIFY(s.window.findChild<QWidget*>("TForm6"));
}

void MainWindowTest::sessionFromNewModelToEstimate() {
    Session s;
    QVERIFY(!s.action("BTN_Run").isEnabled());
    QVERIFY(!s.window.findChild<QMenu*>("MNU_Tool")->isEnabled());
    QVERIFY(s.window.findChild<QMenu*>("MNU_Options")->isEnabled());
    QVERIFY(s.action("MNU_Environment").isEnabled());
    QCOMPARE(s.window.statusPanels().state(), QString("Ready"));

    // New model through the Configuration dialog on the ECSI data.
    s.script.chooseFile(s.work("mobi.txt"));
    auto configured = onModal("TForm2", [&](QWidget& dialog) {
        auto rawForm = onModal("TForm3", [](QWidget& form) { click(form, "BTN_OK"); });
        click(dialog, "SpeedButton1");
        QVERIFY(*rawForm);
        type(dialog, "Edit6", QString::fromStdString(s.work("fresh")));
        click(dialog, "BTN_OK");
    });
    s.press("BTN_NewModel");
    QVERIFY(*configured);
    QVERIFY(s.workbench().model().modelOpen);
    QCOMPARE(s.window.windowTitle(), QString::fromStdString(s.work("fresh.qvt")));
    QCOMPARE(s.counts(), QString("Constructs: 0  Paths: 0   Indicators: 24 Cases: 250"));
    QVERIFY(s.action("BTN_Run").isEnabled());
    QString decimals;
    auto parameters = onModal("TForm7", [&](QWidget& dialog) {
        decimals = dialog.findChild<QLineEdit*>("Edit3")->text();
        click(dialog, "BTN_OK");
    });
    s.press("BTN_Parameter");
    QVERIFY(*parameters);
    QCOMPARE(decimals, QString("0"));

    s.press("BTN_SaveModel");
    QVERIFY(!s.script.told("MSG_SaveOK"));  // the status line says so, no box to close
    QVERIFY(fs::exists(s.work("fresh.qvt")));
    QCOMPARE(s.window.statusPanels().message(), QString::fromStdString("The model was saved. " + s.work("fresh.qvt")));

    s.action("MNU_Close").trigger();
    QVERIFY(!s.workbench().model().modelOpen);
    QVERIFY(!s.action("BTN_Run").isEnabled());
    QCOMPARE(s.counts(), QString("Constructs: 0  Paths: 0   Indicators: 0 Cases: 0"));

    s.open("ecsi.qvt");
    QCOMPARE(s.counts(), QString("Constructs: 7  Paths: 12   Indicators: 24 Cases: 250"));
    s.action("MNU_Close").trigger();
    QCOMPARE(s.action("N4").text(), QString::fromStdString("1. " + s.work("ecsi.qvt")));
    QCOMPARE(s.action("N5").text(), QString::fromStdString("2. " + s.work("fresh.qvt")));
    QVERIFY(!s.action("N6").isEnabled());

    s.action("N4").trigger();
    QVERIFY(s.workbench().model().modelOpen);
    QCOMPARE(s.workbench().files().project, s.work("ecsi.qvt"));
    QCOMPARE(s.counts(), QString("Constructs: 7  Paths: 12   Indicators: 24 Cases: 250"));

    s.script.clear();
    s.action("MNU_ViewCode").trigger();
    QCOMPARE(s.script.events().back().kind, ScriptedPorts::Kind::ShowText);
    QCOMPARE(s.script.events().back().message.text, s.work("ecsi.pls"));
    QVERIFY(fs::exists(s.work("ecsi.pls")));

    auto options = onModal("TForm4", [](QWidget& dialog) {
        type(dialog, "Edit1", "321");
        click(dialog, "BTN_OK");
    });
    s.action("MNU_ResamplingOption").trigger();
    QVERIFY(*options);
    QCOMPARE(IniFile(s.work("ecsi.qvt")).readInt("Resampling", "nSample", 0), 321);

    if (!s.folder.hasEngine()) {
        auto about = onModal("TForm6", [](QWidget& box) { click(box, "BTN_OK"); });
        s.press("BTN_Run");
        QVERIFY(*about);
        QVERIFY(s.script.told("MSG_PLSNotFound"));
        QSKIP("The build has no engine: the estimate itself was not run.");
    }
    s.press("BTN_Run");
    QCOMPARE(s.window.statusPanels().message(), QString("Estimation finished."));
    QCOMPARE(s.window.statusPanels().state(), QString("Ready"));
    QVERIFY(s.workbench().model().estimated);
    QVERIFY(s.workbench().model().paths[0].coefficient != 0);
    QVERIFY(s.action("MNU_ViewPLSResult").isEnabled());
    QVERIFY(fs::exists(s.workbench().files().result));

    // The report menu and a bootstrap run follow the estimate.
    QVERIFY(!s.action("MNU_BootStrapSummary").isEnabled());
    s.script.clear();
    s.action("MNU_FactorLoading").trigger();
    QCOMPARE(s.script.events().back().kind, ScriptedPorts::Kind::OpenWithDesktop);
    QCOMPARE(s.script.events().back().message.text, s.work("ecsi_cfa.csv"));
    QVERIFY(fs::exists(s.work("ecsi_cfa.csv")));
    s.workbench().resampling().nSample = "20";
    s.press("BTN_BootStrap");
    QCOMPARE(s.window.statusPanels().message(), QString("Bootstrap finished."));
    QVERIFY(s.action("MNU_BootStrapSummary").isEnabled());
    QVERIFY(!s.action("MNU_JacknifeSummary").isEnabled());
    s.script.clear();
    s.action("MNU_BootStrapSummary").trigger();
    QCOMPARE(s.script.events().back().kind, ScriptedPorts::Kind::ShowText);
    QCOMPARE(s.script.events().back().message.text, s.work("ecsi_bt.out"));
}

void MainWindowTest::closingAModifiedModelAsksSaveDiscardOrCancel() {
    Session s;
    s.open("ecsi.qvt");
    QVERIFY(!s.window.windowTitle().startsWith('*'));
    s.press("BTN_Construct");
    QTest::mouseClick(&s.window.diagram(), Qt::LeftButton, {}, QPoint(60, 60));
    QVERIFY(s.workbench().model().modified);
    QCOMPARE(s.window.windowTitle(), "*" + QString::fromStdString(s.work("ecsi.qvt")));
    s.script.clear();
    // Cancel keeps the window and the model, for the close box as for Shift+Escape.
    s.script.answerSave(SaveAnswer::Cancel);
    QVERIFY(!s.window.close());
    s.script.answerSave(SaveAnswer::Cancel);
    QTest::keyClick(&s.window, Qt::Key_Escape, Qt::ShiftModifier);
    QVERIFY(s.window.isVisible());
    QCOMPARE(s.workbench().model().nConstruct, 8);
    s.script.answerSave(SaveAnswer::Discard);
    QTest::keyClick(&s.window, Qt::Key_Escape, Qt::ShiftModifier);
    QVERIFY(!s.window.isVisible());
    QCOMPARE(s.script.events().size(), size_t(3));
    QCOMPARE(s.script.events()[0].kind, ScriptedPorts::Kind::AskSave);
    QCOMPARE(s.script.events()[0].message.key, std::string("MSG_ConfirmSave"));
    QCOMPARE(s.script.events()[0].message.caption, std::string("Save"));
    QCOMPARE(s.script.unansweredQuestions(), 0);
}

void MainWindowTest::aFailedSaveKeepsTheWindowOpen() {
    Session s;
    s.open("ecsi.qvt");
    s.workbench().model().modified = true;
    s.workbench().files().project.clear();  // the save asks for a name, and the user cancels
    s.script.answerSave(SaveAnswer::Save);
    s.script.chooseFile(std::nullopt);
    s.action("MNU_Exit").trigger();
    QTest::qWait(20);
    QVERIFY(s.window.isVisible());
    QVERIFY(s.workbench().model().modified);

    s.script.answerSave(SaveAnswer::Save);
    s.script.chooseFile(s.work("kept.qvt"));
    QVERIFY(s.window.close());
    QVERIFY(fs::exists(s.work("kept.qvt")));
}

void MainWindowTest::aModelWithoutItsDataIsDrawnAndAsksForThemToEstimate() {
    Session s;
    fs::rename(s.work("mobi.txt"), s.work("moved.txt"));
    s.script.answer(false);  // not located now
    s.open("ecsi.qvt");
    QCOMPARE(s.workbench().model().nConstruct, 7);
    QVERIFY(!s.window.modelTree().findItems("SAT(Reflective)", Qt::MatchExactly | Qt::MatchRecursive).isEmpty());
    QVERIFY(s.window.statusPanels().message().startsWith("Data file not found"));
    QVERIFY(s.action("BTN_Run").isEnabled());
    s.script.clear();
    s.script.answer(false);  // still not located: nothing runs
    s.press("BTN_Run");
    QCOMPARE(s.script.events().front().kind, ScriptedPorts::Kind::AskYesNo);
    QVERIFY(s.script.told("MSG_DataFileNotFound"));
    QVERIFY(!s.workbench().model().estimated);
    QCOMPARE(s.workbench().model().nConstruct, 7);
}

void MainWindowTest::environmentChangesTheLanguage() {
    StartFolder folder;
    std::ofstream(folder.dir() / "conf.ini") << "[Language]\r\nLANG=English\r\nnLANG=2\r\n"
                                                "LANGUAGE1=English\r\nLANGUAGE2=Test\r\n";
    std::ofstream(folder.dir() / "Test.ini") << "[Test]\r\nForm1=Arbeitsplatz\r\nMNU_File=Datei\r\n"
                                                "BTN_Run=Schaetzen\r\nMSG_Ready=Bereit\r\n";
    ScriptedPorts script;
    gui::MainWindow window(scriptedUser(script), folder.dir());
    QVERIFY(!window.startUp());
    auto chosen = onModal("TForm10", [](QWidget& dialog) {
        auto* languages = dialog.findChild<QComboBox*>("ComboBox1");
        languages->setCurrentIndex(languages->findText("Test"));
        click(dialog, "BTN_OK");
    });
    window.findChild<QAction*>("MNU_Environment")->trigger();
    QVERIFY(*chosen);
    QCOMPARE(window.findChild<QMenu*>("MNU_File")->title(), QString("Datei"));
    QCOMPARE(window.findChild<QAction*>("BTN_Run")->text(), QString("Schaetzen"));
    QCOMPARE(window.findChild<QAction*>("BTN_Run")->toolTip(), QString("Schaetzen"));
    QCOMPARE(window.windowTitle(), QString("Arbeitsplatz"));
    // The language file has no Form2 key.
    QCOMPARE(window.findChild<QWidget*>("TForm2")->windowTitle(), QString("Quorvanta"));
    QCOMPARE(IniFile(folder.dir() / "conf.ini").readString("Language", "LANG"), std::string("Test"));
}

void MainWindowTest::zoomScalesTheWholeDrawingAndFitShowsItAll() {
    Session s;
    s.open("ecsi.qvt");
    gui::DiagramView& diagram = s.window.diagram();
    const ProjectModel& model = s.workbench().model();
    const auto everyCircleShown = [&] {
        for (int c = 0; c < model.nConstruct; ++c) {
            const QPointF centre = diagram.modelToSurface().map(QPointF(model.constructs[c].x, model.constructs[c].y));
            QVERIFY2(diagram.rect().contains(centre.toPoint()), model.constructs[c].caption.c_str());
        }
    };
    // The model opens whole, never larger than its natural size.
    everyCircleShown();
    const double opened = diagram.zoom();
    QVERIFY(opened <= 1);
    for (int i = 0; i < 3; ++i) s.press("BTN_ZoomIn");
    QVERIFY(std::abs(diagram.zoom() - 1.331 * opened) < 1e-9);
    QCOMPARE(s.window.statusPanels().message(), QString("Zoom In"));
    QCOMPARE(s.workbench().settings().radius, 25);  // the circles grow with the drawing, not alone
    // The point under the cursor stays put while Ctrl+wheel zooms round it.
    const QPointF cursor(150, 120);
    const QPoint before = diagram.toModel(cursor);
    QWheelEvent wheel(cursor, diagram.mapToGlobal(cursor), {}, {0, 120}, Qt::NoButton, Qt::ControlModifier,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(&diagram, &wheel);
    QVERIFY(std::abs(diagram.zoom() - 1.4641 * opened) < 1e-9);
    QVERIFY((diagram.toModel(cursor) - before).manhattanLength() <= 1);
    // Ctrl+0 fits the model: every circle on the surface, the view as full as it can be.
    diagram.setFocus();
    QTest::keyClick(&s.window, Qt::Key_0, Qt::ControlModifier);
    everyCircleShown();
    const double fitted = diagram.zoom();
    QVERIFY(std::abs(fitted - 1.4641 * opened) > 1e-6);
    QTest::keyClick(&s.window, Qt::Key_Minus, Qt::ControlModifier);
    QVERIFY(std::abs(diagram.zoom() - fitted / 1.1) < 1e-9);
}

void MainWindowTest::theTreeKeepsTheWidthOfItsFiguresAndTheDiagramTakesTheRest() {
    for (int window = 640; window <= 2560; window += 160) {
        const int results = gui::FirstResultsWidth(window);
        QVERIFY(results <= 520 && 3 * results <= window);
        // From 1280 pixels on, the tree shows all its figures beside the diagram.
        const gui::SplitterWidths widths = gui::ShareTheSplitter(window - results, 349, 400);
        QCOMPARE(widths.tree + widths.diagram, window - results);
        QVERIFY(widths.diagram >= std::min(400, window - results));
        if (window >= 1280) QCOMPARE(widths.tree, 349);
    }

    Session s;
    s.open("ecsi.qvt");
    auto* tree = s.window.findChild<gui::ModelTree*>("TreeView1");
    QWidget* panel = s.window.findChild<QWidget*>("Panel1");
    // The last column stretches; the figures' width counts it as wide as the others.
    QVERIFY(tree->widthForColumns() < tree->columnWidth(0) + 4 * tree->columnWidth(1));
    const auto* splitter = qobject_cast<const QSplitter*>(s.window.centralWidget());
    const gui::SplitterWidths widths = gui::ShareTheSplitter(splitter->width() - splitter->handleWidth(),
                                                             tree->widthForColumns(), 400);
    QCOMPARE(panel->width(), widths.tree);
    QCOMPARE(s.window.diagram().width(), widths.diagram);
    s.window.resize(s.window.width() + 40, s.window.height());
    QCoreApplication::processEvents();
    QCOMPARE(panel->width(), widths.tree);
    QCOMPARE(s.window.diagram().width(), widths.diagram + 40);
}

void MainWindowTest::missingEngineIsReportedOnFirstShow() {
    StartFolder folder;
    fs::remove(folder.dir() / "pls");
    ScriptedPorts script;
    script.answer(true);
    gui::MainWindow window(scriptedUser(script), folder.dir());
    QVERIFY(!window.startUp());
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCoreApplication::processEvents();
    QCOMPARE(script.events().size(), size_t(2));
    QCOMPARE(script.events()[0].kind, ScriptedPorts::Kind::AskOkCancel);
    QCOMPARE(script.events()[0].message.key, std::string("MSG_PLSNotFound"));
    QCOMPARE(script.events()[0].message.caption, std::string("Engine Missing"));
    QCOMPARE(script.events()[1].message.key, std::string("MSG_MoveToDir"));
    QVERIFY(script.events()[1].message.text.find(folder.dir().string()) != std::string::npos);
    // The model commands wait for a model, engine or not.
    QVERIFY(!window.findChild<QAction*>("BTN_Run")->isEnabled());
}

void MainWindowTest::helpOpensTheGuideThatComesWithTheProgram() {
    QTemporaryDir home;
    const UserEnvironment user{home.path().toStdString(), "", "", "", 1};
    ScriptedPorts script;
    gui::MainWindow window(scriptedUser(script), StartupFolders::forProgram(QV_START_DIR, user));
    QVERIFY(!window.startUp());
    window.findChild<QAction*>("MNU_Help1")->trigger();
    QCOMPARE(script.events().back().kind, ScriptedPorts::Kind::OpenWithDesktop);
    const fs::path guide = script.events().back().message.text;
    QCOMPARE(guide, fs::path(QV_START_DIR) / "guide" / "index.html");
    std::ifstream page(guide);
    const std::string text{std::istreambuf_iterator<char>(page), {}};
    for (const char* chapter : {"The main window", "Drawing a model", "Estimating", "Resampling",
                                "Reading the results"})
        QVERIFY2(text.find(chapter) != std::string::npos, chapter);
}

void MainWindowTest::noSecondCommandStartsWhileTheEngineRuns() {
    StartFolder folder;
    if (!folder.hasEngine()) QSKIP("The build has no engine to wait for.");
    ScriptedPorts script;
    ImpatientUser progress;
    gui::MainWindow window({script, script, progress, script}, folder.dir());
    QVERIFY(!window.startUp());
    script.chooseFile((folder.work() / "ecsi.qvt").string());
    window.findChild<QAction*>("BTN_OpenModel")->trigger();
    int eventsDuringRun = -1;
    bool closed = true;
    progress.whileRunning = [&] {
        const size_t before = script.events().size();
        window.findChild<QAction*>("BTN_NewModel")->trigger();
        window.findChild<QAction*>("BTN_Run")->trigger();
        window.findChild<QAction*>("MNU_Close")->trigger();
        closed = window.close();
        eventsDuringRun = static_cast<int>(script.events().size() - before);
    };
    window.findChild<QAction*>("BTN_Run")->trigger();
    QCOMPARE(eventsDuringRun, 0);
    QVERIFY(!closed);
    QVERIFY(window.workbench().model().modelOpen);
    QCOMPARE(window.statusPanels().message(), QString("Estimation finished."));
}

void MainWindowTest::aboutBoxFollowsOnlyAMissingEngine() {
    StartFolder folder;
    fs::remove(folder.dir() / "pls");
    ScriptedPorts script;
    gui::MainWindow window(scriptedUser(script), folder.dir());
    QVERIFY(!window.startUp());
    script.chooseFile((folder.work() / "ecsi.qvt").string());
    window.findChild<QAction*>("BTN_OpenModel")->trigger();
    auto about = onModal("TForm6", [](QWidget& box) { click(box, "BTN_OK"); });
    window.findChild<QAction*>("BTN_Run")->trigger();
    QVERIFY(*about);
    QVERIFY(script.told("MSG_PLSNotFound"));

    // Declining to fill an empty cell ends the run before the engine is looked for.
    window.workbench().rawData().setCell(2, 3, "");
    script.clear();
    script.answer(false);
    auto unexpected = onModal("TForm6", [](QWidget& box) { click(box, "BTN_OK"); });
    window.findChild<QAction*>("BTN_Run")->trigger();
    QVERIFY(!*unexpected);
    QVERIFY(!script.told("MSG_PLSNotFound"));
}

QTEST_MAIN(MainWindowTest)
#include "MainWindowTest.moc"
