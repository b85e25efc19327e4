// The Raw Data form and the Select Cases dialog, used as a user uses them.
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QTableView>
#include <QtTest>
#include <fstream>
#include <sstream>

#include "core/app/Workbench.h"
#include "gui/rawdata/RawDataForm.h"
#include "tests/gui/GuiTestSupport.h"

using namespace qv;
using namespace qv::test;

namespace {

struct Fixture {
    StartFolder folder;
    ScriptedPorts script;
    Workbench workbench{script.ports(), folder.dir()};
    gui::RawDataForm form{workbench};
    Fixture() {
        workbench.startUp();
        workbench.rawData().raw = (folder.work() / "mobi.txt").string();
    }
};

// Cases of the example whose value in the given column passes the test, counted from the file.
int countCases(const std::string& file, int column, const std::function<bool(int)>& keep) {
    std::ifstream in(file);
    std::string line;
    std::getline(in, line);
    int count = 0;
    while (std::getline(in, line)) {
        std::istringstream fields(line);
        int value = 0;
        for (int c = 0; c <= column; ++c) fields >> value;
        if (keep(value)) ++count;
    }
    return count;
}

void choose(QWidget& window, const char* name, const QString& item) {
    auto* list = window.findChild<QComboBox*>(name);
    list->setCurrentIndex(list->findText(item));
}

}  // namespace

class RawDataFormTest : public QObject {
    Q_OBJECT

private slots:
    void showsTheDataWithButtonsOfItsCaller();
    void openAnotherReadsTheChosenFileAndDropsABadOne();
    void cancelRawDataDropsTheFileAfterConfirmation();
    void selectCasesAddsRemovesAndShowsConditions();
    void allCasesDisablesTheConditionsAndKeepsEveryCase();
    void emptyValueAddsNoCondition();
    void variablesShowTheirSummariesAndLabels();
};

void RawDataFormTest::showsTheDataWithButtonsOfItsCaller() {
    Fixture f;
    int rows = 0, columns = 0;
    QString firstName, status, caption;
    bool selectShown = false, openShown = true;
    auto shown = onModal("TForm3", [&](QWidget& window) {
        auto* grid = window.findChild<QTableView*>("StringGrid1");
        rows = grid->model()->rowCount();
        columns = grid->model()->columnCount();
        firstName = grid->model()->headerData(0, Qt::Horizontal).toString();
        status = window.findChild<QLabel*>("StatusBar1")->text();
        caption = window.windowTitle();
        selectShown = window.findChild<QWidget*>("BtnSelectCase")->isVisible();
        openShown = window.findChild<QWidget*>("BTN_OpenAnother")->isVisible();
        click(window, "BTN_OK");
    });
    QVERIFY(f.form.showFor(gui::RawDataForm::Caller::MainWindow));
    QVERIFY(*shown);
    QCOMPARE(rows, 250);
    QCOMPARE(columns, 24);
    QCOMPARE(firstName, QString("CUEX1"));
    QCOMPARE(status, QString("Variables: 24   Cases: 250"));
    QCOMPARE(caption, QString::fromStdString(f.workbench.rawData().raw));
    QVERIFY(selectShown);
    QVERIFY(!openShown);

    bool configurationButtons = false;
    auto again = onModal("TForm3", [&](QWidget& window) {
        configurationButtons = !window.findChild<QWidget*>("BtnSelectCase")->isVisible() &&
                               window.findChild<QWidget*>("BTN_OpenAnother")->isVisible() &&
                               window.findChild<QWidget*>("BTN_CancelRawData")->isVisible();
        click(window, "BTN_OK");
    });
    QVERIFY(f.form.showFor(gui::RawDataForm::Caller::Configuration));
    QVERIFY(*again);
    QVERIFY(configurationButtons);
}

