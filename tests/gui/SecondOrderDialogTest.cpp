// The second-order dialog driven as a user drives it: free first-order constructs assigned and
// removed, the name checks on OK, and what OK and Cancel leave in the model.
#include <QRadioButton>

#include <cmath>
#include <filesystem>

#include "core/engine/EstimateCommand.h"
#include "gui/editing/SecondOrderDialog.h"
#include "tests/gui/EcsiWorkbench.h"

using namespace qv;
using namespace qv::test;

namespace {

// ECSI (every construct joined by paths) with two new first-order constructs without paths
// and one second-order construct.
struct WithSecondOrder : EcsiWorkbench {
    int firstNew = -1;
    int secondOrder = -1;
    gui::SecondOrderDialog dialog{workbench};

    WithSecondOrder() {
        firstNew = model().nConstruct;
        model().addConstruct(100, 100);
        model().addConstruct(200, 100);
        model().currentOrder = 2;
        secondOrder = model().nConstruct;
        model().addConstruct(300, 100);
        model().currentOrder = 1;
        model().modified = false;
    }
    QString caption(int construct) { return QString::fromStdString(model().constructs[construct].caption); }
};

QListWidget& list(QWidget& window, const char* name) { return *window.findChild<QListWidget*>(name); }

}  // namespace

class SecondOrderDialogTest : public QObject {
    Q_OBJECT
private slots:
    void assignRemoveAndOkSetTheMembership();
    void cancelAfterAssignKeepsTheMembership();
    void onlySecondOrderConstructsOpenTheDialog();
    void withNothingToOfferTheDialogStillOpens();
    void aSecondOrderModelBuiltInTheDialogEstimatesInTwoStages();
};

void SecondOrderDialogTest::assignRemoveAndOkSetTheMembership() {
    WithSecondOrder m;
    const QString a = m.caption(m.firstNew), b = m.caption(m.firstNew + 1);
    auto shown = onModalClosing("TForm16", [&](QWidget& window) {
        QListWidget& free = list(window, "ListBox1");
        QListWidget& members = list(window, "ListBox2");
        // The ECSI constructs all have paths: only the two new ones are offered.
        QCOMPARE(itemsOf(free), QStringList({a, b}));
        QCOMPARE(members.count(), 0);
        QCOMPARE(window.findChild<QLineEdit*>("Edit1")->text(), m.caption(m.secondOrder));
        pick(free, {a, b});
        click(window, "BTN_Assign");
        QCOMPARE(itemsOf(members), QStringList({a, b}));
        QCOMPARE(free.count(), 0);
        QVERIFY(m.model().modified);
        pick(members, {a});
        click(window, "BTN_Remove");
        QCOMPARE(itemsOf(members), QStringList({b}));
        QCOMPARE(itemsOf(free), QStringList({a}));

        // Each refused name keeps the dialog open.
        type(window, "Edit1", " BRAND");
        click(window, "BTN_OK");
        QVERIFY(m.script.told("MSG_NoSpace"));
        type(window, "Edit1", "IMAG1");
        click(window, "BTN_OK");
        QVERIFY(m.script.told("MSG_DuplicateName1"));
        type(window, "Edit1", "SAT");
        click(window, "BTN_OK");
        QVERIFY(m.script.told("MSG_DuplicateName2"));
        QVERIFY(window.isVisible());
        type(window, "Edit1", "BRAND");
        click(window, "RB_Formative");
        click(window, "BTN_OK");
    });
    QVERIFY(m.dialog.editSecondOrder(m.secondOrder));
    QVERIFY(*shown);
    const Construct& brand = m.model().constructs[m.secondOrder];
    QCOMPARE(brand.caption, std::string("BRAND"));
    QCOMPARE(brand.type, 1);
    QCOMPARE(brand.nCon, 1);
    QCOMPARE(brand.nInd, 1);
    QCOMPARE(m.model().constructs[m.firstNew].construct, -1);
    QCOMPARE(m.model().constructs[m.firstNew + 1].construct, m.secondOrder);

    // Shown again: the member on the right, the free one on the left; removing it leaves none.
    shown = onModalClosing("TForm16", [&](QWidget& window) {
        QCOMPARE(itemsOf(list(window, "ListBox2")), QStringList({b}));
        QCOMPARE(itemsOf(list(window, "ListBox1")), QStringList({a}));
        QVERIFY(window.findChild<QRadioButton*>("RB_Formative")->isChecked());
        pick(list(window, "ListBox2"), {b});
        click(window, "BTN_Remove");
        click(window, "BTN_OK");
    });
    QVERIFY(m.dialog.editSecondOrder(m.secondOrder));
    QVERIFY(*shown);
    QCOMPARE(m.model().constructs[m.secondOrder].nCon, 0);
    QCOMPARE(m.model().constructs[m.secondOrder].nInd, 0);
    QCOMPARE(m.model().constructs[m.firstNew + 1].construct, -1);
}

