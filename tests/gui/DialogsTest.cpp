// The option dialogs driven as a user drives them: typing, clicking, reading what they show.
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QtTest>

#include "core/app/Workbench.h"
#include "core/model/IniFile.h"
#include "gui/app/ConfigurationDialog.h"
#include "gui/app/EnvironmentDialog.h"
#include "gui/app/ModelParameterDialog.h"
#include "gui/app/ResamplingOptionsDialog.h"
#include "gui/rawdata/RawDataForm.h"
#include "tests/core/rawdata/ZipParts.h"
#include "tests/gui/GuiTestSupport.h"

using namespace qv;
using namespace qv::test;

namespace {

QString text(QWidget& window, const char* name) { return window.findChild<QLineEdit*>(name)->text(); }
int position(QWidget& window, const char* name) { return window.findChild<QComboBox*>(name)->currentIndex(); }

}  // namespace

class DialogsTest : public QObject {
    Q_OBJECT

private slots:
    void modelParameterShowsTwoDecimalsAtStartAndZeroAfterReset();
    void modelParameterKeepsTypedValuesOnCancel();
    void resamplingOptionsResetAndEditInPlace();
    void resamplingOptionsAreWrittenIntoTheModelFileOnOk();
    void resamplingOptionsRefuseAnEntryThatIsNoInteger();
    void environmentResetLeavesEditorAndSound();
    void configurationChecksItsEntriesBeforeClosing();
    void configurationCompletesTheProjectExtension();
    void configurationViewModeIsReadOnly();
    void configurationOffersTheSheetsOfAWorkbook();
};

void DialogsTest::modelParameterShowsTwoDecimalsAtStartAndZeroAfterReset() {
    ModelParameters parameters;
    gui::ModelParameterDialog dialog(parameters);
    QString before, after;
    int blindfolding = -1, result = -1;
    auto shown = onModal("TForm7", [&](QWidget& window) {
        before = text(window, "Edit3");
        type(window, "Edit2", "40");
        click(window, "BTN_ResetToDefault");
        after = text(window, "Edit3");
        blindfolding = position(window, "ComboBox1");
        result = position(window, "ComboBox4");
        click(window, "BTN_OK");
    });
    QVERIFY(dialog.showCurrent());
    QVERIFY(*shown);
    QCOMPARE(before, QString("2"));
    QCOMPARE(after, QString("0"));
    QCOMPARE(blindfolding, 1);
    QCOMPARE(result, 2);
    QCOMPARE(parameters.maxIteration, std::string("100"));
    QCOMPARE(parameters.decimal, std::string("0"));
}

void DialogsTest::modelParameterKeepsTypedValuesOnCancel() {
    ModelParameters parameters;
    gui::ModelParameterDialog dialog(parameters);
    auto shown = onModal("TForm7", [&](QWidget& window) {
        type(window, "Edit2", "55");
        type(window, "Edit1", "");
        window.findChild<QComboBox*>("ComboBox5")->setCurrentIndex(2);
        window.findChild<QComboBox*>("ComboBox8")->setCurrentIndex(4);
        window.findChild<QCheckBox*>("CB_Consistent")->setChecked(true);
        click(window, "BTN_Cancel");
    });
    QVERIFY(!dialog.showCurrent());
    QVERIFY(*shown);
    QCOMPARE(parameters.maxIteration, std::string("55"));
    QCOMPARE(parameters.missingValue, std::string(""));
    QCOMPARE(parameters.innerWeighting, 2);
    QCOMPARE(parameters.blindFoldingDistance, 4);
    QVERIFY(parameters.consistent);

    // Opening again shows the kept values; the reset turns consistent PLS off.
    QString shownAgain;
    bool checkedAgain = false, checkedAfterReset = true;
    auto again = onModal("TForm7", [&](QWidget& window) {
        shownAgain = text(window, "Edit2");
        checkedAgain = window.findChild<QCheckBox*>("CB_Consistent")->isChecked();
        click(window, "BTN_ResetToDefault");
        checkedAfterReset = window.findChild<QCheckBox*>("CB_Consistent")->isChecked();
        click(window, "BTN_OK");
    });
    dialog.showCurrent();
    QVERIFY(*again);
    QCOMPARE(shownAgain, QString("55"));
    QVERIFY(checkedAgain);
    QVERIFY(!checkedAfterReset);
    QVERIFY(!parameters.consistent);
}

