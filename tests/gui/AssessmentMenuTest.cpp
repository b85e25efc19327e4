// The assessment as a user reaches it in the window: the confidence level among the
// resampling options, the table commands of the report menu and the bootstrap's inference.
#include <QAction>
#include <QComboBox>
#include <QtTest>
#include <cmath>
#include <filesystem>
#include <fstream>

#include "core/app/Workbench.h"
#include "core/model/IniFile.h"
#include "gui/app/MainWindow.h"
#include "gui/app/ResamplingOptionsDialog.h"
#include "tests/gui/EcsiWindow.h"
#include "tests/gui/EcsiWorkbench.h"
#include "tests/gui/GuiTestSupport.h"

using namespace qv;
using namespace qv::test;
namespace fs = std::filesystem;

namespace {

QString shownLevel(QWidget& window) { return window.findChild<QComboBox*>("CB_Confidence")->currentText(); }

std::string firstLine(const fs::path& file) {
    std::ifstream in(file);
    std::string line;
    std::getline(in, line);
    return line;
}

struct Session : EcsiWindow {
    fs::path work(const std::string& name) const { return folder.work() / name; }
};

}  // namespace

class AssessmentMenuTest : public QObject {
    Q_OBJECT

private slots:
    void theConfidenceLevelIsChosenResetAndKeptInTheModelFile();
    void theReportMenuWritesEachAssessmentTable();
    void theBootstrapKeepsItsInferenceAtTheChosenLevel();
    void consistentPlsReachesTheDiagramAndTheBootstrap();
};

void AssessmentMenuTest::theConfidenceLevelIsChosenResetAndKeptInTheModelFile() {
    Session s;
    Workbench& workbench = s.window.workbench();
    gui::ResamplingOptionsDialog dialog(workbench.resampling());
    QString before;
    auto chosen = onModal("TForm4", [&](QWidget& window) {
        before = shownLevel(window);
        choose(window, "CB_Confidence", "99%");
        click(window, "BTN_OK");
    });
    QVERIFY(dialog.showCurrent());
    QVERIFY(*chosen);
    QCOMPARE(before, QString("95%"));
    QCOMPARE(workbench.resampling().confidence, 99);
    QVERIFY(workbench.resamplingOk());
    QCOMPARE(IniFile(s.work("ecsi.qvt")).readInt("Resampling", "Confidence", 0), 99);

    QString shown, afterReset;
    auto reset = onModal("TForm4", [&](QWidget& window) {
        shown = shownLevel(window);
        click(window, "BTN_ResetToDefault");
        afterReset = shownLevel(window);
        click(window, "BTN_Cancel");
    });
    dialog.showCurrent();
    QVERIFY(*reset);
    QCOMPARE(shown, QString("99%"));
    QCOMPARE(afterReset, QString("95%"));
    QCOMPARE(workbench.resampling().confidence, 95);
}

void AssessmentMenuTest::theReportMenuWritesEachAssessmentTable() {
    Session s;
    if (!s.folder.hasEngine()) QSKIP("the engine is not built");
    QVERIFY(!s.action("MNU_HTMT").isEnabled());
    click(s.window, "BTN_Run");
    const std::pair<const char*, const char*> commands[] = {
        {"MNU_HTMT", "ecsi_htmt.csv"},          {"MNU_VIF", "ecsi_vif.csv"},
        {"MNU_F2", "ecsi_f2.csv"},              {"MNU_Reliability", "ecsi_reliability.csv"},
        {"MNU_Effects", "ecsi_effects.csv"},    {"MNU_Fit", "ecsi_fit.csv"}};
    for (const auto& [name, file] : commands) {
        QVERIFY2(s.action(name).isEnabled(), name);
        s.action(name).trigger();
        QVERIFY2(fs::exists(s.work(file)), file);
    }
    QCOMPARE(firstLine(s.work("ecsi_reliability.csv")), std::string("Reliability"));
    QVERIFY(!s.action("MNU_Inference").isEnabled());
    QVERIFY(!fs::exists(s.work("ecsi_inference.csv")));
}

void AssessmentMenuTest::theBootstrapKeepsItsInferenceAtTheChosenLevel() {
    Session s;
    if (!s.folder.hasEngine()) QSKIP("the engine is not built");
    Workbench& workbench = s.window.workbench();
    workbench.resampling().nSample = "30";
    workbench.resampling().seed = "8";
    workbench.resampling().confidence = 90;
    click(s.window, "BTN_BootStrap");
    QVERIFY(s.action("MNU_Inference").isEnabled());
    const fs::path inference = s.work("ecsi_inference.csv");
    QCOMPARE(firstLine(inference), std::string("Bootstrap inference: 30 subsamples, 0 rejected, seed 8, confidence 90%"));
    fs::remove(inference);
    s.script.clear();
    s.action("MNU_Inference").trigger();
    QCOMPARE(firstLine(inference), std::string("Bootstrap inference: 30 subsamples, 0 rejected, seed 8, confidence 90%"));
    QVERIFY(s.script.messages().empty());
}

namespace {

bool toldAbout(const ScriptedPorts& script, const std::string& words) {
    for (const Message& message : script.messages())
        if (message.text.find(words) != std::string::npos) return true;
    return false;
}

}  // namespace

void AssessmentMenuTest::consistentPlsReachesTheDiagramAndTheBootstrap() {
    Session s;
    if (!s.folder.hasEngine()) QSKIP("the engine is not built");
    Workbench& workbench = s.window.workbench();
    click(s.window, "BTN_Run");
    const ProjectModel composites = workbench.model();

    workbench.parameters().consistent = true;
    click(s.window, "BTN_Run");
    QVERIFY(workbench.model().estimated);
    // ECSI's expectation block is too unreliable for a proper solution: told, figures kept.
    QVERIFY(toldAbout(s.script, "The consistent estimate is inadmissible"));
    QVERIFY(std::abs(workbench.model().paths[0].coefficient - composites.paths[0].coefficient) > 1e-3);
    QCOMPARE(workbench.model().indicators[0].weight, composites.indicators[0].weight);

    workbench.resampling().nSample = "20";
    workbench.resampling().seed = "3";
    click(s.window, "BTN_BootStrap");
    QVERIFY(s.action("MNU_Inference").isEnabled());
    const float consistentPath = workbench.model().paths[0].coefficient;
    QVERIFY(std::abs(consistentPath - composites.paths[0].coefficient) > 1e-3);
    QVERIFY(workbench.model().paths[0].coefficientT != 0);

    s.script.clear();
    click(s.window, "BTN_JackKnife");
    QVERIFY(toldAbout(s.script, "run the bootstrap"));
    QCOMPARE(workbench.model().paths[0].coefficient, consistentPath);
}

QTEST_MAIN(AssessmentMenuTest)
#include "AssessmentMenuTest.moc"
