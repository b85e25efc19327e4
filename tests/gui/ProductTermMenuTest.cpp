// The product-term and second-order dialogs reached from the main window: the tree's context
// menu items and a double click on a second-order construct.
#include <QAction>
#include <QMenu>
#include <QTreeWidget>

#include "gui/app/MainWindow.h"
#include "gui/diagram/DiagramView.h"
#include "gui/editing/ModelTree.h"
#include "tests/gui/EcsiWindow.h"
#include "tests/gui/EcsiWorkbench.h"

using namespace qv;
using namespace qv::test;

namespace {

struct Session : EcsiWindow {
    ProjectModel& model() { return window.workbench().model(); }
    QWidget& dialog(const char* name) { return *window.findChild<QWidget*>(name); }
    bool inTree(const QString& text) {
        return !window.modelTree().findItems(text, Qt::MatchExactly | Qt::MatchRecursive).isEmpty();
    }
    // The tree's context menu opened on its first node, as a right click does.
    void popup() {
        window.modelTree().setCurrentItem(window.modelTree().topLevelItem(0));
        emit window.findChild<QMenu*>("PopupMenu2")->aboutToShow();
    }
};

}  // namespace

class ProductTermMenuTest : public QObject {
    Q_OBJECT
private slots:
    void treeMenuGeneratesAndReviewsProductTerms();
    void doubleClickOnASecondOrderConstructOpensItsDialog();
};

void ProductTermMenuTest::treeMenuGeneratesAndReviewsProductTerms() {
    Session s;
    s.popup();
    QVERIFY(s.action("MNU_Newindicatorsforinteractioneffect").isEnabled());
    QVERIFY(!s.action("MNU_ChangeDeleteproductterms").isEnabled());
    s.action("MNU_Newindicatorsforinteractioneffect").trigger();
    QWidget& chooser = s.dialog("TForm11");
    QVERIFY(chooser.isVisible());
    click(chooser, "BTN_Constructs");
    QWidget& generation = s.dialog("TForm12");
    QVERIFY(generation.isVisible());
    choose(generation, "ComboBox1", "IMAG");
    choose(generation, "ComboBox2", "VAL");
    type(generation, "Edit1", "IM");
    type(generation, "Edit2", "PV");
    click(generation, "BTN_Generate");
    click(generation, "BTN_OK");
    QCOMPARE(s.model().nProduct, 10);
    QVERIFY(s.inTree("IM1PV1"));  // the tree was rebuilt after OK

    s.popup();
    QVERIFY(s.action("MNU_ChangeDeleteproductterms").isEnabled());
    auto shown = onModalClosing("TForm14", [&](QWidget& window) {
        click(window, "BTN_SelectAll");
        s.script.answer(true);
        click(window, "BTN_RemoveProductIndicators");
        click(window, "BTN_Cancel");
    });
    s.action("MNU_ChangeDeleteproductterms").trigger();
    QVERIFY(*shown);
    QCOMPARE(s.model().nProduct, 0);
    QVERIFY(!s.inTree("IM1PV1"));  // rebuilt even after Cancel
    s.popup();
    QVERIFY(!s.action("MNU_ChangeDeleteproductterms").isEnabled());
}

void ProductTermMenuTest::doubleClickOnASecondOrderConstructOpensItsDialog() {
    Session s;
    s.model().currentOrder = 2;
    const int secondOrder = s.model().nConstruct;
    QVERIFY(s.model().addConstruct(500, 400));
    s.model().currentOrder = 1;
    gui::DiagramView& diagram = s.window.diagram();
    long long second = 1000;
    diagram.setClock([&second] { return second; });
    auto shown = onModalClosing("TForm16", [&](QWidget& window) {
        type(window, "Edit1", "BRAND");
        click(window, "BTN_OK");
    });
    const QPoint centre = s.window.diagram().modelToSurface().map(
        QPoint(s.model().constructs[secondOrder].x, s.model().constructs[secondOrder].y));
    QTest::mouseClick(&diagram, Qt::LeftButton, {}, centre);
    QTest::mouseClick(&diagram, Qt::LeftButton, {}, centre);
    QVERIFY(*shown);
    QCOMPARE(s.model().constructs[secondOrder].caption, std::string("BRAND"));
    QVERIFY(s.script.told("MSG_No1stOrderConstruct"));  // ECSI's constructs all have paths
    QVERIFY(!s.window.findChild<QWidget*>("TForm5")->isVisible());
}

QTEST_MAIN(ProductTermMenuTest)
#include "ProductTermMenuTest.moc"
