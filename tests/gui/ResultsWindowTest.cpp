// The Results window as a user meets it on the ECSI example: pages waiting for their command,
// then after an estimate and a seeded bootstrap the figures of the CSV files cell by cell,
// sorting, decimals, threshold colours, copying, and the workbook exports.
#include <QAction>
#include <QClipboard>
#include <QLabel>
#include <QMimeData>
#include <QSortFilterProxyModel>
#include <QTabWidget>
#include <QTableView>
#include <QtTest>
#include <cmath>
#include <fstream>
#include <sstream>

#include "core/app/Workbench.h"
#include "gui/app/MainWindow.h"
#include "gui/app/StatusPanels.h"
#include "gui/results/ResultTableModel.h"
#include "gui/results/ResultsWindow.h"
#include "tests/gui/EcsiWindow.h"
#include "tests/gui/GuiTestSupport.h"
#include "tests/support/WorkbookCells.h"

using namespace qv;
using namespace qv::test;
namespace fs = std::filesystem;

namespace {

using Lines = std::vector<std::vector<std::string>>;

Lines csvLines(const fs::path& file, std::vector<std::string>* whole = nullptr) {
    Lines lines;
    std::ifstream in(file);
    for (std::string line; std::getline(in, line);) {
        if (whole) whole->push_back(line);
        std::vector<std::string> fields;
        std::istringstream split(line);
        for (std::string field; std::getline(split, field, ',');) fields.push_back(field);
        lines.push_back(std::move(fields));
    }
    return lines;
}

// A shown figure agrees with a file's when it rounds to the file's text; texts are equal.
bool sameFigure(const QString& shown, const std::string& written) {
    bool a = false, b = false;
    const double mine = shown.toDouble(&a), theirs = QString::fromStdString(written).toDouble(&b);
    if (!a || !b) return shown.toStdString() == written;
    const size_t point = written.find('.');
    const int decimals = point == std::string::npos ? 0 : int(written.size() - point - 1);
    return std::fabs(mine - theirs) <= 0.5 * std::pow(10.0, -decimals) + 1e-12;
}

struct Session : EcsiWindow {
    gui::ResultsWindow& results() { return window.results(); }
    fs::path work(const std::string& name) const { return folder.work() / name; }
    QAbstractItemModel& shown(const char* key) {
        QTableView* view = results().view(key);
        if (!view) qFatal("no table on page %s", key);
        return *view->model();
    }
    QString cell(const char* key, int row, int column) { return shown(key).index(row, column).data().toString(); }

    // The page's header and rows against the table under its title line in the CSV file.
    void compareWithFile(const char* key, const std::string& file) {
        const QString title = QString::fromStdString(results().pages()[pageIndex(key)].table->title);
        std::vector<std::string> whole;
        const Lines lines = csvLines(work(file), &whole);
        size_t at = 0;
        while (at < lines.size() && QString::fromStdString(whole[at]) != title) ++at;
        QVERIFY2(at < lines.size(), key);
        QAbstractItemModel& model = shown(key);
        for (int column = 0; column < model.columnCount(); ++column)
            QCOMPARE(model.headerData(column, Qt::Horizontal).toString().toStdString(), lines[at + 1][column]);
        int row = 0;
        for (size_t line = at + 2; line < lines.size() && !lines[line].empty(); ++line, ++row)
            for (size_t column = 0; column < lines[line].size(); ++column)
                QVERIFY2(sameFigure(cell(key, row, int(column)), lines[line][column]),
                         qPrintable(QString("%1 %2,%3: %4 / %5").arg(key).arg(row).arg(column)
                                        .arg(cell(key, row, int(column)), QString::fromStdString(lines[line][column]))));
        QCOMPARE(row, model.rowCount());
    }
    int pageIndex(const std::string& key) {
        for (size_t i = 0; i < results().pages().size(); ++i)
            if (results().pages()[i].key == key) return int(i);
        return -1;
    }
    void estimateAndBootstrap() {
        click(window, "BTN_Run");
        window.workbench().resampling().nSample = "30";
        window.workbench().resampling().seed = "8";
        click(window, "BTN_BootStrap");
    }
};

}  // namespace

class ResultsWindowTest : public QObject {
    Q_OBJECT

private slots:
    void pagesWaitForTheCommandThatMakesThem();
    void pagesShowTheFiguresOfTheCsvFiles();
    void tablesSortColourAndTakeTheChosenDecimals();
    void copyGivesTabSeparatedTextAndHtml();
    void exportsWriteOneSheetPerPageWithNumbersAsNumbers();
};

