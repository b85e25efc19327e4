// The product-term dialogs driven as a user drives them on the ECSI model: the chooser, the
// construct-level and indicator-level generation, and the review with its filter and deletion.
#include <QAction>
#include <QCheckBox>
#include <QPushButton>

#include "gui/editing/ConstructTermsDialog.h"
#include "gui/editing/IndicatorTermsDialog.h"
#include "gui/editing/ProductTermChooser.h"
#include "gui/editing/ProductTermReviewDialog.h"
#include "tests/gui/EcsiWorkbench.h"

using namespace qv;
using namespace qv::test;

namespace {

// The three modeless dialogs as the main window keeps them, counting the tree rebuilds.
struct Generation : EcsiWorkbench {
    int rebuilds = 0;
    gui::ConstructTermsDialog constructLevel{workbench, [this] { ++rebuilds; }};
    gui::IndicatorTermsDialog indicatorLevel{workbench, [this] { ++rebuilds; }};
    gui::ProductTermChooser chooser{constructLevel, indicatorLevel};

    // Choose two constructs, type the aliases and press Generate.
    void generate(const QString& predictor, const QString& moderator, const QString& alias1, const QString& alias2) {
        choose(constructLevel, "ComboBox1", predictor);
        choose(constructLevel, "ComboBox2", moderator);
        type(constructLevel, "Edit1", alias1);
        type(constructLevel, "Edit2", alias2);
        click(constructLevel, "BTN_Generate");
    }
    QListWidget& list(QWidget& window, const char* name) { return *window.findChild<QListWidget*>(name); }
    bool checked(QWidget& window, const char* name) { return window.findChild<QCheckBox*>(name)->isChecked(); }
    QString text(const std::string& key) { return QString::fromStdString(workbench.texts().lookup(key)); }
};

}  // namespace

class ProductTermDialogsTest : public QObject {
    Q_OBJECT
private slots:
    void chooserOpensTheChosenLevelAndHidesItself();
    void constructLevelPreviewsEveryPairAndCreatesThemOnOk();
    void constructLevelRefusalsLeaveNothingCreated();
    void indicatorLevelKeepsPendingPairsUntilOk();
    void reviewFiltersByEitherConstructAndChangesFlags();
    void reviewDeletesAfterTheQuestionAndMovesLaterTermsDown();
};

void ProductTermDialogsTest::chooserOpensTheChosenLevelAndHidesItself() {
    Generation g;
    g.chooser.show();
    click(g.chooser, "BTN_Constructs");
    QVERIFY(!g.chooser.isVisible());
    QVERIFY(g.constructLevel.isVisible());
    QVERIFY(!g.constructLevel.isModal());
    g.chooser.show();
    click(g.chooser, "BTN_Indicators");
    QVERIFY(!g.chooser.isVisible());
    QVERIFY(g.indicatorLevel.isVisible());
    // Both generation dialogs stay open side by side: neither blocks the other.
    QVERIFY(g.constructLevel.isVisible());
}

