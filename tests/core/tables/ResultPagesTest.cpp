// The results' pages after the ECSI estimate, a seeded bootstrap and a seeded prediction hold,
// cell by cell, the figures of the CSV files the table commands write beside the model.
#include <gtest/gtest.h>

#include <sstream>

#include "core/assessment/AssessmentCommand.h"
#include "core/assessment/AssessmentTables.h"
#include "core/assessment/InferenceCommand.h"
#include "core/predict/PredictFile.h"
#include "core/predict/PredictRun.h"
#include "core/results/ResamplingFigures.h"
#include "core/results/ResamplingRun.h"
#include "core/results/TableCommands.h"
#include "core/tables/ResultPages.h"
#include "tests/core/support/EngineProject.h"

namespace qv {
namespace {

using Lines = std::vector<std::vector<std::string>>;

// The file's lines split at commas (the ECSI captions hold none).
Lines csvLines(const std::string& text) {
    Lines lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        std::vector<std::string> fields;
        std::istringstream split(line);
        for (std::string field; std::getline(split, field, ',');) fields.push_back(field);
        if (!line.empty() && line.back() == ',') fields.emplace_back();
        lines.push_back(std::move(fields));
    }
    return lines;
}

class ResultPagesTest : public EcsiProject {
protected:
    void SetUp() override {
        EcsiProject::SetUp();
        if (IsSkipped()) return;
        estimate();
        workbench_.resampling().nSample = "30";
        workbench_.resampling().seed = "8";
        const auto bootstrap = InferenceCommand(workbench_).run(true);
        ASSERT_TRUE(bootstrap);
        inference_ = bootstrap->inference;
        TableCommands commands(workbench_);
        for (auto command : {&TableCommands::loadingsTable, &TableCommands::correlationTable,
                             &TableCommands::factorScores, &TableCommands::factorStructure})
            ASSERT_TRUE((commands.*command)());
        ASSERT_TRUE(AssessmentCommand(workbench_).writeTables());
        const auto prediction = PredictRun(workbench_).run({5, 1, 3, PredictTechnique::DirectAntecedents});
        ASSERT_TRUE(prediction);
        prediction_ = *prediction;
        pages_ = CollectResultPages(ResultContext::of(workbench_), {&inference_, SampleKind::Bootstrap, &prediction_});
    }

    const ResultTable& page(const std::string& key) {
        for (const ResultPage& page : pages_)
            if (page.key == key && page.table) return *page.table;
        ADD_FAILURE() << "no table on page " << key;
        static const ResultTable none;
        return none;
    }
    static std::string cell(const ResultTable& table, size_t row, size_t column, int decimals = 6) {
        const TableCell* found = table.cell(row, column);
        return found ? CellText(*found, decimals) : "<none>";
    }