void ResultsWindowTest::pagesWaitForTheCommandThatMakesThem() {
    Session s;
    QTabWidget& tabs = s.results().tabs();
    QCOMPARE(tabs.count(), int(ResultPageCatalogue().size()) + 1);
    for (int i = 0; i + 1 < tabs.count(); ++i) QVERIFY(!tabs.isTabEnabled(i));
    QVERIFY(tabs.isTabEnabled(tabs.count() - 1));
    QCOMPARE(tabs.tabToolTip(s.pageIndex("paths")), QString("Run PLS Algorithm"));
    QCOMPARE(tabs.tabToolTip(s.pageIndex("inference")), QString("Run BootStrap"));
    QVERIFY(!s.action("MNU_ExportResults").isEnabled());
    auto* legend = s.results().findChild<QLabel*>("ThresholdLegend");
    QVERIFY(legend->text().contains("HTMT above 0.90"));
    QVERIFY(legend->text().contains("Journal of the Academy of Marketing Science"));
    if (!s.folder.hasEngine()) QSKIP("the engine is not built");
    click(s.window, "BTN_Run");
    QVERIFY(tabs.isTabEnabled(s.pageIndex("paths")));
    QVERIFY(!tabs.isTabEnabled(s.pageIndex("inference")));
    QVERIFY(!tabs.isTabEnabled(s.pageIndex("jackknife")));
    QVERIFY(s.action("MNU_ExportResults").isEnabled());
    // Closing the model empties the pages again.
    s.script.answerSave(SaveAnswer::Discard);
    s.action("MNU_Close").trigger();
    QVERIFY(!s.window.workbench().model().modelOpen);
    QVERIFY(!tabs.isTabEnabled(s.pageIndex("paths")));
}

void ResultsWindowTest::pagesShowTheFiguresOfTheCsvFiles() {
    Session s;
    if (!s.folder.hasEngine()) QSKIP("the engine is not built");
    s.estimateAndBootstrap();
    for (const char* command : {"MNU_FactorLoading", "MNU_HTMT", "MNU_VIF", "MNU_F2", "MNU_Reliability", "MNU_Effects", "MNU_Fit"})
        s.action(command).trigger();
    s.action("MNU_Decimals6").trigger();
    const std::pair<const char*, const char*> pages[] = {
        {"htmt", "ecsi_htmt.csv"}, {"htmt2", "ecsi_htmt.csv"}, {"fornell_larcker", "ecsi_htmt.csv"},
        {"outer_vif", "ecsi_vif.csv"}, {"inner_vif", "ecsi_vif.csv"}, {"f2", "ecsi_f2.csv"},
        {"reliability", "ecsi_reliability.csv"}, {"effects", "ecsi_effects.csv"}, {"srmr", "ecsi_fit.csv"},
        {"inference", "ecsi_inference.csv"}};
    for (const auto& [key, file] : pages) s.compareWithFile(key, file);
    // The loadings file names each construct once, on a line of its own.
    const Lines cfa = csvLines(s.work("ecsi_cfa.csv"));
    int row = 0;
    std::string construct;
    for (size_t line = 1; line < cfa.size(); ++line) {
        if (cfa[line].size() == 1) construct = cfa[line][0];
        if (cfa[line].size() != 7) continue;
        QCOMPARE(s.cell("outer_model", row, 0).toStdString(), construct);
        for (int column = 1; column < 7; ++column) QCOMPARE(s.cell("outer_model", row, column).toStdString(), cfa[line][column]);
        ++row;
    }
    QCOMPARE(row, 24);
    // The path coefficients are the estimate's.
    const ProjectModel& model = s.window.workbench().model();
    for (int p = 0; p < model.nPath; ++p) QCOMPARE(s.cell("paths", p, 2), QString::number(model.paths[p].coefficient, 'f', 6));
}

void ResultsWindowTest::tablesSortColourAndTakeTheChosenDecimals() {
    Session s;
    if (!s.folder.hasEngine()) QSKIP("the engine is not built");
    s.estimateAndBootstrap();
    QCOMPARE(s.cell("paths", 0, 2), QString("0.505"));
    s.action("MNU_Decimals2").trigger();
    QCOMPARE(s.cell("paths", 0, 2), QString("0.50"));
    QTableView* view = s.results().view("paths");
    view->sortByColumn(2, Qt::AscendingOrder);
    QCOMPARE(s.cell("paths", 0, 2), QString("0.05"));  // EXPE -> VAL, the smallest
    QCOMPARE(s.cell("paths", 0, 0), QString("EXPE"));
    view->sortByColumn(2, Qt::DescendingOrder);
    QCOMPARE(s.cell("paths", 0, 2), QString("0.56"));
    // Exactly the loadings below 0.708 and the p-values above 0.05 are coloured.
    QAbstractItemModel& outer = s.shown("outer_model");
    int marked = 0;
    for (int row = 0; row < outer.rowCount(); ++row) {
        const bool low = outer.index(row, 4).data().toDouble() < 0.708;
        QCOMPARE(outer.index(row, 4).data(Qt::BackgroundRole).isValid(), low);
        marked += low;
    }
    QVERIFY(marked > 0);
    auto* legend = s.results().findChild<QLabel*>("Legend_outer_model");
    QVERIFY(legend);
    QVERIFY(legend->text().contains("Loading below 0.708"));
    QVERIFY(!legend->text().contains("HTMT"));
    QAbstractItemModel& inference = s.shown("inference");
    for (int row = 0; row < inference.rowCount(); ++row) {
        const QVariant p = inference.index(row, 6).data(gui::ResultTableModel::kSortRole);
        const bool high = p.toDouble() > 0.05;
        QCOMPARE(inference.index(row, 6).data(Qt::BackgroundRole).isValid(), high);
    }
}

