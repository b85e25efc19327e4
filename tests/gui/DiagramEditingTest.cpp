// Editing a model in the main window: the construct dialog, the model tree with its context
// menu, and the ECSI model built on screen from nothing and estimated.
#include <QAction>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>
#include <cmath>
#include <fstream>
#include <map>

#include "core/app/Workbench.h"
#include "gui/app/MainWindow.h"
#include "gui/app/StatusPanels.h"
#include "gui/diagram/DiagramLayout.h"
#include "gui/diagram/DiagramView.h"
#include "gui/diagram/StopWindow.h"
#include "gui/editing/ModelTree.h"
#include "tests/gui/GuiTestSupport.h"

using namespace qv;
using namespace qv::test;

namespace {

struct Session {
    StartFolder folder;
    ScriptedPorts script;
    gui::MainWindow window{scriptedUser(script), folder.dir()};
    long long second = 1000;

    Session() {
        QVERIFY(!window.startUp());
        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QCoreApplication::processEvents();
        script.clear();
    }
    Workbench& workbench() { return window.workbench(); }
    ProjectModel& model() { return workbench().model(); }
    gui::DiagramView& diagram() { return window.diagram(); }
    gui::ModelTree& tree() { return window.modelTree(); }
    QAction& action(const char* name) { return *window.findChild<QAction*>(name); }
    void press(const char* toolButton) { click(window, toolButton); }
    std::string work(const std::string& name) const { return (folder.work() / name).string(); }