void ProductTermDialogsTest::constructLevelPreviewsEveryPairAndCreatesThemOnOk() {
    Generation g;
    g.constructLevel.show();
    QCOMPARE(g.list(g.constructLevel, "ListBox1").count(), 0);
    QVERIFY(!g.checked(g.constructLevel, "CK_Standardized"));
    g.generate("IMAG", "VAL", "IM", "PV");
    const QStringList lines = itemsOf(g.list(g.constructLevel, "ListBox1"));
    QCOMPARE(lines.size(), 10);
    QCOMPARE(lines[0], QString("IM1PV1 - IMAG1*PERV1"));
    QCOMPARE(lines[1], QString("IM1PV2 - IMAG1*PERV2"));
    QCOMPARE(lines[2], QString("IM2PV1 - IMAG2*PERV1"));
    QCOMPARE(lines[9], QString("IM5PV2 - IMAG5*PERV2"));
    QCOMPARE(labelText(g.constructLevel, "StatusBar1"), "10 " + g.text("MSG_IndGenerated"));
    QCOMPARE(g.constructLevel.findChild<QPushButton*>("BTN_Generate")->text(), g.text("MSG_ReGenerate"));
    QVERIFY(g.checked(g.constructLevel, "CK_Standardized"));
    QVERIFY(g.checked(g.constructLevel, "CheckBox2"));
    QCOMPARE(g.model().nProduct, 0);  // previewed, not yet created

    click(g.constructLevel, "CheckBox2");  // unchecked after Generate: honoured at OK
    click(g.constructLevel, "BTN_OK");
    QVERIFY(!g.constructLevel.isVisible());
    QCOMPARE(g.rebuilds, 1);
    QCOMPARE(g.model().nProduct, 10);
    QCOMPARE(g.model().nIndicator, 34);
    const Indicator& first = g.model().indicators[24];
    QCOMPARE(first.caption, std::string("IM1PV1"));
    QCOMPARE(first.construct, -1);
    QCOMPARE(int(first.predictor), g.indicatorNamed("IMAG1"));
    QCOMPARE(int(first.moderator), g.indicatorNamed("PERV1"));
    QVERIFY(first.standardized);
    QVERIFY(!first.meanCentered);
    QVERIFY(g.model().modified);

    // Showing again starts from nothing; OK with an empty preview only closes.
    g.constructLevel.show();
    QCOMPARE(g.list(g.constructLevel, "ListBox1").count(), 0);
    QCOMPARE(g.constructLevel.findChild<QComboBox*>("ComboBox1")->currentIndex(), -1);
    QVERIFY(!g.checked(g.constructLevel, "CK_Standardized"));
    click(g.constructLevel, "BTN_OK");
    QVERIFY(!g.constructLevel.isVisible());
    QCOMPARE(g.model().nProduct, 10);
    QCOMPARE(g.rebuilds, 1);
}

void ProductTermDialogsTest::constructLevelRefusalsLeaveNothingCreated() {
    Generation g;
    g.constructLevel.show();
    click(g.constructLevel, "BTN_Generate");
    QVERIFY(g.script.told("MSG_PredictorNotSelected"));
    g.generate("IMAG", "IMAG", "IM", "PV");
    QVERIFY(g.script.told("MSG_SameVariable"));
    // A refused alias gets the focus, whichever field was typed last.
    g.constructLevel.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&g.constructLevel));
    g.generate("IMAG", "VAL", "I", "PV");
    QVERIFY(g.script.told("MSG_AliasSize2"));
    QVERIFY(g.constructLevel.findChild<QLineEdit*>("Edit1")->hasFocus());
    g.generate("IMAG", "VAL", "IM", "P");
    QVERIFY(g.constructLevel.findChild<QLineEdit*>("Edit2")->hasFocus());
    QCOMPARE(g.list(g.constructLevel, "ListBox1").count(), 0);
    // A three-letter alias cannot even be typed: the field holds two characters.
    type(g.constructLevel, "Edit2", "PVX");
    QCOMPARE(g.constructLevel.findChild<QLineEdit*>("Edit2")->text(), QString("PV"));

    // Remove all empties the preview; OK then creates nothing.
    g.generate("IMAG", "VAL", "IM", "PV");
    QCOMPARE(g.list(g.constructLevel, "ListBox1").count(), 10);
    click(g.constructLevel, "BTN_RemoveProductIndicators");
    QCOMPARE(g.list(g.constructLevel, "ListBox1").count(), 0);
    QCOMPARE(labelText(g.constructLevel, "StatusBar1"), g.text("BTN_RemoveProductIndicators"));
    click(g.constructLevel, "BTN_OK");
    QCOMPARE(g.model().nProduct, 0);
    QCOMPARE(g.rebuilds, 0);
}