void ResultsWindowTest::copyGivesTabSeparatedTextAndHtml() {
    Session s;
    if (!s.folder.hasEngine()) QSKIP("the engine is not built");
    click(s.window, "BTN_Run");
    QTabWidget& tabs = s.results().tabs();
    tabs.setCurrentIndex(s.pageIndex("paths"));
    const ProjectModel& model = s.window.workbench().model();
    const auto caption = [&](int k) { return QString::fromStdString(model.constructs[k].caption); };
    QString expected = "From\tTo\tCoefficient\n";
    for (int p = 0; p < model.nPath; ++p)
        expected += caption(model.paths[p].src) + "\t" + caption(model.paths[p].dest) + "\t" +
                    QString::number(model.paths[p].coefficient, 'f', 3) + "\n";
    s.results().copySelection();
    QCOMPARE(QApplication::clipboard()->text(), expected);
    QVERIFY(QApplication::clipboard()->mimeData()->html().contains("<th>Coefficient</th>"));
    // A selection copies only its cells, in the order shown, by the keyboard shortcut.
    QTableView* view = s.results().view("paths");
    view->selectionModel()->select(QItemSelection(view->model()->index(1, 1), view->model()->index(2, 2)),
                                   QItemSelectionModel::Select);
    view->setFocus();
    QTest::keyClick(view, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QApplication::clipboard()->text(),
             caption(model.paths[1].dest) + "\t" + QString::number(model.paths[1].coefficient, 'f', 3) + "\n" +
                 caption(model.paths[2].dest) + "\t" + QString::number(model.paths[2].coefficient, 'f', 3) + "\n");
    QVERIFY(QApplication::clipboard()->mimeData()->html().contains("<td>"));
}

void ResultsWindowTest::exportsWriteOneSheetPerPageWithNumbersAsNumbers() {
    Session s;
    if (!s.folder.hasEngine()) QSKIP("the engine is not built");
    s.estimateAndBootstrap();
    const fs::path chosen = s.work("chosen.xlsx");
    s.script.chooseFile(chosen.string());
    s.action("MNU_ExportResults").trigger();
    const WorkbookCells book(chosen.string());
    QVERIFY(book.opened());
    std::vector<std::string> enabled;
    for (const ResultPage& page : s.results().pages())
        if (page.table) enabled.push_back(page.key);
    QCOMPARE(book.sheets(), enabled);
    const SheetCells paths = book.sheet(0);
    QVERIFY(book.bold(paths.at({1, 2})));
    const ProjectModel& model = s.window.workbench().model();
    for (int p = 0; p < model.nPath; ++p) {
        const WorkbookCell& figure = paths.at({p + 2, 2});
        QVERIFY(figure.number);
        QCOMPARE(std::stod(figure.text), double(model.paths[p].coefficient));
    }
    QVERIFY(s.window.statusPanels().message().contains(QString::fromStdString(chosen.string())));

    // The report button writes the workbook beside the model and hands it to the desktop.
    s.script.clear();
    s.action("BTN_ExcelReport").trigger();
    const fs::path beside = s.work("ecsi_results.xlsx");
    QVERIFY(WorkbookCells(beside.string()).opened());
    QCOMPARE(s.script.events().back().kind, ScriptedPorts::Kind::OpenWithDesktop);
    QCOMPARE(s.script.events().back().message.text, beside.string());

    // The CSV alternative, and the web report's place in the status line.
    s.script.chooseFile(s.work("tables").string());
    s.action("MNU_ExportResultsCsv").trigger();
    QVERIFY(fs::exists(s.work("tables") / "inference.csv"));
    s.action("BTN_WebReport").trigger();
    QVERIFY(s.window.statusPanels().message().endsWith(
        QString::fromStdString((s.work("ecsi_report") / "WebOutput.html").string())));
}

QTEST_MAIN(ResultsWindowTest)
#include "ResultsWindowTest.moc"
