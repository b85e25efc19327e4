#include "core/report/WebReportFigures.h"

#include "core/engine/Blocks.h"
#include "core/engine/LatentCorrelations.h"
#include "core/rawdata/ColumnStatistics.h"
#include "core/results/ConstructScores.h"
#include "core/results/RawValues.h"

namespace qv {
namespace {

// Appends the row of indicator i (its data in grid column i + 1); false on a conversion error.
bool appendRow(const ProjectModel& model, const RawDataTable& table, int i,
               std::optional<double> missingCode, ReportLoadings& loadings) {
    const ColumnNumbers values = PresentValues(table, i + 1, missingCode);
    if (!values.error.empty()) {
        loadings.error = values.error;
        return false;
    }
    const ColumnStatistics statistics = statisticsOf(values.values);
    const Indicator& indicator = model.indicators[i];
    loadings.blocks.back().rows.push_back({indicator.caption, statistics.mean,
                                           statistics.standardDeviation, indicator.loading,
                                           indicator.residual, indicator.weight});
    return true;
}

}  // namespace

ReportLoadings ComputeReportLoadings(const ProjectModel& model, const RawDataTable& table,
                                     int indicatorCount, std::optional<double> missingCode) {
    ReportLoadings loadings;
    for (int k = 0; k < model.nConstruct; ++k) {
        loadings.blocks.push_back({k, model.constructs[k].caption, {}});
        for (int i = 0; i < indicatorCount; ++i)
            if (model.indicators[i].construct == k &&
                !appendRow(model, table, i, missingCode, loadings))
                return loadings;
    }
    return loadings;
}

ReportLoadings ComputeSecondOrderLoadings(const ProjectModel& model, const RawDataTable& table,
                                          std::optional<double> missingCode) {
    ReportLoadings loadings;
    for (int k = 0; k < model.nConstruct; ++k) {
        if (model.constructs[k].order != 2) continue;
        loadings.blocks.push_back({k, model.constructs[k].caption, {}});
        for (int j = 0; j < model.nConstruct; ++j) {
            const int score = model.constructs[j].scoreIndicator;
            if (model.constructs[j].construct != k || score < 0 || score >= kMaxIndicators ||
                model.indicators[score].loading == 0)
                continue;
            if (!appendRow(model, table, score, missingCode, loadings)) return loadings;
        }
    }
    return loadings;
}

ReportMatrix FirstOrderReportMatrix(const ProjectModel& model, const CorrelationMatrix& matrix) {
    ReportMatrix report;
    const std::vector<int>& participants = matrix.participants;
    for (size_t k = 0; k < participants.size(); ++k) {
        const std::string& caption = model.constructs[participants[k]].caption;
        if (k + 1 < participants.size()) report.columns.push_back(caption);
        if (k > 0) report.rows.push_back({caption, matrix.lower[k]});
    }
    return report;
}

ReportMatrix SecondStageReportMatrix(const ProjectModel& model, std::string_view listing) {
    const std::vector<int> participants = SecondStageParticipants(model);
    const CorrelationMatrix matrix =
        ReadParticipantCorrelations(model, listing, kRegularStage, participants);
    const auto read = ReadLatentCorrelations(
        listing, "ALLSample", static_cast<int>(BlockConstructs(model, kRegularStage).size()));
    ReportMatrix report;
    for (size_t r = 0; r < participants.size(); ++r) {
        const std::string& caption = model.constructs[participants[r]].caption;
        report.columns.push_back(caption);
        ReportMatrixRow row{caption, matrix.lower[r]};
        const int block = BlockPosition(model, kRegularStage, participants[r]);
        row.values.push_back(read && block >= 0 ? read->at(block, block) : 0.0);
        report.rows.push_back(std::move(row));
    }
    return report;
}

std::optional<ReportRSquare> ReportRSquareOf(const ProjectModel& model) {
    if (model.nBlindfolding <= 0 || model.nConstruct == 0) return std::nullopt;
    // Every construct of one estimate carries the same kind of Q-square.
    ReportRSquare rSquare{model.constructs[0].q2Kind, {}};
    for (int k = 0; k < model.nConstruct; ++k) {
        if (!model.blindfoldingFlags[k]) continue;
        const Construct& construct = model.constructs[k];
        rSquare.rows.push_back(
            {construct.caption, construct.rSquare, construct.q2, construct.q2sd, construct.q2Missing});
    }
    return rSquare;
}

void ReadReportScores(const ProjectModel& model, const RawDataTable& table,
                      WebReportContents& contents) {
    for (int k = 0; k < model.nConstruct; ++k)
        contents.scoreCaptions.push_back(table.cell(scoreColumn(model, table, k), 0));
    for (int row = 1; row <= table.caseCount(); ++row) {
        ReportScoreRow scores;
        for (int k = 0; k < model.nConstruct; ++k)
            scores.push_back(cellNumber(table, scoreColumn(model, table, k), row));
        contents.scores.push_back(std::move(scores));
    }
}

}  // namespace qv