void SecondOrderDialogTest::cancelAfterAssignKeepsTheMembership() {
    WithSecondOrder m;
    auto shown = onModalClosing("TForm16", [&](QWidget& window) {
        pick(list(window, "ListBox1"), {m.caption(m.firstNew)});
        click(window, "BTN_Assign");
        type(window, "Edit1", "OTHER");
        click(window, "BTN_Cancel");
    });
    QVERIFY(!m.dialog.editSecondOrder(m.secondOrder));
    QVERIFY(*shown);
    QCOMPARE(m.model().constructs[m.firstNew].construct, -1);
    QCOMPARE(m.model().constructs[m.secondOrder].nCon, 0);
    QVERIFY(m.model().constructs[m.secondOrder].caption != "OTHER");
    QVERIFY(m.model().modified);  // the move itself marked the model
}

void SecondOrderDialogTest::onlySecondOrderConstructsOpenTheDialog() {
    WithSecondOrder m;
    QVERIFY(!m.dialog.editSecondOrder(m.constructNamed("IMAG")));
    QVERIFY(!m.dialog.editSecondOrder(-1));
    QVERIFY(!m.dialog.editSecondOrder(m.model().nConstruct));
    QVERIFY(!m.dialog.isVisible());
}

void SecondOrderDialogTest::withNothingToOfferTheDialogStillOpens() {
    EcsiWorkbench e;
    e.model().currentOrder = 2;
    const int secondOrder = e.model().nConstruct;
    QVERIFY(e.model().addConstruct(300, 100));
    gui::SecondOrderDialog dialog(e.workbench);
    auto shown = onModalClosing("TForm16", [&](QWidget& window) {
        QCOMPARE(list(window, "ListBox1").count(), 0);
        QCOMPARE(list(window, "ListBox2").count(), 0);
        type(window, "Edit1", "BRAND");
        click(window, "BTN_OK");
    });
    QVERIFY(dialog.editSecondOrder(secondOrder));
    QVERIFY(*shown);
    QVERIFY(e.script.told("MSG_No1stOrderConstruct"));
    QCOMPARE(e.model().constructs[secondOrder].caption, std::string("BRAND"));
    QCOMPARE(e.model().constructs[secondOrder].nCon, 0);
}

// ECSI without its paths: Image and Expectation become members of BRAND through the dialog,
// BRAND and SAT predict LOY, and the real engine estimates the model in two stages.
void SecondOrderDialogTest::aSecondOrderModelBuiltInTheDialogEstimatesInTwoStages() {
    EcsiWorkbench e;
    if (!e.folder.hasEngine()) QSKIP("the engine is not built");
    std::vector<int> allPaths(static_cast<size_t>(e.model().nPath));
    for (int p = 0; p < e.model().nPath; ++p) allPaths[static_cast<size_t>(p)] = p;
    e.model().deletePaths(allPaths);
    e.model().currentOrder = 2;
    const int brand = e.model().nConstruct;
    QVERIFY(e.model().addConstruct(300, 100));
    e.model().currentOrder = 1;
    gui::SecondOrderDialog dialog(e.workbench);
    auto shown = onModalClosing("TForm16", [&](QWidget& window) {
        pick(list(window, "ListBox1"), {"IMAG", "EXPE"});
        click(window, "BTN_Assign");
        type(window, "Edit1", "BRAND");
        click(window, "BTN_OK");
    });
    QVERIFY(dialog.editSecondOrder(brand));
    QVERIFY(*shown);
    const int sat = e.constructNamed("SAT"), loy = e.constructNamed("LOY");
    QVERIFY(e.model().addPath(brand, sat));
    QVERIFY(e.model().addPath(sat, loy));
    QVERIFY(EstimateCommand(e.workbench).run());
    QCOMPARE(e.model().estimationStage, 2);
    for (const char* name : {"ecsi.pls", "ecsi.out", "ecsi_2.pls", "ecsi_2.out"})
        QVERIFY2(std::filesystem::exists(e.folder.work() / name), name);
    // SAT has BRAND as its only predictor: its R-square is that path's coefficient squared.
    const float beta = e.model().paths[0].coefficient;
    QVERIFY(beta > 0.5f);
    QVERIFY(std::abs(e.model().constructs[sat].rSquare - beta * beta) < 2e-6);
    QCOMPARE(e.model().nIndicator, 24);
}

QTEST_MAIN(SecondOrderDialogTest)
#include "SecondOrderDialogTest.moc"