void ProductTermDialogsTest::indicatorLevelKeepsPendingPairsUntilOk() {
    Generation g;
    g.indicatorLevel.show();
    QListWidget& predictors = g.list(g.indicatorLevel, "ListBox1");
    QListWidget& moderators = g.list(g.indicatorLevel, "ListBox2");
    QCOMPARE(predictors.count(), 24);
    const auto pair = [&](const QString& x, const QString& z, const QString& a1, const QString& a2) {
        pick(predictors, {x});
        pick(moderators, {z});
        type(g.indicatorLevel, "Edit1", a1);
        type(g.indicatorLevel, "Edit2", a2);
        click(g.indicatorLevel, "BTN_Generate");
    };
    pair("IMAG1", "PERV1", "IM1", "PV1");
    pair("IMAG2", "PERV2", "IM2", "PV2");
    pair("IMAG2", "IMAG2", "IM2", "PV2");
    QVERIFY(g.script.told("MSG_SameVariable"));
    pair("IMAG3", "PERV2", "IM", "PV2");
    QVERIFY(g.script.told("MSG_AliasSize3"));
    pair("IMAG3", "PERV2", "IM3", "PV2");
    QListWidget& pending = g.list(g.indicatorLevel, "ListBox3");
    QCOMPARE(itemsOf(pending), QStringList({"IM1PV1 - IMAG1*PERV1", "IM2PV2 - IMAG2*PERV2", "IM3PV2 - IMAG3*PERV2"}));
    QCOMPARE(labelText(g.indicatorLevel, "StatusBar1"), "3 " + g.text("MSG_IndGenerated"));
    QVERIFY(g.checked(g.indicatorLevel, "CK_MeanCentered"));

    // The context menu's item removes the selected pending term; later ones move up.
    pick(pending, {"IM2PV2 - IMAG2*PERV2"});
    g.indicatorLevel.findChild<QAction*>("RemoveproductIndicator1")->trigger();
    QCOMPARE(itemsOf(pending), QStringList({"IM1PV1 - IMAG1*PERV1", "IM3PV2 - IMAG3*PERV2"}));
    QCOMPARE(labelText(g.indicatorLevel, "StatusBar1"), g.text("MSG_Remove1ProductTerm"));
    QCOMPARE(g.model().nProduct, 0);

    click(g.indicatorLevel, "BTN_OK");
    QVERIFY(!g.indicatorLevel.isVisible());
    QCOMPARE(g.rebuilds, 1);
    QCOMPARE(g.model().nProduct, 2);
    const Indicator& second = g.model().indicators[25];
    QCOMPARE(second.caption, std::string("IM3PV2"));
    QCOMPARE(int(second.predictor), g.indicatorNamed("IMAG3"));
    QCOMPARE(int(second.moderator), g.indicatorNamed("PERV2"));
    QVERIFY(second.standardized && second.meanCentered);

    // Product indicators are offered as factors at the next showing.
    g.indicatorLevel.show();
    QCOMPARE(predictors.count(), 26);
    QCOMPARE(predictors.item(25)->text(), QString("IM3PV2"));
    QCOMPARE(pending.count(), 0);
}

namespace {

// IMAG x VAL (10 terms, IM?PV?) then EXPE x SAT (9 terms, EX?SA?), created through the dialog.
void generateTwoSets(Generation& g) {
    g.constructLevel.show();
    g.generate("IMAG", "VAL", "IM", "PV");
    click(g.constructLevel, "BTN_OK");
    g.constructLevel.show();
    g.generate("EXPE", "SAT", "EX", "SA");
    click(g.constructLevel, "BTN_OK");
    QCOMPARE(g.model().nProduct, 19);
}

}  // namespace