void DialogsTest::resamplingOptionsResetAndEditInPlace() {
    ResamplingOptions options;
    gui::ResamplingOptionsDialog dialog(options);
    auto shown = onModal("TForm4", [&](QWidget& window) {
        type(window, "Edit1", "500");
        type(window, "Edit4", "17");
        click(window, "CK_Process");
        click(window, "BTN_Cancel");
    });
    dialog.showCurrent();
    QVERIFY(*shown);
    QCOMPARE(options.nSample, std::string("500"));
    QCOMPARE(options.seed, std::string("17"));
    QVERIFY(options.process);

    QStringList afterReset;
    bool processChecked = true;
    auto reset = onModal("TForm4", [&](QWidget& window) {
        click(window, "BTN_ResetToDefault");
        for (const char* name : {"Edit1", "Edit2", "Edit3", "Edit4"}) afterReset << text(window, name);
        processChecked = window.findChild<QCheckBox*>("CK_Process")->isChecked();
        click(window, "BTN_OK");
    });
    QVERIFY(dialog.showCurrent());
    QVERIFY(*reset);
    QCOMPARE(afterReset, QStringList({"100", "0", "1", "0"}));
    QVERIFY(!processChecked);
    QVERIFY(!options.process);
}

namespace {

// A Workbench on the ECSI example, opened from its model file.
struct OpenedExample {
    StartFolder folder;
    ScriptedPorts script;
    Workbench workbench{script.ports(), folder.dir()};
    OpenedExample() {
        workbench.startUp();
        workbench.openModelByName((folder.work() / "ecsi.qvt").string());
    }
    std::string modelFile() const { return (folder.work() / "ecsi.qvt").string(); }
};

}  // namespace

void DialogsTest::resamplingOptionsAreWrittenIntoTheModelFileOnOk() {
    OpenedExample example;
    QVERIFY(example.workbench.model().modelOpen);
    gui::ResamplingOptionsDialog dialog(example.workbench.resampling());
    auto shown = onModal("TForm4", [&](QWidget& window) {
        type(window, "Edit1", "250");
        type(window, "Edit2", "120");
        type(window, "Edit3", "3");
        type(window, "Edit4", "99");
        click(window, "BTN_OK");
    });
    QVERIFY(dialog.showCurrent());
    QVERIFY(*shown);
    QVERIFY(example.workbench.resamplingOk());
    const IniFile ini(example.modelFile());
    QCOMPARE(ini.readInt("Resampling", "nSample", 0), 250);
    QCOMPARE(ini.readInt("Resampling", "Case", 0), 120);
    QCOMPARE(ini.readInt("Resampling", "JackKnife", 0), 3);
    QCOMPARE(ini.readInt("Resampling", "Seed", 0), 99);
    QCOMPARE(ini.readInt("Basic", "Construct", 0), 7);
}

void DialogsTest::resamplingOptionsRefuseAnEntryThatIsNoInteger() {
    OpenedExample example;
    gui::ResamplingOptionsDialog dialog(example.workbench.resampling());
    auto shown = onModal("TForm4", [&](QWidget& window) {
        type(window, "Edit2", "12x");
        click(window, "BTN_OK");
    });
    QVERIFY(dialog.showCurrent());
    QVERIFY(*shown);
    example.script.clear();
    QVERIFY(!example.workbench.resamplingOk());
    const auto told = example.script.messages();
    QCOMPARE(told.size(), size_t(1));
    QVERIFY2(told[0].text.find("12x") != std::string::npos, told[0].text.c_str());
}