void RawDataFormTest::openAnotherReadsTheChosenFileAndDropsABadOne() {
    Fixture f;
    const std::string small = f.folder.write("small.txt", "x1 x2 x3\n1 2 3\n4 5 6\n");
    const std::string bad = f.folder.write("bad.txt", "a_name_longer_than_forty_characters_is_refused x\n1 2\n");
    f.script.chooseFile(small);
    f.script.chooseFile(bad);
    int columnsAfterSmall = 0;
    std::string rawAfterSmall, rawAfterBad;
    auto shown = onModal("TForm3", [&](QWidget& window) {
        click(window, "BTN_OpenAnother");
        columnsAfterSmall = window.findChild<QTableView*>("StringGrid1")->model()->columnCount();
        rawAfterSmall = f.workbench.rawData().raw;
        click(window, "BTN_OpenAnother");
        rawAfterBad = f.workbench.rawData().raw;
        click(window, "BTN_OK");
    });
    f.form.showFor(gui::RawDataForm::Caller::Configuration);
    QVERIFY(*shown);
    QCOMPARE(columnsAfterSmall, 3);
    QCOMPARE(rawAfterSmall, small);
    QCOMPARE(rawAfterBad, std::string());
}

void RawDataFormTest::cancelRawDataDropsTheFileAfterConfirmation() {
    Fixture f;
    f.script.answer(false);
    f.script.answer(true);
    bool openAfterNo = false;
    auto shown = onModal("TForm3", [&](QWidget& window) {
        click(window, "BTN_CancelRawData");
        openAfterNo = window.isVisible() && !f.workbench.rawData().raw.empty();
        click(window, "BTN_CancelRawData");
    });
    QVERIFY(!f.form.showFor(gui::RawDataForm::Caller::Configuration));
    QVERIFY(*shown);
    QVERIFY(openAfterNo);
    QCOMPARE(f.workbench.rawData().raw, std::string());
    QCOMPARE(f.script.events().back().message.key, std::string("MSG_Sure"));
}

void RawDataFormTest::selectCasesAddsRemovesAndShowsConditions() {
    Fixture f;
    QStringList lines;
    int linesAfterRemove = 0;
    QString shownValue, shownVariable;
    auto shown = onModal("TForm3", [&](QWidget& raw) {
        auto select = onModal("TForm17", [&](QWidget& window) {
            click(window, "RadioButton2");
            choose(window, "ComboBox1", "CUEX1");
            choose(window, "ComboBox2", "<");
            type(window, "Edit1", "3");
            click(window, "BitBtn1");
            choose(window, "ComboBox1", "CUSA1");
            choose(window, "ComboBox2", ">=");
            type(window, "Edit1", "8");
            choose(window, "ComboBox3", "Float");
            click(window, "BitBtn1");
            auto* list = window.findChild<QListWidget*>("ListBox1");
            for (int i = 0; i < list->count(); ++i) lines << list->item(i)->text();
            list->setCurrentRow(1);
            shownVariable = window.findChild<QComboBox*>("ComboBox1")->currentText();
            shownValue = window.findChild<QLineEdit*>("Edit1")->text();
            list->setCurrentRow(0);
            click(window, "BitBtn2");
            linesAfterRemove = list->count();
            click(window, "BTN_OK");
        });
        click(raw, "BtnSelectCase");
        QVERIFY(*select);
        click(raw, "BTN_OK");
    });
    f.form.showFor(gui::RawDataForm::Caller::MainWindow);
    QVERIFY(*shown);
    QCOMPARE(lines, QStringList({"CUEX1    <      3", "CUSA1    >=     8"}));
    QCOMPARE(shownVariable, QString("CUSA1"));
    QCOMPARE(shownValue, QString("8"));
    QCOMPARE(linesAfterRemove, 1);
    const auto& conditions = f.workbench.caseFilter().conditions();
    QCOMPARE(conditions.size(), size_t(1));
    QCOMPARE(conditions[0].dataType, 1);
    QCOMPARE(conditions[0].variable, 3);
    // The form read the data again through the remaining condition.
    const int expected = countCases(f.workbench.rawData().raw, 3, [](int v) { return v >= 8; });
    QVERIFY(expected > 0 && expected < 250);
    QCOMPARE(f.workbench.rawData().caseCount(), expected);
}