void ProductTermDialogsTest::reviewFiltersByEitherConstructAndChangesFlags() {
    Generation g;
    generateTwoSets(g);
    gui::ProductTermReviewDialog review(g.workbench);
    auto shown = onModalClosing("TForm14", [&](QWidget& window) {
        QListWidget& lines = g.list(window, "ListBox1");
        QCOMPARE(lines.count(), 19);
        QCOMPARE(lines.item(0)->text(), QString("IM1PV1   [ IMAG1 x PERV1 ]"));
        QCOMPARE(labelText(window, "StatusBar1Panel0"), g.text("MSG_TotalProductTerm") + ": 19");
        auto* filter = window.findChild<QComboBox*>("ComboBox1");
        QCOMPARE(filter->count(), 5);
        QCOMPARE(filter->itemText(0), g.text("MSG_AllProductTerm"));
        // A term is listed under its predictor's and under its moderator's construct.
        choose(window, "ComboBox1", "VAL");
        QCOMPARE(lines.count(), 10);
        choose(window, "ComboBox1", "IMAG");
        QCOMPARE(lines.count(), 10);
        choose(window, "ComboBox1", "SAT");
        QCOMPARE(lines.count(), 9);
        QCOMPARE(lines.item(0)->text(), QString("EX1SA1   [ CUEX1 x CUSA1 ]"));
        QCOMPARE(labelText(window, "StatusBar1Panel0"), " " + g.text("MSG_TotalProductTerm") + ": 9");

        // Two lines selected: unchecking a box changes both terms and no other.
        pick(lines, {"EX1SA2   [ CUEX1 x CUSA2 ]", "EX2SA1   [ CUEX2 x CUSA1 ]"});
        QCOMPARE(labelText(window, "StatusBar1Panel1"), "2 " + g.text("MSG_ItemSelected"));
        QVERIFY(g.checked(window, "CK_Standardized"));
        click(window, "CK_Standardized");
        click(window, "BTN_Cancel");  // changes are already made: Cancel keeps them
    });
    QVERIFY(!review.review());
    QVERIFY(*shown);
    for (const char* name : {"EX1SA2", "EX2SA1"}) QVERIFY2(!g.model().indicators[g.indicatorNamed(name)].standardized, name);
    for (const char* name : {"EX1SA1", "EX1SA3", "IM1PV1"}) QVERIFY2(g.model().indicators[g.indicatorNamed(name)].standardized, name);
    QVERIFY(g.model().indicators[g.indicatorNamed("EX1SA2")].meanCentered);
}

void ProductTermDialogsTest::reviewDeletesAfterTheQuestionAndMovesLaterTermsDown() {
    Generation g;
    generateTwoSets(g);
    gui::ProductTermReviewDialog review(g.workbench);
    auto shown = onModalClosing("TForm14", [&](QWidget& window) {
        QListWidget& lines = g.list(window, "ListBox1");
        pick(lines, {"IM1PV1   [ IMAG1 x PERV1 ]", "IM1PV2   [ IMAG1 x PERV2 ]"});
        g.script.answer(false);  // Cancel in the question: nothing goes
        click(window, "BTN_RemoveProductIndicators");
        QCOMPARE(lines.count(), 19);
        pick(lines, {"IM1PV1   [ IMAG1 x PERV1 ]", "IM1PV2   [ IMAG1 x PERV2 ]"});
        g.script.answer(true);
        click(window, "BTN_RemoveProductIndicators");
        QCOMPARE(lines.count(), 17);
        QCOMPARE(lines.item(0)->text(), QString("IM2PV1   [ IMAG2 x PERV1 ]"));
        QCOMPARE(labelText(window, "StatusBar1Panel0"), g.text("MSG_TotalProductTerm") + " 17");
        click(window, "BTN_OK");
    });
    QVERIFY(review.review());
    QVERIFY(*shown);
    QCOMPARE(g.script.unansweredQuestions(), 0);
    QCOMPARE(g.model().nProduct, 17);
    QCOMPARE(g.model().nIndicator, 41);
    QCOMPARE(g.model().indicators[24].caption, std::string("IM2PV1"));
    QCOMPARE(g.model().indicators[40].caption, std::string("EX3SA3"));

    // Reopened, the lines still name each term's own factors; select all and delete the rest.
    shown = onModalClosing("TForm14", [&](QWidget& window) {
        QListWidget& lines = g.list(window, "ListBox1");
        QCOMPARE(lines.item(8)->text(), QString("EX1SA1   [ CUEX1 x CUSA1 ]"));
        click(window, "BTN_SelectAll");
        QCOMPARE(labelText(window, "StatusBar1Panel1"), "17 " + g.text("MSG_ItemDeleted"));
        g.script.answer(true);
        click(window, "BTN_RemoveProductIndicators");
        QCOMPARE(lines.count(), 0);
        click(window, "BTN_OK");
    });
    QVERIFY(review.review());
    QVERIFY(*shown);
    QCOMPARE(g.model().nProduct, 0);
    QCOMPARE(g.model().nIndicator, 24);
}

QTEST_MAIN(ProductTermDialogsTest)
#include "ProductTermDialogsTest.moc"