void DialogsTest::environmentResetLeavesEditorAndSound() {
    gui::EnvironmentDialog dialog;
    EnvironmentSettings settings;
    settings.editor = "gedit";
    settings.beep = true;
    settings.bgColor = 0x112233;
    settings.charset = 9;
    settings.languages = {"English", "Deutsch"};
    settings.lang = "Deutsch";
    dialog.load(settings);
    bool editorEditable = true;
    auto shown = onModal("TForm10", [&](QWidget& window) {
        // Text views open in the program's own viewer: no editor is chosen here any more.
        editorEditable = window.findChild<QWidget*>("Edit1")->isEnabled();
        click(window, "BTN_ResetToDefault");
        click(window, "BTN_OK");
    });
    QCOMPARE(dialog.exec(), int(QDialog::Accepted));
    QVERIFY(*shown);
    QVERIFY(!editorEditable);
    // Reset gives the colours of a fresh start.
    const EnvironmentSettings fresh;
    const std::array<std::int32_t, 4> reset = {fresh.bgColor, fresh.constructColor, fresh.pathColor, fresh.textColor};
    QVERIFY(dialog.colors() == reset);
    dialog.store(settings);
    QCOMPARE(settings.bgColor, 0xF5F5EB);
    QCOMPARE(settings.pathColor, 0x808040);
    QCOMPARE(settings.editor, std::string("gedit"));
    QVERIFY(settings.beep);
    QCOMPARE(settings.lang, std::string("English"));
    QCOMPARE(settings.charset, 1);
}

namespace {

struct ConfigurationFixture {
    StartFolder folder;
    ScriptedPorts script;
    Workbench workbench{script.ports(), folder.dir()};
    gui::RawDataForm rawDataForm{workbench};
    gui::ConfigurationDialog dialog{workbench, rawDataForm};
    ConfigurationFixture() { workbench.startUp(); }
};

}  // namespace

void DialogsTest::configurationChecksItsEntriesBeforeClosing() {
    ConfigurationFixture f;
    const std::string data = (f.folder.work() / "mobi.txt").string();
    const std::string project = (f.folder.work() / "first").string();
    f.script.chooseFile(data);
    std::vector<std::string> keysAfterEmptyOk, keysAfterNoProject;
    bool stayedOpen = false;
    QString rawShown, projectShown;
    auto shown = onModal("TForm2", [&](QWidget& window) {
        click(window, "BTN_OK");
        keysAfterEmptyOk = f.script.messageKeys();
        auto rawForm = onModal("TForm3", [&](QWidget& form) { click(form, "BTN_OK"); });
        click(window, "SpeedButton1");
        rawShown = text(window, "Edit1");
        click(window, "BTN_OK");
        keysAfterNoProject = f.script.messageKeys();
        stayedOpen = window.isVisible();
        type(window, "Edit6", QString::fromStdString(project));
        click(window, "BTN_OK");
        projectShown = text(window, "Edit6");
        QVERIFY(*rawForm);
    });
    QVERIFY(f.dialog.showFor(true));
    QVERIFY(*shown);
    QCOMPARE(keysAfterEmptyOk, std::vector<std::string>{"MSG_NoRawData"});
    QCOMPARE(keysAfterNoProject, (std::vector<std::string>{"MSG_NoRawData", "MSG_NoPLSProject"}));
    QVERIFY(stayedOpen);
    QCOMPARE(rawShown, QString::fromStdString(data));
    QCOMPARE(projectShown, QString::fromStdString(project + ".qvt"));
    QCOMPARE(f.workbench.configuration().projectFile, project + ".qvt");
    QCOMPARE(f.workbench.rawData().nFields(), 24);
}

void DialogsTest::configurationCompletesTheProjectExtension() {
    ConfigurationFixture f;
    QStringList completed;
    auto shown = onModal("TForm2", [&](QWidget& window) {
        // Tab moves the focus, and so finishes the edit, only in the active window; a slow
        // (sanitized) build can be here before the dialog is.
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        for (const char* typed : {"model", "model.txt", "folder/", ""}) {
            type(window, "Edit6", typed);
            QTest::keyClick(window.findChild<QLineEdit*>("Edit6"), Qt::Key_Tab);
            completed << text(window, "Edit6");
        }
        click(window, "BTN_Cancel");
    });
    QVERIFY(!f.dialog.showFor(true));
    QVERIFY(*shown);
    QCOMPARE(completed, QStringList({"model.qvt", "model.txt", "folder/", ""}));
}