void RawDataFormTest::allCasesDisablesTheConditionsAndKeepsEveryCase() {
    Fixture f;
    f.workbench.caseFilter().allCases = 0;
    f.workbench.caseFilter().add(CaseCondition{0, 1, "100", 0});
    bool disabled = false;
    int listed = 0;
    auto shown = onModal("TForm3", [&](QWidget& raw) {
        auto select = onModal("TForm17", [&](QWidget& window) {
            listed = window.findChild<QListWidget*>("ListBox1")->count();
            click(window, "RadioButton1");
            disabled = !window.findChild<QWidget*>("ComboBox1")->isEnabled() &&
                       !window.findChild<QWidget*>("BitBtn1")->isEnabled() &&
                       !window.findChild<QWidget*>("ListBox1")->isEnabled();
            click(window, "BTN_Cancel");
        });
        click(raw, "BtnSelectCase");
        QVERIFY(*select);
        click(raw, "BTN_OK");
    });
    f.form.showFor(gui::RawDataForm::Caller::MainWindow);
    QVERIFY(*shown);
    QCOMPARE(listed, 1);
    QVERIFY(disabled);
    QCOMPARE(f.workbench.caseFilter().allCases, 1);
    QCOMPARE(f.workbench.rawData().caseCount(), 250);
}

void RawDataFormTest::emptyValueAddsNoCondition() {
    Fixture f;
    int listed = -1;
    auto shown = onModal("TForm3", [&](QWidget& raw) {
        auto select = onModal("TForm17", [&](QWidget& window) {
            click(window, "RadioButton2");
            choose(window, "ComboBox1", "CUEX2");
            click(window, "BitBtn1");
            listed = window.findChild<QListWidget*>("ListBox1")->count();
            click(window, "BTN_OK");
        });
        click(raw, "BtnSelectCase");
        QVERIFY(*select);
        click(raw, "BTN_OK");
    });
    f.form.showFor(gui::RawDataForm::Caller::MainWindow);
    QVERIFY(*shown);
    QCOMPARE(listed, 0);
    QCOMPARE(f.workbench.caseFilter().nCondition(), 0);
    QCOMPARE(f.workbench.rawData().caseCount(), 250);
}

// A statistics-package file: every variable listed below the data with its figures, and
// the labels the file keeps as tool tips of the names.
void RawDataFormTest::variablesShowTheirSummariesAndLabels() {
    Fixture f;
    f.workbench.rawData().raw = QV_FORMATS_DIR "/ecsi.sav";
    QStringList first, header;
    QString gridTip, listTip;
    int listed = 0;
    auto shown = onModal("TForm3", [&](QWidget& window) {
        const QAbstractItemModel* variables = window.findChild<QTableView*>("VariableGrid")->model();
        listed = variables->rowCount();
        for (int c = 0; c < variables->columnCount(); ++c) {
            first << variables->index(0, c).data().toString();
            header << variables->headerData(c, Qt::Horizontal).toString();
        }
        listTip = variables->index(0, 0).data(Qt::ToolTipRole).toString();
        gridTip = window.findChild<QTableView*>("StringGrid1")->model()->headerData(0, Qt::Horizontal, Qt::ToolTipRole).toString();
        click(window, "BTN_OK");
    });
    f.form.showFor(gui::RawDataForm::Caller::MainWindow);
    QVERIFY(*shown);
    QCOMPARE(listed, 24);
    QCOMPARE(header, QStringList({"Variable", "Type", "Missing", "Mean", "SD", "Min", "Max", "Unusable"}));
    QCOMPARE(first.mid(0, 3), QStringList({"CUEX1", "number", "0"}));
    QCOMPARE(first.mid(5), QStringList({"1.000", "10.000", ""}));
    QCOMPARE(listTip, QString("Label of CUEX1"));
    QCOMPARE(gridTip, QString("Label of CUEX1"));
}

QTEST_MAIN(RawDataFormTest)
#include "RawDataFormTest.moc"
