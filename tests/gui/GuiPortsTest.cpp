// The window side of the ports: file filters, the text viewer, the progress window, message
// boxes, colours and the translation of a form by its control names.
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QToolButton>
#include <QtTest>

#include "core/app/LanguageTexts.h"
#include "core/rawdata/RawDataReader.h"
#include "gui/app/ColorValue.h"
#include "gui/app/DesktopLauncher.h"
#include "gui/app/DialogFileChooser.h"
#include "gui/app/LanguageApplier.h"
#include "gui/app/MessageBoxPrompts.h"
#include "gui/app/ProgressWindow.h"
#include "gui/app/SplashWindow.h"
#include "gui/results/TextViewer.h"
#include "tests/gui/GuiTestSupport.h"

using namespace qv;
using namespace qv::test;

class GuiPortsTest : public QObject {
    Q_OBJECT

private slots:
    void fileFiltersBecomeDialogFilters();
    void textFilesOpenInTheProgramsOwnViewer();
    void progressWindowStaysModalAndNoticesCancel();
    void messageBoxesAnswerWithTheirButtons();
    void colourValuesKeepRedInTheLowestByte();
    void formsAreTranslatedByControlName();
    void splashShowsTheStartUpStep();
};

void GuiPortsTest::fileFiltersBecomeDialogFilters() {
    QCOMPARE(gui::qtFileFilter(kDataFileFilter),
             QString("All data files (*.dat *.txt *.raw *.csv *.tsv *.xlsx *.ods *.sav *.zsav *.dta "
                     "*.sas7bdat);;Text (blank, tab, comma or semicolon separated) (*.dat *.txt *.raw "
                     "*.csv *.tsv);;Office Open XML workbook (*.xlsx);;OpenDocument spreadsheet "
                     "(*.ods);;SPSS data (*.sav *.zsav);;Stata data (*.dta);;SAS data (*.sas7bdat);;"
                     "All File (*.*)"));
    QCOMPARE(gui::qtFileFilter("Quorvanta control file|*.qvt;*.cps"),
             QString("Quorvanta control file (*.qvt *.cps)"));
    QCOMPARE(gui::qtFileFilter(""), QString());
}

// The control file, listings and summaries open in the program's own viewer: read-only, monospaced, found with Ctrl+F and saved as they were read.
void GuiPortsTest::textFilesOpenInTheProgramsOwnViewer() {
    QTemporaryDir folder;
    const std::string listing = (folder.path() + "/ecsi.out").toStdString();
    QFile file(QString::fromStdString(listing));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("ALLSample \r\nPath coefficients\r\n  IMAG  0.504914\r\nOuter Model\r\n  IMAG  0.700000\r\n");
    file.close();
    ScriptedPorts script;
    gui::DesktopLauncher launcher(script);
    launcher.showText(listing);
    gui::TextViewer* viewer = nullptr;
    for (QWidget* window : QApplication::topLevelWidgets())
        if (auto* found = dynamic_cast<gui::TextViewer*>(window)) viewer = found;
    QVERIFY(viewer);
    QVERIFY(viewer->isVisible());
    QVERIFY(viewer->text().isReadOnly());
    QVERIFY(QFontInfo(viewer->text().font()).fixedPitch());
    QCOMPARE(viewer->text().toPlainText(), QString("ALLSample \nPath coefficients\n  IMAG  0.504914\nOuter Model\n  IMAG  0.700000\n"));
    QTest::keyClick(viewer, Qt::Key_F, Qt::ControlModifier);
    QVERIFY(viewer->findField().hasFocus() || !viewer->isActiveWindow());
    viewer->findField().setText("IMAG");
    QVERIFY(viewer->findNext());
    const int first = viewer->text().textCursor().position();
    QVERIFY(viewer->findNext());
    QVERIFY(viewer->text().textCursor().position() > first);
    QVERIFY(viewer->findNext());
    QCOMPARE(viewer->text().textCursor().position(), first);
    viewer->findField().setText("absent");
    QVERIFY(!viewer->findNext());

    const std::string copy = (folder.path() + "/copy.out").toStdString();
    script.chooseFile(copy);
    QVERIFY(viewer->saveAs());
    QFile saved(QString::fromStdString(copy));
    QVERIFY(saved.open(QIODevice::ReadOnly));
    QCOMPARE(saved.readAll(), QByteArray("ALLSample \r\nPath coefficients\r\n  IMAG  0.504914\r\nOuter Model\r\n  IMAG  0.700000\r\n"));
    viewer->close();
}

void GuiPortsTest::progressWindowStaysModalAndNoticesCancel() {
    gui::ProgressWindow progress;
    progress.start("Executing PLS Algorithm", 100);
    QVERIFY(progress.isVisible());
    QCOMPARE(progress.windowModality(), Qt::ApplicationModal);
    QVERIFY(!progress.findChild<QWidget*>("BTN_Finish")->isVisible());
    progress.setPosition(40);
    QCOMPARE(progress.findChild<QProgressBar*>("ProgressBar1")->value(), 40);
    QVERIFY(!progress.cancelRequested());
    click(progress, "BTN_Cancel");
    QVERIFY(progress.cancelRequested());
    progress.finish();
    QVERIFY(!progress.isVisible());
    // The next run starts without the old Cancel.
    progress.start("Executing PLS Algorithm", 10);
    QVERIFY(!progress.cancelRequested());
    QCOMPARE(progress.findChild<QProgressBar*>("ProgressBar1")->maximum(), 10);
    progress.finish();
}

