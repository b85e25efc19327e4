// An interaction model built through the dialogs as a user builds it: IMAG x PERV product
// terms generated at construct level, assigned to a construct of their own that predicts SAT,
// estimated by the engine, and one product column recomputed from the data file.
#include <cmath>

#include "core/engine/EstimateCommand.h"
#include "core/model/NumberText.h"
#include "gui/editing/ConstructDialog.h"
#include "gui/editing/ConstructTermsDialog.h"
#include "tests/gui/EcsiWorkbench.h"

using namespace qv;
using namespace qv::test;

class InteractionModelDialogsTest : public QObject {
    Q_OBJECT
private slots:
    void interactionModelEstimatesWithTheCentredStandardizedProducts();
};

namespace {

// (x - mean x)(z - mean z), then standardized with the divisor n - 1.
std::vector<double> centredStandardizedProduct(const std::vector<double>& x, const std::vector<double>& z) {
    const auto mean = [](const std::vector<double>& v) {
        double sum = 0;
        for (const double value : v) sum += value;
        return sum / static_cast<double>(v.size());
    };
    const double mx = mean(x), mz = mean(z);
    std::vector<double> product;
    for (size_t r = 0; r < x.size(); ++r) product.push_back((x[r] - mx) * (z[r] - mz));
    const double mp = mean(product);
    double squares = 0;
    for (const double value : product) squares += (value - mp) * (value - mp);
    const double deviation = std::sqrt(squares / static_cast<double>(product.size() - 1));
    for (double& value : product) value = (value - mp) / deviation;
    return product;
}

int columnHeaded(const RawDataTable& table, const std::string& heading) {
    for (int column = 0; column < table.columnCount(); ++column)
        if (table.cell(column, 0) == heading) return column;
    return -1;
}

}  // namespace

void InteractionModelDialogsTest::interactionModelEstimatesWithTheCentredStandardizedProducts() {
    EcsiWorkbench e;
    gui::ConstructTermsDialog generation(e.workbench, [] {});
    generation.show();
    choose(generation, "ComboBox1", "IMAG");
    choose(generation, "ComboBox2", "VAL");
    type(generation, "Edit1", "IM");
    type(generation, "Edit2", "PV");
    click(generation, "BTN_Generate");
    click(generation, "BTN_OK");  // both boxes checked by Generate
    QCOMPARE(e.model().nProduct, 10);

    // A new construct takes the ten product terms and predicts SAT.
    const int interaction = e.model().nConstruct;
    QVERIFY(e.model().addConstruct(400, 300));
    QStringList products;
    for (int i = 24; i < 34; ++i) products << QString::fromStdString(e.model().indicators[i].caption);
    gui::ConstructDialog constructDialog(e.workbench);
    auto shown = onModalClosing("TForm5", [&](QWidget& window) {
        type(window, "Edit1", "IMxPV");
        pick(*window.findChild<QListWidget*>("ListBox1"), products);
        click(window, "BTN_Assign");
        click(window, "BTN_OK");
    });
    QVERIFY(constructDialog.editConstruct(interaction));
    QVERIFY(*shown);
    QCOMPARE(e.model().constructs[interaction].nInd, 10);
    const int satisfaction = e.constructNamed("SAT");
    QVERIFY(e.model().addPath(interaction, satisfaction));

    if (!e.folder.hasEngine()) QSKIP("The build has no engine: the interaction model was built, not estimated.");
    QVERIFY(EstimateCommand(e.workbench).run());

    const RawDataTable& table = e.workbench.rawData();
    const int column = columnHeaded(table, "IM2PV1");
    QVERIFY(column > 0);
    const auto data = e.dataFile();
    const std::vector<double> expected = centredStandardizedProduct(data.at("IMAG2"), data.at("PERV1"));
    QCOMPARE(table.caseCount(), int(expected.size()));
    for (int r = 0; r < table.caseCount(); ++r)
        QVERIFY2(std::abs(parseNumber(table.cell(column, r + 1)).value_or(1e9) - expected[r]) < 1e-12, qPrintable(QString::number(r)));

    // The engine gave the interaction its path and loadings.
    float beta = 0;
    for (int p = 0; p < e.model().nPath; ++p)
        if (e.model().paths[p].src == interaction && e.model().paths[p].dest == satisfaction)
            beta = e.model().paths[p].coefficient;
    QVERIFY2(beta != 0 && std::abs(beta) < 1, qPrintable(QString::number(beta)));
    QVERIFY(e.model().indicators[25].loading != 0);
}

QTEST_MAIN(InteractionModelDialogsTest)
#include "InteractionModelDialogsTest.moc"
