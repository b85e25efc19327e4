#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <vector>
#include <string>

#include <nlohmann/json.hpp>

#include "core/app/Workbench.h"
#include "core/engine/EstimateCommand.h"
#include "core/ports/ScriptedPorts.h"
#include "core/report/WebReport.h"
#include "core/results/EstimateScores.h"
#include "core/results/Reliability.h"
#include "core/results/TableCommands.h"
#include "tests/core/support/EngineProject.h"
#include "tests/core/support/TempFolder.h"

namespace qv {
namespace {
namespace fs = std::filesystem;
using testing::readBytes;

// The ECSI example estimated with the built engine; the tables are written beside the
// copied model file.
class EcsiTablesTest : public EcsiProject {
protected:
    int constructNamed(const std::string& name) {
        for (int k = 0; k < workbench_.model().nConstruct; ++k)
            if (workbench_.model().constructs[k].caption == name) return k;
        return -1;
    }
    static const nlohmann::json& reference() {
        static const nlohmann::json json = nlohmann::json::parse(
            std::ifstream(std::string(QV_TEST_DATA_DIR) + "/reference/a_mobi_path.json"));
        return json;
    }
};

// The listing prints loadings and residual variances with 6 decimals: rounding alone moves
// composite reliability and AVE of these blocks by at most 6.1e-7, so 1e-6 holds as long as
// the engine's own estimates lie within about 4e-7 of the reference.
TEST_F(EcsiTablesTest, DerivedStatisticsAgreeWithTheReference) {
    ASSERT_TRUE(EstimateCommand(workbench_).run());
    ASSERT_TRUE(TableCommands(workbench_).reliabilityTable());
    const nlohmann::json& results = reference()["results"];
    const ProjectModel& model = workbench_.model();
    for (const auto& [name, alpha] : results["cronbach_alpha_raw"].items()) {
        const std::optional<double>& stored = model.constructs[constructNamed(name)].cronbachAlpha;
        if (alpha.is_null())
            EXPECT_FALSE(stored) << name;
        else
            EXPECT_NEAR(stored.value_or(-9), alpha.get<double>(), 1e-9) << name;
    }
    const auto rows = ComputeReliability(model, ResultIndicatorCount(model, workbench_.rawData()));
    ASSERT_EQ(rows.size(), 7u);
    for (const ReliabilityRow& row : rows) {
        EXPECT_NEAR(*row.ave, results["ave"][row.construct].get<double>(), 1e-6) << row.construct;
        if (row.construct == "COM") continue;  // one indicator: no composite reliability
        EXPECT_NEAR(row.compositeReliability.value_or(-9),
                    results["composite_reliability"][row.construct].get<double>(), 1e-6)
            << row.construct;
    }
    EXPECT_NE(written("ecsi_ave.csv").find("\nCOM,n/a,1.000000,n/a\n"), std::string::npos);
}

// Each line of a CSV text split at its commas.
std::vector<std::vector<std::string>> csvLines(const std::string& text) {
    std::vector<std::vector<std::string>> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        lines.emplace_back();
        std::istringstream fields(line);
        for (std::string field; std::getline(fields, field, ',');) lines.back().push_back(field);
    }
    return lines;
}

TEST_F(EcsiTablesTest, CorrelationsCrossLoadingsAndScoresAgreeWithTheReference) {
    ASSERT_TRUE(EstimateCommand(workbench_).run());
    TableCommands tables(workbench_);
    ASSERT_TRUE(tables.correlationTable());
    ASSERT_TRUE(tables.factorStructure());
    ASSERT_TRUE(tables.factorScores());
    const nlohmann::json& results = reference()["results"];
    const auto correlations = csvLines(written("ecsi_cor.csv"));
    ASSERT_EQ(correlations.size(), 7u);
    for (size_t k = 1; k < correlations.size(); ++k)
        for (size_t j = 1; j <= k; ++j)
            EXPECT_NEAR(std::stod(correlations[k][j]),
                        results["lv_correlations"][correlations[k][0]][correlations[0][j]].get<double>(),
                        1e-6);
    const auto structure = csvLines(written("ecsi_efa.csv"));
    ASSERT_EQ(structure.size(), 3u + 24u);
    for (size_t row = 3; row < structure.size(); ++row)
        for (size_t k = 1; k < structure[2].size(); ++k)  // 4 decimals
            EXPECT_NEAR(std::stod(structure[row][k]),
                        results["cross_loadings"][structure[row][0]][structure[2][k]].get<double>(),
                        5.1e-5);
    const auto scores = csvLines(written("ecsi_fs.csv"));
    ASSERT_EQ(scores.size(), 251u);
    for (size_t row = 1; row <= 5; ++row)
        for (size_t k = 25; k < scores[0].size(); ++k)
            EXPECT_NEAR(std::stod(scores[row][k]),
                        results["lv_scores_first5"][row - 1][scores[0][k]].get<double>(), 2e-5)
                << scores[0][k] << " case " << row;
    EXPECT_EQ(scores[1][1], "7");  // the raw values as read
}

TEST_F(EcsiTablesTest, SecondOrderExampleWritesEveryTableWithBothStages) {
    ProjectModel& model = workbench_.model();
    model.currentOrder = 2;
    ASSERT_TRUE(model.addConstruct(500, 500));
    const int top = model.nConstruct - 1;
    model.constructs[top].caption = "TOP";
    ASSERT_TRUE(model.linkConstruct(constructNamed("IMAG"), top));
    ASSERT_TRUE(model.linkConstruct(constructNamed("EXPE"), top));
    ASSERT_TRUE(model.addPath(top, constructNamed("SAT")));
    ASSERT_TRUE(EstimateCommand(workbench_).run());
    ASSERT_EQ(model.estimationStage, 2);
    TableCommands tables(workbench_);
    for (bool (TableCommands::*command)() :
         {&TableCommands::loadingsTable, &TableCommands::correlationTable,
          &TableCommands::reliabilityTable, &TableCommands::factorScores,
          &TableCommands::factorStructure, &TableCommands::factorStructureReport})
        EXPECT_TRUE((tables.*command)());
    const std::string correlations = written("ecsi_cor.csv");
    EXPECT_EQ(correlations.rfind("Correlation of 1st Order Latent Construct\n-,IMAG,EXPE,", 0), 0u);
    EXPECT_NE(correlations.find("\nCorrelation of 2nd Order Latent Construct\n-,QUAL,VAL,SAT,"
                                "COM,LOY,\nQUAL\n"),
              std::string::npos);
    // The second-order construct's indicators are the scores of its members.
    const std::string loadings = written("ecsi_cfa.csv");
    const size_t topLine = loadings.find("\nTOP\n,IMAG,");
    ASSERT_NE(topLine, std::string::npos);
    EXPECT_EQ(loadings.find("\n,EXPE,", topLine), loadings.find("\n", topLine + 5));
    EXPECT_GT(model.constructs[top].cronbachAlpha, 0.5);
    EXPECT_EQ(csvLines(written("ecsi_fs.csv"))[0].size(), 1u + 24u + 8u);
    EXPECT_TRUE(fs::exists(folder_ / "start" / "temp" / "efa.html"));
    EXPECT_EQ(workbench_.rawData().cell(1, 1), "7");
    EXPECT_EQ(model.nIndicator, 24);
}

// Empty cells filled with the missing-value code before the estimate: every table and the
// report work on those filled values, not on the file's empty ones.
TEST_F(EcsiTablesTest, TablesAndReportUseTheCellsTheEstimateFilled) {
    std::string data = written("mobi.txt");
    for (char& c : data) c = c == ' ' ? ',' : c;
    data.replace(data.find('\n') + 1, 1, "");  // case 1 loses its CUEX1
    std::ofstream(folder_ / "project" / "mobi.csv", std::ios::binary) << data;
    workbench_.rawData().raw = (folder_ / "project" / "mobi.csv").string();
    ASSERT_TRUE(workbench_.loadRawData());
    ASSERT_EQ(workbench_.rawData().cell(1, 1), "");
    workbench_.parameters().missingValue = "-99";
    user_.answer(true);
    ASSERT_TRUE(EstimateCommand(workbench_).run());
    TableCommands tables(workbench_);
    for (bool (TableCommands::*command)() :
         {&TableCommands::loadingsTable, &TableCommands::reliabilityTable,
          &TableCommands::factorScores, &TableCommands::factorStructure})
        EXPECT_TRUE((tables.*command)()) << user_.messages().back().text;
    EXPECT_EQ(csvLines(written("ecsi_fs.csv"))[1][1], "-99");
    const std::optional<fs::path> report = WebReport(workbench_).run();
    ASSERT_TRUE(report);
    EXPECT_NE(readBytes(*report).find("<a name=AVE>"), std::string::npos);
}

}  // namespace
}  // namespace qv