    Inference inference_;
    PredictResult prediction_;
    std::vector<ResultPage> pages_;
};

TEST_F(ResultPagesTest, EveryPageOfAnEstimateWithABootstrapHasItsTableAndOnlyTheJackknifeWaits) {
    for (const ResultPage& page : pages_) {
        const bool waits = page.key == "jackknife" || page.key == "groups" || page.key == "correlations_2";
        EXPECT_EQ(page.table.has_value(), !waits) << page.key;
        EXPECT_FALSE(page.command.empty()) << page.key;
    }
    EXPECT_EQ(FilledTables(pages_).size(), pages_.size() - 3);
}

TEST_F(ResultPagesTest, ThePredictionPagesMatchTheirFile) {
    ASSERT_TRUE(WritePredictFile(ResultContext::of(workbench_), prediction_));
    const Lines lines = csvLines(written("ecsi_predict.csv"));
    size_t line = 0;
    for (const char* key : {"predict_indicators", "predict_constructs"}) {
        const ResultTable& table = page(key);
        ASSERT_LT(line + 1, lines.size());
        std::string title;  // the title line stands as it is, its commas split by the reading
        for (const std::string& field : lines[line]) title += (title.empty() ? "" : ",") + field;
        EXPECT_EQ(title, table.title);
        EXPECT_EQ(lines[line + 1], table.columns);
        line += 2;
        for (size_t row = 0; row < table.rows.size(); ++row, ++line) {
            ASSERT_LT(line, lines.size());
            for (size_t c = 0; c < lines[line].size(); ++c) EXPECT_EQ(cell(table, row, c), lines[line][c]) << key << row;
        }
        ++line;  // the blank line between the tables
    }
    EXPECT_EQ(page("predict_indicators").rows.size(), 19u);
    EXPECT_EQ(page("predict_constructs").rows.size(), 6u);
}

TEST_F(ResultPagesTest, LoadingsCorrelationsCrossLoadingsAndScoresMatchTheirFiles) {
    const ResultTable& outer = page("outer_model");
    size_t row = 0;
    std::string construct;
    const Lines cfa = csvLines(written("ecsi_cfa.csv"));
    for (const auto& line : std::vector(cfa.begin() + 1, cfa.end())) {
        if (line.size() == 1) construct = line[0];
        if (line.size() != 7) continue;
        ASSERT_LT(row, outer.rows.size());
        EXPECT_EQ(cell(outer, row, 0), construct);
        for (size_t c = 1; c < 7; ++c) EXPECT_EQ(cell(outer, row, c), line[c]) << row << "," << c;
        ++row;
    }
    EXPECT_EQ(row, outer.rows.size());

    const ResultTable& correlations = page("correlations");
    const Lines cor = csvLines(written("ecsi_cor.csv"));
    ASSERT_EQ(cor.size(), correlations.rows.size());
    for (size_t r = 1; r < cor.size(); ++r) {
        EXPECT_EQ(cell(correlations, r, 0), cor[r][0]);
        for (size_t c = 1; c + 1 < cor[r].size(); ++c) EXPECT_EQ(cell(correlations, r, c), cor[r][c]);
    }

    const ResultTable& cross = page("cross_loadings");
    const Lines efa = csvLines(written("ecsi_efa.csv"));
    size_t crossRow = 0;
    for (size_t r = 3; r < efa.size() && crossRow < cross.rows.size(); ++r) {
        if (efa[r].size() != 8) continue;
        EXPECT_EQ(cell(cross, crossRow, 0), efa[r][0]);
        for (size_t c = 1; c < 8; ++c) EXPECT_EQ(cell(cross, crossRow, c + 1, 4), efa[r][c]) << r << "," << c;
        ++crossRow;
    }
    EXPECT_EQ(crossRow, 24u);

    const ResultTable& scores = page("scores");
    const Lines fs = csvLines(written("ecsi_fs.csv"));
    ASSERT_EQ(fs.size(), 251u);
    ASSERT_EQ(scores.rows.size(), 250u);
    for (size_t r = 1; r < fs.size(); ++r) {
        EXPECT_EQ(cell(scores, r - 1, 0, 0), fs[r][0]);
        for (size_t k = 0; k < 7; ++k)
            EXPECT_NEAR(scores.rows[r - 1][k + 1].number, std::stod(fs[r][fs[r].size() - 7 + k]), 1e-12);
    }
}

TEST_F(ResultPagesTest, TheAssessmentAndInferencePagesAreTheTablesOfTheirFiles) {
    const std::pair<const char*, const char*> pages[] = {
        {"htmt", "ecsi_htmt.csv"}, {"htmt2", "ecsi_htmt.csv"}, {"fornell_larcker", "ecsi_htmt.csv"},
        {"outer_vif", "ecsi_vif.csv"}, {"inner_vif", "ecsi_vif.csv"}, {"f2", "ecsi_f2.csv"},
        {"reliability", "ecsi_reliability.csv"}, {"effects", "ecsi_effects.csv"}, {"srmr", "ecsi_fit.csv"},
        {"inference", "ecsi_inference.csv"}};
    for (const auto& [key, file] : pages) {
        const std::string table = FormatCsvTables({FigureTableOf(page(key))});
        EXPECT_NE(written(file).find(table), std::string::npos) << key;
    }
    // ECSI's IMAG and QUAL correlate at 0.749, above IMAG's square root of AVE (0.692);
    // VAL and IMAG at 0.509 stay below both.
    const ResultTable& fornellLarcker = page("fornell_larcker");
    EXPECT_EQ(fornellLarcker.rows[2][1].mark, Threshold::AboveRootAve) << cell(fornellLarcker, 2, 1);
    EXPECT_FALSE(fornellLarcker.rows[3][1].mark) << cell(fornellLarcker, 3, 1);
    EXPECT_FALSE(fornellLarcker.rows[2][3].mark);
    // The seed and the rejected subsamples reach the run's page.
    const ResultTable& run = page("run");
    std::string settings;
    for (size_t r = 0; r < run.rows.size(); ++r) settings += cell(run, r, 0) + "=" + cell(run, r, 1) + "\n";
    EXPECT_NE(settings.find("Bootstrap seed=8\n"), std::string::npos) << settings;
    EXPECT_NE(settings.find("Bootstrap subsamples rejected=0\n"), std::string::npos);
    EXPECT_NE(settings.find("Engine=Iterations "), std::string::npos);
    EXPECT_NE(settings.find("Cases=250\n"), std::string::npos);
}

// The records hold the statistics of the last resampling run only: after a jackknife the
// bootstrap's summary waits, while its inference, kept apart, stays.
TEST_F(ResultPagesTest, OnlyTheLastResamplingKindShowsItsSummary) {
    ASSERT_TRUE(ResamplingRun(workbench_).run(SampleKind::Jackknife));
    const auto pages = CollectResultPages(ResultContext::of(workbench_), {&inference_, SampleKind::Jackknife});
    for (const ResultPage& page : pages) {
        if (page.key == "jackknife") {
            ASSERT_TRUE(page.table);
            ASSERT_EQ(page.table->columns.size(), 10u);
            // Each loading row holds the jackknife figures of its indicator's records.
            const ProjectModel& model = workbench_.model();
            for (const TableRow& row : page.table->rows) {
                if (row[0].text != "Loading") continue;
                int i = 0;
                while (i < model.nIndicator && model.indicators[i].caption != row[2].text) ++i;
                ASSERT_LT(i, model.nIndicator) << row[2].text;
                const Figures figures = LoadingFigures(model.indicators[i], SampleKind::Jackknife, 250);
                for (size_t at = 0; at < figures.size(); ++at)
                    EXPECT_EQ(CellText(row[3 + at], 12), figures[at] ? CellText(TableCell::ofNumber(*figures[at]), 12) : "n/a")
                        << row[2].text;
            }
        }
        if (page.key == "bootstrap") {
            EXPECT_FALSE(page.table);
            EXPECT_NE(page.missing.find("run this one again"), std::string::npos);
        }
        if (page.key == "inference") {
            EXPECT_TRUE(page.table);
        }
    }
}

TEST_F(ResultPagesTest, AGroupComparisonLeavesOnlyItsOwnPageAndTheEstimatePagesSayWhy) {
    workbench_.model().groupRun = true;
    const auto pages = CollectResultPages(ResultContext::of(workbench_), {&inference_, SampleKind::Bootstrap});
    for (const ResultPage& page : pages) {
        EXPECT_EQ(page.table.has_value(), page.key == "groups") << page.key;
        if (page.command == "MNU_RunPLS") {
            EXPECT_NE(page.missing.find("group 1"), std::string::npos) << page.key;
        }
    }
}

}  // namespace
}  // namespace qv
