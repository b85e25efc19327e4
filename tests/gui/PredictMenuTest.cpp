// Execute ▸ Predict on the ECSI example as a user meets it: the options dialog, the two
// Results pages with the figures of "_predict.csv", and the section of the web report; Cancel
// runs nothing, and an edit of the model takes the pages away with the estimate.
#include <QAction>
#include <QComboBox>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableView>
#include <QtTest>
#include <fstream>
#include <iterator>

#include "core/app/Workbench.h"
#include "gui/app/MainWindow.h"
#include "gui/diagram/DiagramView.h"
#include "gui/results/ResultsWindow.h"
#include "tests/gui/EcsiWindow.h"
#include "tests/gui/GuiTestSupport.h"

using namespace qv;
using namespace qv::test;

namespace {

std::string readText(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void typeNumber(QWidget& dialog, const char* name, int value) {
    auto* box = dialog.findChild<QSpinBox*>(name);
    QVERIFY2(box, name);
    box->setFocus();
    QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(box, QString::number(value));
}

struct Session : EcsiWindow {
    gui::ResultsWindow& results() { return window.results(); }
    int pageIndex(const std::string& key) {
        for (size_t i = 0; i < results().pages().size(); ++i)
            if (results().pages()[i].key == key) return int(i);
        return -1;
    }
    bool pageShown(const std::string& key) { return results().tabs().isTabEnabled(pageIndex(key)); }
    QString cell(const char* key, int row, int column) {
        return results().view(key)->model()->index(row, column).data().toString();
    }
};

}  // namespace

class PredictMenuTest : public QObject {
    Q_OBJECT

private slots:
    void optionsDialogRunsThePredictionIntoPagesFileAndReport();
    void cancelRunsNothingAndAnEditTakesThePagesAway();
};

void PredictMenuTest::optionsDialogRunsThePredictionIntoPagesFileAndReport() {
    Session s;
    if (!s.folder.hasEngine()) QSKIP("the engine is not built");
    QVERIFY(!s.action("MNU_Predict").isEnabled());
    QCOMPARE(s.results().tabs().tabToolTip(s.pageIndex("predict_indicators")), QString("Predict"));
    click(s.window, "BTN_Run");
    QVERIFY(s.action("MNU_Predict").isEnabled());
    QVERIFY(!s.pageShown("predict_indicators"));
    int foldsShown = 0;
    auto shown = onModal("TFormPredict", [&](QWidget& dialog) {
        foldsShown = dialog.findChild<QSpinBox*>("SE_Folds")->value();
        typeNumber(dialog, "SE_Folds", 5);
        typeNumber(dialog, "SE_Repetitions", 2);
        typeNumber(dialog, "SE_Seed", 9);
        dialog.findChild<QComboBox*>("CB_Technique")->setCurrentIndex(1);
        click(dialog, "BTN_OK");
    });
    s.action("MNU_Predict").trigger();
    QVERIFY(*shown);
    QCOMPARE(foldsShown, 10);
    // The saved model took the options at the OK, for its next opening and for the batch.
    QVERIFY(readText(s.folder.work() / "ecsi.qvt").find("[Predict]\r\nFolds=5\r\nRepetitions=2\r\nSeed=9\r\nTechnique=1\r\n") !=
            std::string::npos);
    QVERIFY(s.pageShown("predict_indicators"));
    QVERIFY(s.pageShown("predict_constructs"));
    const ResultTable& indicators = *s.results().pages()[s.pageIndex("predict_indicators")].table;
    QCOMPARE(indicators.title, std::string("PLSpredict of the indicators (earliest antecedents, 5 folds, 2 repetitions, seed 9, 250 cases)"));
    QCOMPARE(s.results().view("predict_indicators")->model()->rowCount(), 19);
    QCOMPARE(s.cell("predict_indicators", 0, 0), QString("CUEX1"));
    QCOMPARE(s.cell("predict_constructs", 0, 0), QString("EXPE"));
    // The file beside the model holds the same figures, at six decimals.
    s.action("MNU_Decimals6").trigger();
    const std::string csv = readText(s.folder.work() / "ecsi_predict.csv");
    QVERIFY(csv.starts_with(indicators.title + "\nIndicator,Construct,RMSE (PLS),MAE (PLS),Q2predict,RMSE (LM),MAE (LM)\nCUEX1,EXPE,"));
    for (int column = 2; column < 7; ++column)
        QVERIFY2(csv.find(s.cell("predict_indicators", 0, column).toStdString()) != std::string::npos,
                 qPrintable(s.cell("predict_indicators", 0, column)));
    // The web report carries the prediction as a section of its own, listed in its contents.
    click(s.window, "BTN_WebReport");
    const std::string report = readText(s.folder.work() / "ecsi_report" / "WebOutput.html");
    QVERIFY(report.find("<a href=#PLSPREDICT>") != std::string::npos);
    QVERIFY(report.find("PLSpredict of the construct scores (earliest antecedents") != std::string::npos);
    // The dialog opens again with the options last chosen.
    int foldsAgain = 0;
    auto again = onModal("TFormPredict", [&](QWidget& dialog) {
        foldsAgain = dialog.findChild<QSpinBox*>("SE_Folds")->value();
        click(dialog, "BTN_Cancel");
    });
    s.action("MNU_Predict").trigger();
    QVERIFY(*again);
    QCOMPARE(foldsAgain, 5);
}

void PredictMenuTest::cancelRunsNothingAndAnEditTakesThePagesAway() {
    Session s;
    if (!s.folder.hasEngine()) QSKIP("the engine is not built");
    click(s.window, "BTN_Run");
    auto cancelled = onModal("TFormPredict", [&](QWidget& dialog) {
        typeNumber(dialog, "SE_Folds", 3);
        click(dialog, "BTN_Cancel");
    });
    s.action("MNU_Predict").trigger();
    QVERIFY(*cancelled);
    QVERIFY(!s.pageShown("predict_indicators"));
    QVERIFY(!fs::exists(s.folder.work() / "ecsi_predict.csv"));
    QVERIFY(readText(s.folder.work() / "ecsi.qvt").find("[Predict]") == std::string::npos);
    auto accepted = onModal("TFormPredict", [&](QWidget& dialog) {
        QCOMPARE(dialog.findChild<QSpinBox*>("SE_Folds")->value(), 10);  // Cancel kept the options
        typeNumber(dialog, "SE_Repetitions", 1);
        click(dialog, "BTN_OK");
    });
    s.action("MNU_Predict").trigger();
    QVERIFY(*accepted);
    QVERIFY(s.pageShown("predict_constructs"));
    // Deleting a path changes the model: its estimate and the prediction of it go.
    const ProjectModel& model = s.window.workbench().model();
    const QTransform drawn = s.window.diagram().modelToSurface();
    const QPoint from = drawn.map(QPoint(model.constructs[0].x, model.constructs[0].y));
    const QPoint to = drawn.map(QPoint(model.constructs[1].x, model.constructs[1].y));
    QTest::mouseClick(&s.window.diagram(), Qt::LeftButton, {}, (from + to) / 2);
    QCOMPARE(s.window.diagram().selection().paths, std::vector<int>{0});
    s.window.diagram().deletePaths();
    QVERIFY(!model.estimated);
    QVERIFY(!s.pageShown("predict_constructs"));
    QVERIFY(!s.action("MNU_Predict").isEnabled());
}

QTEST_MAIN(PredictMenuTest)
#include "PredictMenuTest.moc"