// A workbook of two tables: the dialog offers both once the file is chosen, and the data are
// read again from the sheet picked.
void DialogsTest::configurationOffersTheSheetsOfAWorkbook() {
    ConfigurationFixture f;
    const auto table = [](const char* name, const char* variables) {
        return std::string("<table:table table:name=\"") + name + "\"><table:table-row>" + variables +
               "</table:table-row><table:table-row><table:table-cell office:value-type=\"float\" "
               "office:value=\"4\"/></table:table-row></table:table>";
    };
    const std::string name = "<table:table-cell office:value-type=\"string\"><text:p>";
    const std::string content =
        "<office:document-content xmlns:office=\"urn:oasis:names:tc:opendocument:xmlns:office:1.0\" "
        "xmlns:table=\"urn:oasis:names:tc:opendocument:xmlns:table:1.0\" "
        "xmlns:text=\"urn:oasis:names:tc:opendocument:xmlns:text:1.0\"><office:body><office:spreadsheet>" +
        table("Erste Welle", (name + "a1</text:p></table:table-cell>" + name + "a2</text:p></table:table-cell>").c_str()) +
        table("Zweite Welle", (name + "b1</text:p></table:table-cell>").c_str()) +
        "</office:spreadsheet></office:body></office:document-content>";
    const std::string book = (f.folder.work() / "waves.ods").string();
    QVERIFY(writeZipParts(book, {{"content.xml", content}}));
    f.script.chooseFile(book);
    QStringList sheets;
    bool hiddenForNoFile = false;
    int fieldsOfFirst = 0;
    auto shown = onModal("TForm2", [&](QWidget& window) {
        auto* combo = window.findChild<QComboBox*>("CB_Sheet");
        hiddenForNoFile = !combo->isVisible();
        auto rawForm = onModal("TForm3", [&](QWidget& form) { click(form, "BTN_OK"); });
        click(window, "SpeedButton1");
        fieldsOfFirst = f.workbench.rawData().nFields();
        for (int i = 0; i < combo->count(); ++i) sheets << combo->itemText(i);
        combo->setCurrentIndex(1);
        type(window, "Edit6", QString::fromStdString((f.folder.work() / "waves").string()));
        click(window, "BTN_OK");
    });
    QVERIFY(f.dialog.showFor(true));
    QVERIFY(*shown);
    QVERIFY(hiddenForNoFile);
    QCOMPARE(fieldsOfFirst, 2);
    QCOMPARE(sheets, QStringList({"Erste Welle", "Zweite Welle"}));
    QCOMPARE(f.workbench.rawData().sheet, std::string("Zweite Welle"));
    QCOMPARE(f.workbench.rawData().nFields(), 1);
    QCOMPARE(f.workbench.rawData().cell(1, 0), std::string("b1"));
}

void DialogsTest::configurationViewModeIsReadOnly() {
    OpenedExample example;
    gui::RawDataForm rawDataForm(example.workbench);
    gui::ConfigurationDialog dialog(example.workbench, rawDataForm);
    bool projectReadOnly = false, browseHidden = false, cancelHidden = false;
    QString project;
    example.workbench.caseFilter().allCases = 0;
    auto shown = onModal("TForm2", [&](QWidget& window) {
        project = text(window, "Edit6");
        projectReadOnly = window.findChild<QLineEdit*>("Edit6")->isReadOnly();
        browseHidden = !window.findChild<QWidget*>("SpeedButton1")->isVisible() &&
                       !window.findChild<QWidget*>("SpeedButton2")->isVisible();
        cancelHidden = !window.findChild<QWidget*>("BTN_Cancel")->isVisible();
        type(window, "Edit2", "custom.pls");
        click(window, "BTN_OK");
    });
    QVERIFY(dialog.showFor(false));
    QVERIFY(*shown);
    QCOMPARE(project, QString::fromStdString(example.modelFile()));
    QVERIFY(projectReadOnly);
    QVERIFY(browseHidden);
    QVERIFY(cancelHidden);
    QCOMPARE(example.workbench.files().pls, std::string("custom.pls"));
    // OK reads the data again and resets the case selection.
    QCOMPARE(example.workbench.caseFilter().allCases, 1);
    QCOMPARE(example.workbench.rawData().nFields(), 24);
}

QTEST_MAIN(DialogsTest)
#include "DialogsTest.moc"