    void open(const std::string& file) {
        script.chooseFile(file);
        press("BTN_OpenModel");
    }
    // Copies an example folder beside the ECSI one and opens its model.
    void openExample(const std::string& folderName, const std::string& model) {
        const fs::path target = folder.work() / folderName;
        fs::create_directories(target);
        for (const auto& entry : fs::directory_iterator(fs::path(QV_EXAMPLES_DIR) / folderName))
            fs::copy_file(entry.path(), target / entry.path().filename(), fs::copy_options::overwrite_existing);
        open((target / model).string());
    }
    // Where a point of the model is drawn, at the view's zoom; a construct's centre.
    QPoint drawn(QPoint point) { return diagram().modelToSurface().map(point); }
    QPoint centre(int construct) { return drawn({model().constructs[construct].x, model().constructs[construct].y}); }
    // Two clicks on a construct at one moment, long after the last.
    void doubleClick(QPoint point) {
        const long long now = second += 10'000;
        diagram().setClock([now] { return now; });
        QTest::mouseClick(&diagram(), Qt::LeftButton, {}, point);
        QTest::mouseClick(&diagram(), Qt::LeftButton, {}, point);
        diagram().setClock([this] { return second += 10'000; });
    }
    QTreeWidgetItem* node(const QString& text) {
        const auto found = tree().findItems(text, Qt::MatchExactly | Qt::MatchRecursive);
        return found.isEmpty() ? nullptr : found.front();
    }
    // Opens the tree's context menu on a node, as a right click does, and closes it again.
    void popupOn(QTreeWidgetItem* item) {
        tree().setCurrentItem(item);
        QMenu* menu = window.findChild<QMenu*>("PopupMenu2");
        emit menu->aboutToShow();
    }
};

void selectItems(QListWidget& list, const QStringList& captions) {
    list.clearSelection();
    for (const QString& caption : captions) {
        const auto items = list.findItems(caption, Qt::MatchExactly);
        QVERIFY2(!items.isEmpty(), qPrintable(caption));
        items.front()->setSelected(true);
    }
}

QStringList itemsOf(QListWidget& list) {
    QStringList texts;
    for (int row = 0; row < list.count(); ++row) texts << list.item(row)->text();
    return texts;
}

QByteArray readFile(const std::string& name) {
    QFile file(QString::fromStdString(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QStringList topLevelTexts(QTreeWidget& tree) {
    QStringList texts;
    for (int i = 0; i < tree.topLevelItemCount(); ++i) texts << tree.topLevelItem(i)->text(0);
    return texts;
}

// The estimate's figures keyed by the names of what they belong to, so two models built in a
// different order can be compared.
std::map<std::string, double> figures(const ProjectModel& model) {
    std::map<std::string, double> values;
    for (int c = 0; c < model.nConstruct; ++c) values["R2 " + model.constructs[c].caption] = model.constructs[c].rSquare;
    for (int i = 0; i < model.nIndicator; ++i) values["loading " + model.indicators[i].caption] = model.indicators[i].loading;
    for (int p = 0; p < model.nPath; ++p)
        values["path " + model.constructs[model.paths[p].src].caption + ">" + model.constructs[model.paths[p].dest].caption] =
            model.paths[p].coefficient;
    return values;
}

void compareFigures(const std::map<std::string, double>& built, const std::map<std::string, double>& example) {
    QCOMPARE(built.size(), example.size());
    for (const auto& [name, value] : example) {
        QVERIFY2(built.count(name), name.c_str());
        QVERIFY2(std::abs(built.at(name) - value) < 1e-6, name.c_str());
    }
}

}  // namespace

class DiagramEditingTest : public QObject {
    Q_OBJECT
private slots:
    void constructDialogChecksTheNameAndCommits();
    void cancelKeepsTheAssignmentButMarksTheModel();
    void constructDialogShowsTheVariableLabels();
    void treeShowsTheModelInAlphabeticalOrder();
    void treeMenuFollowsTheSelectedNode();
    void removingAnIndicatorFromTheTree();
    void deleteKeyAndZoomActOnTheDiagram();
    void ecsiBuiltOnScreenEstimatesLikeTheExample();
    void aBuildUndoneToNothingAndRedoneSavesTheSameFile();
    void copyPasteAndDuplicateGiveNewNames();
    void editsOfTheEstimateClearTheFiguresAndMovesDoNot();
    void otherDataOrParametersClearTheFiguresAndViewingDoesNot();
    void anIndicatorBoxMovesWithUndoAndIsSaved();
};

void DiagramEditingTest::constructDialogChecksTheNameAndCommits() {
    Session s;
    s.open(s.work("ecsi.qvt"));
    QStringList shownUnused, shownOwn;
    auto dialog = onModal("TForm5", [&](QWidget& form) {
        auto* name = form.findChild<QLineEdit*>("Edit1");
        QCOMPARE(name->text(), QString("IMAG"));
        QVERIFY(form.findChild<QRadioButton*>("RB_Reflective")->isChecked());
        shownOwn = itemsOf(*form.findChild<QListWidget*>("ListBox2"));
        shownUnused = itemsOf(*form.findChild<QListWidget*>("ListBox1"));
        for (const char* refused : {"IMAG ", "CUSA1", "SAT"}) {
            type(form, "Edit1", refused);
            click(form, "BTN_OK");
            QVERIFY(form.isVisible());
        }
        type(form, "Edit1", "Corporate Image of the Company and its Brand");  // 44 characters
        QCOMPARE(name->text(), QString("Corporate Image of the Company and its B"));
        selectItems(*form.findChild<QListWidget*>("ListBox2"), {"IMAG2", "IMAG4"});
        click(form, "BTN_Remove");
        click(form, "RB_Formative");
        click(form, "BTN_OK");
    });
    s.doubleClick(s.centre(0));
    QVERIFY(*dialog);
    QCOMPARE(shownOwn, QStringList({"IMAG1", "IMAG2", "IMAG3", "IMAG4", "IMAG5"}));
    QVERIFY(shownUnused.isEmpty());
    QCOMPARE(s.script.messageKeys(), (std::vector<std::string>{"MSG_NoSpace", "MSG_DuplicateName1", "MSG_DuplicateName2"}));
    const Construct& imag = s.model().constructs[0];
    QCOMPARE(imag.caption, std::string("Corporate Image of the Company and its B"));
    QCOMPARE(imag.type, 1);
    QCOMPARE(imag.nInd, 3);
    QCOMPARE(s.model().indicators[11].construct, -1);
    QVERIFY(s.node("Corporate Image of the Company and its B(Formative)"));
    QCOMPARE(s.node("Unused Indicators")->childCount(), 2);
}

void DiagramEditingTest::cancelKeepsTheAssignmentButMarksTheModel() {
    Session s;
    s.open(s.work("ecsi.qvt"));
    QVERIFY(!s.model().modified);
    auto dialog = onModal("TForm5", [&](QWidget& form) {
        selectItems(*form.findChild<QListWidget*>("ListBox2"), {"CUSCO"});
        click(form, "BTN_Remove");
        QCOMPARE(itemsOf(*form.findChild<QListWidget*>("ListBox1")), QStringList({"CUSCO"}));
        click(form, "BTN_Cancel");
    });
    s.doubleClick(s.centre(5));
    QVERIFY(*dialog);
    QCOMPARE(s.model().indicators[6].construct, 5);
    QCOMPARE(s.model().constructs[5].nInd, 1);
    QVERIFY(s.model().modified);
}

// Labels a statistics-package file keeps are the indicators' tool tips, wherever they move.
void DiagramEditingTest::constructDialogShowsTheVariableLabels() {
    Session s;
    s.open(s.work("ecsi.qvt"));
    RawDataTable& data = s.workbench().rawData();
    data.labels.clear();
    for (int column = 1; column <= data.nFields(); ++column) data.labels.push_back("Question " + data.cell(column, 0));
    QString own, movedBack;
    auto dialog = onModal("TForm5", [&](QWidget& form) {
        auto& assigned = *form.findChild<QListWidget*>("ListBox2");
        own = assigned.item(0)->toolTip();
        selectItems(assigned, {"IMAG2"});
        click(form, "BTN_Remove");
        movedBack = form.findChild<QListWidget*>("ListBox1")->findItems("IMAG2", Qt::MatchExactly).front()->toolTip();
        click(form, "BTN_Cancel");
    });
    s.doubleClick(s.centre(0));
    QVERIFY(*dialog);
    QCOMPARE(own, QString("Question IMAG1"));
    QCOMPARE(movedBack, QString("Question IMAG2"));
}

void DiagramEditingTest::treeShowsTheModelInAlphabeticalOrder() {
    Session s;
    s.open(s.work("ecsi.qvt"));
    QCOMPARE(topLevelTexts(s.tree()), QStringList({"COM(Reflective)", "EXPE(Reflective)", "IMAG(Reflective)", "LOY(Reflective)",
                                                   "QUAL(Reflective)", "SAT(Reflective)", "VAL(Reflective)", "Unused Indicators"}));
    QCOMPARE(s.node("SAT(Reflective)")->child(0)->text(0), QString("CUSA1"));
    QVERIFY(s.node("SAT(Reflective)")->isExpanded());
    s.press("BTN_FullCollapse");
    QVERIFY(!s.node("SAT(Reflective)")->isExpanded());
    s.press("BTN_FullExpand");
    QVERIFY(s.node("SAT(Reflective)")->isExpanded());
    // A click on a product indicator names its factors; any other node clears the message.
    s.openExample("interaction", "moderation.qvt");
    QTreeWidgetItem* product = s.node("IM1VA1");
    QVERIFY(product);
    s.tree().setCurrentItem(product);
    emit s.tree().itemClicked(product, 0);
    QCOMPARE(s.window.statusPanels().message(), QString("Product Term: IMAG1 x PERV1"));
    QTreeWidgetItem* unused = s.node("Unused Indicators");
    s.tree().setCurrentItem(unused);
    emit s.tree().itemClicked(unused, 0);
    QCOMPARE(s.window.statusPanels().message(), QString());
}

void DiagramEditingTest::treeMenuFollowsTheSelectedNode() {
    Session s;
    s.open(s.work("ecsi.qvt"));
    QAction& remove = s.action("MNU_RemoveItem");
    QAction& configure = s.action("MNU_SetConstruct");
    s.popupOn(s.node("LOY(Reflective)"));
    QVERIFY(configure.isEnabled() && !remove.isEnabled());
    QCOMPARE(s.diagram().hitConstruct(), 6);
    s.popupOn(s.node("PERV2"));
    QVERIFY(configure.isEnabled() && remove.isEnabled());
    QCOMPARE(s.diagram().hitConstruct(), 3);
    s.popupOn(s.node("Unused Indicators"));
    QVERIFY(!configure.isEnabled() && !remove.isEnabled());
    // With a second-order construct level 1 holds constructs: an ordinary indicator offers nothing.
    s.openExample("second-order", "brand.qvt");
    QVERIFY(s.model().hasSecondOrder);
    const int member = s.model().constructs[0].construct;
    QVERIFY(member >= 0);
    QTreeWidgetItem* firstMember = s.node(QString::fromStdString(s.model().constructs[0].caption));
    QVERIFY(firstMember);
    s.popupOn(firstMember);
    QVERIFY(configure.isEnabled() && !remove.isEnabled());
    QCOMPARE(s.diagram().hitConstruct(), 0);
    s.popupOn(firstMember->child(0));
    QVERIFY(configure.isEnabled() && remove.isEnabled());
    const std::string ordinary = s.model().indicators[7].caption;  // belongs to construct 4, first order
    s.popupOn(s.node(QString::fromStdString(ordinary)));
    QVERIFY(!configure.isEnabled() && !remove.isEnabled());
}

void DiagramEditingTest::removingAnIndicatorFromTheTree() {
    Session s;
    s.open(s.work("ecsi.qvt"));
    s.tree().setCurrentItem(s.node("CUSL2"));
    s.script.answer(false);
    s.action("MNU_RemoveItem").trigger();
    QCOMPARE(s.model().indicators[8].construct, 6);
    s.tree().setCurrentItem(s.node("CUSL2"));
    s.script.answer(true);
    s.action("MNU_RemoveItem").trigger();
    QCOMPARE(s.model().indicators[8].construct, -1);
    QCOMPARE(s.model().constructs[6].nInd, 2);
    QVERIFY(s.model().modified);
    QCOMPARE(s.node("Unused Indicators")->child(0)->text(0), QString("CUSL2"));
    const auto& question = s.script.events();
    const auto asked = std::find_if(question.begin(), question.end(),
                                    [](const auto& event) { return event.kind == ScriptedPorts::Kind::AskOkCancel; });
    QVERIFY(asked != question.end());
    QCOMPARE(asked->message.text, std::string("Remove the indicator from its construct?(CUSL2)"));
    s.tree().clearSelection();
    s.action("MNU_RemoveItem").trigger();
    QVERIFY(s.script.told("MSG_noIndSelected"));
}

void DiagramEditingTest::deleteKeyAndZoomActOnTheDiagram() {
    Session s;
    s.open(s.work("ecsi.qvt"));
    QTest::mouseClick(&s.diagram(), Qt::LeftButton, {}, s.centre(4));
    QCOMPARE(s.window.statusPanels().message(), QString("1 construct(s) selected"));
    QTest::keyClick(&s.window, Qt::Key_Escape);
    QVERIFY(s.window.isVisible());
    QTest::keyClick(&s.diagram(), Qt::Key_Delete);
    QCOMPARE(s.model().nConstruct, 6);
    QCOMPARE(s.model().nPath, 6);
    QVERIFY(!s.node("SAT(Reflective)"));
    QCOMPARE(s.node("Unused Indicators")->childCount(), 3);
    QCOMPARE(s.window.statusPanels().counts(), QString("Constructs: 6  Paths: 6   Indicators: 24 Cases: 250"));
    // Zooming out stops at a fifth of the size; the radius setting stays.
    for (int i = 0; i < 30; ++i) s.press("BTN_ZoomOut");
    QCOMPARE(s.diagram().zoom(), 0.2);
    QCOMPARE(s.workbench().settings().radius, 25);
}

// The ECSI model built on screen from nothing: a new model on its data, the constructs placed
// with the tool, named and given their indicators in their dialogs, the paths drawn.
static void buildEcsi(Session& s) {
    // A new model on the ECSI data.
    s.script.chooseFile(s.work("mobi.txt"));
    auto configured = onModal("TForm2", [&](QWidget& dialog) {
        auto rawForm = onModal("TForm3", [](QWidget& form) { click(form, "BTN_OK"); });
        click(dialog, "SpeedButton1");
        QVERIFY(*rawForm);
        type(dialog, "Edit6", QString::fromStdString(s.work("built")));
        click(dialog, "BTN_OK");
    });
    s.press("BTN_NewModel");
    QVERIFY(*configured);
    auto parameters = onModal("TForm7", [](QWidget& dialog) {
        type(dialog, "Edit1", "0");
        click(dialog, "BTN_OK");
    });
    s.press("BTN_Parameter");
    QVERIFY(*parameters);

    const struct {
        const char* name;
        QPoint centre;
        QStringList indicators;
    } constructs[] = {
        {"IMAG", {80, 200}, {"IMAG1", "IMAG2", "IMAG3", "IMAG4", "IMAG5"}},
        {"EXPE", {220, 80}, {"CUEX1", "CUEX2", "CUEX3"}},
        {"QUAL", {220, 330}, {"PERQ1", "PERQ2", "PERQ3", "PERQ4", "PERQ5", "PERQ6", "PERQ7"}},
        {"VAL", {400, 330}, {"PERV1", "PERV2"}},
        {"SAT", {400, 200}, {"CUSA1", "CUSA2", "CUSA3"}},
        {"COM", {560, 80}, {"CUSCO"}},
        {"LOY", {560, 330}, {"CUSL1", "CUSL2", "CUSL3"}},
    };
    s.press("BTN_Construct");
    for (const auto& construct : constructs) QTest::mouseClick(&s.diagram(), Qt::LeftButton, {}, construct.centre);
    QCOMPARE(s.model().nConstruct, 7);
    s.press("BTN_Select");
    for (const auto& construct : constructs) {
        auto dialog = onModal("TForm5", [&](QWidget& form) {
            type(form, "Edit1", construct.name);
            selectItems(*form.findChild<QListWidget*>("ListBox1"), construct.indicators);
            click(form, "BTN_Assign");
            click(form, "BTN_OK");
        });
        s.doubleClick(construct.centre);
        QVERIFY2(*dialog, construct.name);
    }
    QCOMPARE(s.node("Unused Indicators")->childCount(), 0);

    const std::pair<int, int> paths[] = {{0, 1}, {0, 4}, {0, 6}, {1, 2}, {1, 3}, {1, 4},
                                         {2, 3}, {2, 4}, {3, 4}, {4, 5}, {4, 6}, {5, 6}};
    s.press("BTN_Path");
    for (const auto& [from, to] : paths) {
        QTest::mousePress(&s.diagram(), Qt::LeftButton, {}, constructs[from].centre);
        QTest::mouseMove(&s.diagram(), constructs[to].centre);
        QTest::mouseRelease(&s.diagram(), Qt::LeftButton, {}, constructs[to].centre);
    }
    QCOMPARE(s.window.statusPanels().counts(), QString("Constructs: 7  Paths: 12   Indicators: 24 Cases: 250"));
}

void DiagramEditingTest::ecsiBuiltOnScreenEstimatesLikeTheExample() {
    Session s;
    buildEcsi(s);
    s.press("BTN_Select");
    s.press("BTN_SaveModel");
    QVERIFY(s.window.statusPanels().message().startsWith("The model was saved."));
    if (!s.folder.hasEngine()) QSKIP("The build has no engine: the model was built and saved, not estimated.");

    s.press("BTN_Run");
    QVERIFY(s.model().estimated);
    const auto onScreen = figures(s.model());
    s.open(s.work("built.qvt"));
    s.press("BTN_Run");
    QVERIFY(s.model().estimated);
    const auto saved = figures(s.model());
    s.open(s.work("ecsi.qvt"));
    s.press("BTN_Run");
    QVERIFY(s.model().estimated);
    const auto example = figures(s.model());
    compareFigures(onScreen, example);
    compareFigures(saved, example);
    QVERIFY(std::abs(example.at("R2 LOY")) > 0.1);
}

void DiagramEditingTest::aBuildUndoneToNothingAndRedoneSavesTheSameFile() {
    Session s;
    buildEcsi(s);
    s.press("BTN_SaveModel");
    const QByteArray direct = readFile(s.work("built.qvt"));
    QVERIFY(direct.contains("Caption_6=LOY"));
    QCOMPARE(s.action("MNU_Undo").shortcut(), QKeySequence("Ctrl+Z"));
    QVERIFY(s.action("MNU_Redo").shortcuts().contains(QKeySequence("Ctrl+Shift+Z")));
    QCOMPARE(s.action("MNU_Undo").text(), QString("Undo New Path"));
    QVERIFY(!s.action("MNU_Redo").isEnabled());
    int steps = 0;
    while (s.action("MNU_Undo").isEnabled()) {
        s.action("MNU_Undo").trigger();
        QVERIFY(++steps < 100);
    }
    QCOMPARE(s.model().nConstruct, 0);
    QCOMPARE(s.model().nPath, 0);
    for (int i = 0; i < s.model().nIndicator; ++i) QCOMPARE(s.model().indicators[i].construct, -1);
    QVERIFY(s.model().modified);  // not what the saved file holds
    QCOMPARE(s.action("MNU_Redo").text(), QString("Redo New Construct"));
    while (s.action("MNU_Redo").isEnabled()) {
        s.action("MNU_Redo").trigger();
        --steps;
    }
    QCOMPARE(steps, 0);
    QVERIFY(!s.model().modified);  // back at the saved state
    fs::remove(s.work("built.qvt"));
    s.press("BTN_SaveModel");
    QCOMPARE(readFile(s.work("built.qvt")), direct);
    // After the save the mark follows the history: one step back is a change, forward again not.
    QVERIFY(!s.model().modified);
    s.action("MNU_Undo").trigger();
    QVERIFY(s.model().modified);
    s.action("MNU_Redo").trigger();
    QVERIFY(!s.model().modified);
}

void DiagramEditingTest::copyPasteAndDuplicateGiveNewNames() {
    Session s;
    s.open(s.work("ecsi.qvt"));
    // VAL, SAT and LOY with the two paths among them.
    QTest::mousePress(&s.diagram(), Qt::LeftButton, {}, s.drawn({370, 170}));
    QTest::mouseMove(&s.diagram(), s.drawn({500, 300}));
    QTest::mouseRelease(&s.diagram(), Qt::LeftButton, {}, s.drawn({590, 360}));
    QCOMPARE(s.diagram().selection().constructs, (std::vector<int>{3, 4, 6}));
    s.action("MNU_Copy").trigger();
    s.action("MNU_Paste").trigger();
    QCOMPARE(s.model().nConstruct, 10);
    QCOMPARE(s.model().constructs[7].caption, std::string("VAL_2"));
    QCOMPARE(s.model().constructs[8].caption, std::string("SAT_2"));
    QCOMPARE(s.model().constructs[9].caption, std::string("LOY_2"));
    QCOMPARE(s.model().constructs[8].x, 430);
    QCOMPARE(s.model().nPath, 12 + 2);  // VAL->SAT and SAT->LOY
    QCOMPARE(s.diagram().selection().constructs, (std::vector<int>{7, 8, 9}));
    QCOMPARE(s.action("MNU_Undo").text(), QString("Undo Paste"));
    s.action("MNU_Undo").trigger();
    QCOMPARE(s.model().nConstruct, 7);
    // Cut and paste gives the constructs back with their indicators.
    QTest::mouseClick(&s.diagram(), Qt::LeftButton, {}, s.centre(5));
    s.action("MNU_Cut").trigger();
    QCOMPARE(s.model().nConstruct, 6);
    s.action("MNU_Paste").trigger();
    QCOMPARE(s.model().constructs[6].caption, std::string("COM"));
    QCOMPARE(s.model().constructs[6].x, 560);
    QCOMPARE(s.model().constructs[6].nInd, 1);
    s.action("MNU_Duplicate").trigger();
    QCOMPARE(s.model().constructs[7].caption, std::string("COM_2"));
    QCOMPARE(s.model().constructs[7].nInd, 0);  // CUSCO stays with COM
    // Select All takes every construct and path; deleting them asks first.
    s.action("MNU_SelectAll").trigger();
    QCOMPARE(s.diagram().selection().constructs.size(), size_t(8));
    s.script.answer(false);
    QTest::keyClick(&s.diagram(), Qt::Key_Delete);
    QCOMPARE(s.model().nConstruct, 8);
    QCOMPARE(s.script.unansweredQuestions(), 0);
}

void DiagramEditingTest::editsOfTheEstimateClearTheFiguresAndMovesDoNot() {
    Session s;
    s.open(s.work("ecsi.qvt"));
    ProjectModel& model = s.model();
    model.estimated = true;
    model.constructs[4].rSquare = 0.5f;
    model.paths[0].coefficient = 0.3f;
    model.indicators[0].loading = 0.8f;
    s.press("BTN_Select");  // the figures come with a command, as after an estimate
    // Moving SAT keeps them.
    const QPoint sat = s.centre(4);
    QTest::mousePress(&s.diagram(), Qt::LeftButton, {}, sat);
    QTest::mouseMove(&s.diagram(), s.drawn({415, 210}));
    QTest::mouseRelease(&s.diagram(), Qt::LeftButton, {}, s.drawn({430, 220}));
    // To the pixel the drawing's zoom can tell apart.
    QVERIFY2(std::abs(model.constructs[4].x - 430) <= 1 / s.diagram().zoom() + 1,
             qPrintable(QString::number(model.constructs[4].x)));
    QVERIFY(model.estimated);
    QCOMPARE(model.constructs[4].rSquare, 0.5f);
    QVERIFY(!s.window.statusPanels().message().contains("cleared"));
    // Deleting a path changes what was estimated: every figure goes, and the status line says so.
    QTest::mouseClick(&s.diagram(), Qt::LeftButton, {}, (s.centre(0) + s.centre(1)) / 2);
    QCOMPARE(s.diagram().selection().paths, std::vector<int>{0});
    s.diagram().deletePaths();
    QCOMPARE(model.nPath, 11);
    QVERIFY(!model.estimated);
    QCOMPARE(model.constructs[4].rSquare, 0.0f);
    QCOMPARE(model.indicators[0].loading, 0.0f);
    QVERIFY(s.window.statusPanels().message().contains("figures were cleared"));
    // The Stop button of a tool leaves the select tool's button down, and only it.
    s.press("BTN_Construct");
    QVERIFY(s.action("BTN_Construct").isChecked());
    s.diagram().stopWindow().button().click();
    QVERIFY(s.action("BTN_Select").isChecked());
    QVERIFY(!s.action("BTN_Construct").isChecked());
    QCOMPARE(s.diagram().tool(), gui::DiagramView::Tool::Select);
}

// The figures belong to the data and parameters they were estimated with: a new case selection,
// other model parameters or a data file changed on disk clear them, and an undo cannot bring
// them back; looking at the data changes nothing.
void DiagramEditingTest::otherDataOrParametersClearTheFiguresAndViewingDoesNot() {
    Session s;
    s.open(s.work("ecsi.qvt"));
    if (!s.folder.hasEngine()) QSKIP("The build has no engine to estimate with.");
    ProjectModel& model = s.model();
    const auto estimate = [&] {
        s.press("BTN_Run");
        QVERIFY(model.estimated);
        QVERIFY(model.indicators[0].loading != 0);
    };
    const auto expectCleared = [&] {
        QVERIFY(!model.estimated);
        QCOMPARE(model.indicators[0].loading, 0.0f);
        QCOMPARE(model.paths[0].coefficient, 0.0f);
        QVERIFY(s.window.statusPanels().message().contains("figures were cleared"));
    };
    estimate();
    const QPoint sat = s.centre(4);
    QTest::mousePress(&s.diagram(), Qt::LeftButton, {}, sat);
    QTest::mouseMove(&s.diagram(), sat + QPoint(15, 10));
    QTest::mouseRelease(&s.diagram(), Qt::LeftButton, {}, sat + QPoint(30, 20));
    s.press("BTN_Select");
    QVERIFY(model.estimated);

    s.workbench().parameters().innerWeighting = 1;
    s.press("BTN_Select");
    expectCleared();
    s.action("MNU_Undo").trigger();  // the move, whose states held the old figures
    s.press("BTN_Select");
    QCOMPARE(model.constructs[4].x, 400);  // where the example has it
    QVERIFY(!model.estimated);
    QCOMPARE(model.indicators[0].loading, 0.0f);

    estimate();
    QVERIFY(s.workbench().caseFilter().add(CaseCondition{0, 0, "5", 0}));
    s.workbench().caseFilter().allCases = 0;
    s.press("BTN_Select");
    expectCleared();

    estimate();
    s.script.clear();
    auto viewed = onModal("TForm3", [](QWidget& form) { click(form, "BTN_OK"); });
    s.press("BTN_RawData");  // viewing the data reads them again, unchanged
    QVERIFY(*viewed);
    QVERIFY(model.estimated);
    std::ofstream(s.work("mobi.txt"), std::ios::app) << "\n";
    s.press("BTN_Select");
    expectCleared();
}

// An indicator's box is dragged like a construct: the move is a step to undo, keeps the figures,
// follows its construct, is saved, and goes back beside the construct on request.
void DiagramEditingTest::anIndicatorBoxMovesWithUndoAndIsSaved() {
    Session s;
    s.open(s.work("ecsi.qvt"));
    ProjectModel& model = s.model();
    model.estimated = true;
    model.indicators[0].loading = 0.8f;
    s.press("BTN_Select");
    const auto boxOf = [&](int indicator) {
        const gui::DiagramLayout layout(model, model.radius);
        const auto& place = layout.indicatorPlaces()[indicator];
        return place ? gui::toRect(place->box) : QRectF();
    };
    const int owner = model.indicators[0].construct;
    const QRectF before = boxOf(0);
    QVERIFY(!before.isEmpty());
    const QPoint grip = before.center().toPoint();
    const int ownerX = model.constructs[owner].x;
    QTest::mousePress(&s.diagram(), Qt::LeftButton, {}, s.drawn(grip));
    QTest::mouseMove(&s.diagram(), s.drawn(grip + QPoint(20, 15)));
    QTest::mouseRelease(&s.diagram(), Qt::LeftButton, {}, s.drawn(grip + QPoint(40, 30)));
    QVERIFY(model.indicators[0].boxPlaced);
    // Moved as far as the mouse, to the pixel the drawing's zoom can tell apart.
    const double pixel = 1 / s.diagram().zoom() + 1;
    const QPointF moved = boxOf(0).center() - before.center();
    QVERIFY2(std::abs(moved.x() - 40) <= pixel && std::abs(moved.y() - 30) <= pixel,
             qPrintable(QString("%1 %2").arg(moved.x()).arg(moved.y())));
    QCOMPARE(model.constructs[owner].x, ownerX);  // the construct stayed
    QVERIFY(model.estimated);
    QCOMPARE(model.indicators[0].loading, 0.8f);
    QCOMPARE(s.action("MNU_Undo").text(), QString("Undo Move Indicator"));
    // Its construct takes it along.
    model.constructs[owner].x += 10;
    s.press("BTN_Select");
    QCOMPARE(boxOf(0).center(), before.center() + moved + QPointF(10, 0));
    s.action("MNU_Undo").trigger();
    s.action("MNU_Undo").trigger();
    QVERIFY(!model.indicators[0].boxPlaced);
    QCOMPARE(boxOf(0), before);
    s.action("MNU_Redo").trigger();
    s.press("BTN_SaveModel");
    s.open(s.work("ecsi.qvt"));
    QVERIFY(s.model().indicators[0].boxPlaced);
    QCOMPARE(boxOf(0).center(), before.center() + moved);
    // Lay Out Indicators Again, from the construct's menu.
    QTest::mouseClick(&s.diagram(), Qt::LeftButton, {}, s.centre(owner));
    s.diagram().constructMenu().findChild<QAction*>("MNU_LayOutIndicators")->trigger();
    QVERIFY(!s.model().indicators[0].boxPlaced);
    QCOMPARE(boxOf(0), before);
}

QTEST_MAIN(DiagramEditingTest)
#include "DiagramEditingTest.moc"