void GuiPortsTest::messageBoxesAnswerWithTheirButtons() {
    gui::MessageBoxPrompts prompts;
    QString title, text;
    auto asked = onModal("MessageBox", [&](QWidget& box) {
        title = box.windowTitle();
        text = static_cast<QMessageBox&>(box).text();
        static_cast<QMessageBox&>(box).button(QMessageBox::Cancel)->click();
    });
    QVERIFY(!prompts.askOkCancel(Message{"MSG_Sure", "Are you sure?", "Cancel Raw Data"}));
    QVERIFY(*asked);
    QCOMPARE(title, QString("Cancel Raw Data"));
    QCOMPARE(text, QString("Are you sure?"));

    auto yes = onModal("MessageBox", [](QWidget& box) {
        static_cast<QMessageBox&>(box).button(QMessageBox::Yes)->click();
    });
    QVERIFY(prompts.askYesNo(Message{"", "Cannot Find Data File x\nDo you want to locate the file?", ""}));
    QVERIFY(*yes);

    // The save question has three buttons; Cancel keeps the model.
    for (const auto& [button, expected] : {std::pair{QMessageBox::Save, SaveAnswer::Save},
                                           {QMessageBox::Discard, SaveAnswer::Discard},
                                           {QMessageBox::Cancel, SaveAnswer::Cancel}}) {
        auto saved = onModal("MessageBox", [pressed = button](QWidget& box) {
            static_cast<QMessageBox&>(box).button(pressed)->click();
        });
        QCOMPARE(prompts.askSaveDiscardCancel(Message{"MSG_ConfirmSave", "Save it now?", "Save"}), expected);
        QVERIFY(*saved);
    }

    QApplication::setApplicationDisplayName("Quorvanta");
    QString untitled;
    auto told = onModal("MessageBox", [&](QWidget& box) {
        untitled = box.windowTitle();
        static_cast<QMessageBox&>(box).button(QMessageBox::Ok)->click();
    });
    prompts.tell(Message{"", "no Row in Data Set", ""});
    QVERIFY(*told);
    QVERIFY(untitled.startsWith("Quorvanta"));
}

void GuiPortsTest::colourValuesKeepRedInTheLowestByte() {
    QCOMPARE(gui::colorFromValue(0x0000FF), QColor(255, 0, 0));
    QCOMPARE(gui::colorFromValue(0x808040), QColor(0x40, 0x80, 0x80));
    QCOMPARE(gui::valueFromColor(QColor(0xEB, 0xF5, 0xF5)), 0xF5F5EB);
    QCOMPARE(gui::colorFromValue(static_cast<std::int32_t>(0x8000000Fu)),
             QApplication::palette().color(QPalette::Button));
}

void GuiPortsTest::formsAreTranslatedByControlName() {
    QDialog form;
    form.setObjectName("TForm2");
    auto* label = new QLabel("Raw Data File :", &form);
    label->setObjectName("LB_Unknown");
    auto* missing = new QLabel("PLS Project:", &form);
    missing->setObjectName("LB_Missing");
    auto* ok = new QPushButton("OK", &form);
    ok->setObjectName("BTN_OK");
    auto* browse = new QToolButton(&form);
    browse->setObjectName("SpeedButton1");
    auto* group = new QGroupBox("Project", &form);
    group->setObjectName("GB_Project");
    auto* edit = new QLineEdit("as typed", &form);
    edit->setObjectName("Edit1");
    LanguageTexts texts;
    texts.set("LB_Unknown", "Rohdaten:");
    texts.set("BTN_OK", "Gut");
    texts.set("SpeedButton1", "Suchen");
    texts.set("GB_Project", "Projekt");
    texts.set("Edit1", "never shown");
    texts.set("FontName", "DejaVu Serif");
    gui::translateForm(form, texts);
    QCOMPARE(form.windowTitle(), QString("Quorvanta"));  // no Form2 key
    QCOMPARE(label->text(), QString("Rohdaten:"));
    QCOMPARE(missing->text(), QString("PLS Project:"));
    QCOMPARE(ok->text(), QString("Gut"));
    QCOMPARE(browse->toolTip(), QString("Suchen"));
    QCOMPARE(group->title(), QString("Projekt"));
    QCOMPARE(edit->text(), QString("as typed"));
    QCOMPARE(form.font().family(), QString("DejaVu Serif"));
    texts.set("Form2", "Konfiguration");
    gui::translateForm(form, texts);
    QCOMPARE(form.windowTitle(), QString("Konfiguration"));
}

void GuiPortsTest::splashShowsTheStartUpStep() {
    gui::SplashWindow splash;
    QCOMPARE(splash.findChild<QLabel*>("Label1")->text(), QString("Initialize:"));
    splash.showStep("Initialize: Main Program");
    QCOMPARE(splash.findChild<QLabel*>("Label1")->text(), QString("Initialize: Main Program"));
}

QTEST_MAIN(GuiPortsTest)
#include "GuiPortsTest.moc"
