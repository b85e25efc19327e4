// The two-group comparison as a user runs it on the ECSI example: conditions typed into both
// tables of the MultiGroup Comparison dialog, the sample-size question, the real engine for
// both groups, then the results window's three views and its HTML report.
#include <QAction>
#include <QComboBox>
#include <QListWidget>
#include <QScreen>
#include <QTableView>
#include <QToolButton>
#include <QtTest>
#include <fstream>
#include <iterator>
#include <sstream>

#include "core/app/Workbench.h"
#include "gui/app/MainWindow.h"
#include "gui/app/StatusPanels.h"
#include "gui/diagram/DiagramLayout.h"
#include "gui/diagram/DiagramView.h"
#include "gui/results/ResultsWindow.h"
#include "tests/gui/GuiTestSupport.h"

using namespace qv;
using namespace qv::test;

namespace {

std::string readBytes(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// How many cases of the data file have a CUSCO above 5 and how many not, counted apart from
// the program's reader.
std::pair<int, int> cuscoSplit(const fs::path& data) {
    std::ifstream in(data);
    std::string line, name;
    std::getline(in, line);
    std::istringstream header(line);
    int column = 0;
    while (header >> name && name != "CUSCO") ++column;
    int above = 0, rest = 0;
    while (std::getline(in, line)) {
        std::istringstream fields(line);
        double value = 0;
        for (int c = 0; c <= column; ++c) fields >> value;
        if (!fields) continue;
        (value > 5 ? above : rest) += 1;
    }
    return {above, rest};
}

void choose(QWidget& dialog, const char* combo, const QString& item) {
    auto* box = dialog.findChild<QComboBox*>(combo);
    QVERIFY2(box && box->findText(item) >= 0, combo);
    box->setCurrentIndex(box->findText(item));
}

QStringList lines(QWidget& dialog, const char* list) {
    QStringList texts;
    auto* box = dialog.findChild<QListWidget*>(list);
    for (int i = 0; i < box->count(); ++i) texts << box->item(i)->text();
    return texts;
}

struct Session {
    StartFolder folder;
    ScriptedPorts script;
    gui::MainWindow window{scriptedUser(script), folder.dir()};

    Session() {
        QVERIFY(!window.startUp());
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        script.chooseFile((folder.work() / "ecsi.qvt").string());
        window.findChild<QAction*>("BTN_OpenModel")->trigger();
        script.clear();
    }
    ProjectModel& model() { return window.workbench().model(); }
    QWidget& results() { return *window.findChild<QWidget*>("TForm19"); }
    QAbstractButton& resultsButton(const char* name) { return *results().findChild<QAbstractButton*>(name); }
    QImage diagramIn(const char* view) {
        click(results(), view);
        return window.diagram().grab().toImage();
    }
    // Opens the dialog and plays the user's part in it.
    void inDialog(std::function<void(QWidget&)> action) {
        auto acted = onModal("TForm18", std::move(action));
        click(window, "BTN_MultiGroup");
        QVERIFY(*acted);
    }
    std::vector<std::string> questions() const {
        std::vector<std::string> asked;
        for (const auto& event : script.events())
            if (event.kind == ScriptedPorts::Kind::AskOkCancel) asked.push_back(event.message.caption + "|" + event.message.text);
        return asked;
    }
};

}  // namespace

class GroupComparisonDialogTest : public QObject {
    Q_OBJECT
private slots:
    void conditionsAreEditedAndKeptAndADeclinedComparisonLeavesTheDialogOpen();
    void significanceTestOfTheExampleShowsBothGroupsAndWritesItsReport();
};

void GroupComparisonDialogTest::conditionsAreEditedAndKeptAndADeclinedComparisonLeavesTheDialogOpen() {
    Session s;
    const auto [n1, n2] = cuscoSplit(s.folder.work() / "mobi.txt");
    bool stayedOpen = false;
    s.inDialog([&](QWidget& dialog) {
        QCOMPARE(dialog.windowTitle(), QString("MultiGroup Comparison"));
        QCOMPARE(dialog.findChild<QComboBox*>("ComboBox4")->count(), 24);
        QCOMPARE(dialog.findChild<QComboBox*>("ComboBox4")->currentText(), QString("CUEX1"));
        choose(dialog, "ComboBox1", "CUSCO");
        choose(dialog, "ComboBox2", ">");
        type(dialog, "Edit1", "5");
        click(dialog, "BitBtn1");
        // No value, no condition.
        choose(dialog, "ComboBox4", "CUSCO");
        choose(dialog, "ComboBox5", "<=");
        click(dialog, "BitBtn3");
        QVERIFY(lines(dialog, "ListBox2").isEmpty());
        type(dialog, "Edit2", "5");
        click(dialog, "BitBtn3");
        type(dialog, "Edit2", "9");
        click(dialog, "BitBtn3");
        // A condition chosen in the list is shown in the fields and can be removed.
        dialog.findChild<QListWidget*>("ListBox2")->setCurrentRow(1);
        QCOMPARE(dialog.findChild<QLineEdit*>("Edit2")->text(), QString("9"));
        click(dialog, "BitBtn4");
        QCOMPARE(lines(dialog, "ListBox1"), QStringList{"CUSCO    >      5"});
        QCOMPARE(lines(dialog, "ListBox2"), QStringList{"CUSCO    <=     5"});
        s.script.answer(false);
        click(dialog, "BTN_PathEstimate");
        stayedOpen = dialog.isVisible();
        click(dialog, "BTN_Cancel");
    });
    QVERIFY(stayedOpen);
    char question[120];
    std::snprintf(question, sizeof question, "Estimate Path Coefficient?|Sample Size:\n\tGroup1: %d\n\tGroup2: %d\n Continue?", n1, n2);
    QCOMPARE(s.questions(), std::vector<std::string>{question});
    QVERIFY(!s.model().estimated);
    QCOMPARE(s.window.workbench().rawData().caseCount(), n1 + n2);
    QVERIFY(s.results().isVisible());

    // The tables keep their conditions for the next opening; a ninth one is refused.
    s.inDialog([&](QWidget& dialog) {
        QCOMPARE(lines(dialog, "ListBox1"), QStringList{"CUSCO    >      5"});
        QVERIFY(dialog.findChild<QLineEdit*>("Edit1")->text().isEmpty());
        for (int value = 1; value <= 8; ++value) {
            type(dialog, "Edit1", QString::number(value));
            click(dialog, "BitBtn1");
        }
        QCOMPARE(lines(dialog, "ListBox1").size(), 8);
        QVERIFY(s.script.told("MSG_ExceedMAXCondition"));
        click(dialog, "BTN_Cancel");
    });
}

// The Results window's group page shows the report's figures row by row: the path's two
// constructs, then each figure as the report writes it (three decimals, df whole).
static void compareWithReport(const QAbstractItemModel& page, const std::string& html) {
    const std::string rowStart = "<tr align=right><td align=center>";
    int row = 0;
    for (size_t at = html.find(rowStart); at != std::string::npos; at = html.find(rowStart, at), ++row) {
        at += rowStart.size();
        std::vector<std::string> fields;
        for (size_t field = at;;) {
            const size_t end = html.find('<', field);
            fields.push_back(html.substr(field, end - field));
            if (html.compare(end, 4, "<td>") != 0) break;
            field = end + 4;
        }
        QCOMPARE(fields.size(), size_t(10));
        const QString path = page.index(row, 0).data().toString() + " -> " + page.index(row, 1).data().toString();
        QCOMPARE(path.toStdString(), fields[0]);
        for (int figure = 1; figure < 10; ++figure)
            QCOMPARE(page.index(row, figure + 1).data().toString().toStdString(), fields[size_t(figure)]);
    }
    QVERIFY(row > 0);
    QCOMPARE(row, page.rowCount());
}

void GroupComparisonDialogTest::significanceTestOfTheExampleShowsBothGroupsAndWritesItsReport() {
    Session s;
    if (!s.folder.hasEngine()) QSKIP("The build has no engine to estimate the groups.");
    const auto [n1, n2] = cuscoSplit(s.folder.work() / "mobi.txt");
    auto options = onModal("TForm4", [](QWidget& dialog) {
        type(dialog, "Edit1", "30");
        click(dialog, "BTN_OK");
    });
    s.window.findChild<QAction*>("MNU_ResamplingOption")->trigger();
    QVERIFY(*options);

    s.inDialog([&](QWidget& dialog) {
        choose(dialog, "ComboBox1", "CUSCO");
        choose(dialog, "ComboBox2", ">");
        type(dialog, "Edit1", "5");
        click(dialog, "BitBtn1");
        choose(dialog, "ComboBox4", "CUSCO");
        choose(dialog, "ComboBox5", "<=");
        type(dialog, "Edit2", "5");
        click(dialog, "BitBtn3");
        s.script.answer(true);
        click(dialog, "BTN_OK");
    });
    QCOMPARE(s.questions().size(), size_t(1));
    QCOMPARE(s.model().groupDf, n1 + n2 - 2);
    // The grid holds the selection's cases again, and the status line says so.
    QCOMPARE(s.window.workbench().rawData().caseCount(), n1 + n2);
    QVERIFY(s.window.statusPanels().message().endsWith(
        QString("The grid holds the cases of the selection again: %1").arg(n1 + n2)));
    for (const char* kept : {"ecsi.qvt_gp1.pls", "ecsi.qvt_gp2.out", "ecsi.qvt_summary_gp1.out", "ecsi.qvt_cfa_gp2.csv"})
        QVERIFY2(fs::exists(s.folder.work() / kept), kept);
    QVERIFY(s.model().groupPaths[0].coefficientSE > 0);
    QVERIFY(s.model().paths[0].coefficient != s.model().groupPaths[0].coefficient);
    // The group estimates leave no report of one estimate to write.
    for (const char* report : {"BTN_WebReport", "BTN_ExcelReport"})
        QVERIFY2(!s.window.findChild<QAction*>(report)->isEnabled(), report);

    QVERIFY(s.results().isVisible());
    // Beside the main window as far as the screen lets it: never off the screen.
    QVERIFY(s.results().screen()->availableGeometry().contains(s.results().frameGeometry()));
    QCOMPARE(s.resultsButton("ToolButton3").text(), QString("Group Comparison   "));
    const QImage second = s.diagramIn("ToolButton2");
    QCOMPARE(s.model().groupDisplayMode, 1);
    const QImage both = s.diagramIn("ToolButton3");
    QCOMPARE(s.model().groupDisplayMode, 2);
    const QImage first = s.diagramIn("ToolButton1");
    QCOMPARE(s.model().groupDisplayMode, 0);
    QVERIFY(first != second && first != both && second != both);

    QVERIFY(s.resultsButton("ToolButton4").isEnabled());
    s.script.clear();
    click(s.results(), "ToolButton4");
    QCOMPARE(s.model().groupDisplayMode, 2);
    const fs::path page = s.folder.work() / "ecsi_groups" / "WebOutput.html";
    QCOMPARE(s.script.events().back().kind, ScriptedPorts::Kind::OpenWithDesktop);
    QCOMPARE(s.script.events().back().message.text, page.string());
    const std::string html = readBytes(page);
    QVERIFY(html.find("Results of MultiGroup t test") != std::string::npos);
    QVERIFY(html.find("<td>" + std::to_string(n1 + n2 - 2) + "<td>") != std::string::npos);
    // The picture holds the whole drawing with both groups' figures, however far they reach,
    // at twice its size, and the page shows it at the drawing's.
    const QImage picture(QString::fromStdString((page.parent_path() / "Model.bmp").string()));
    const QRectF drawn = gui::DiagramLayout(s.model(), s.model().radius).boundingBox();
    QVERIFY(picture.width() >= 2 * drawn.width() && picture.height() >= 2 * drawn.height());
    const std::string tag = "<center><img src=Model.bmp width=" + std::to_string((picture.width() + 1) / 2) +
                            " height=" + std::to_string((picture.height() + 1) / 2) + ">";
    QVERIFY2(html.find(tag) != std::string::npos, tag.c_str());
    compareWithReport(*s.window.results().view("groups")->model(), html);

    // A path estimate has no report; a new estimate from the main window hides the window.
    s.inDialog([&](QWidget& dialog) {
        s.script.answer(true);
        click(dialog, "BTN_PathEstimate");
    });
    QVERIFY(!s.resultsButton("ToolButton4").isEnabled());
    QCOMPARE(s.model().groupPaths[0].groupStatistic, 0.0f);
    QVERIFY(s.results().isVisible());
    click(s.window, "BTN_Run");
    QVERIFY(!s.results().isVisible());
    for (const char* report : {"BTN_WebReport", "BTN_ExcelReport"})
        QVERIFY2(s.window.findChild<QAction*>(report)->isEnabled(), report);
}

QTEST_MAIN(GroupComparisonDialogTest)
#include "GroupComparisonDialogTest.moc"
