#include "core/tables/ResultPages.h"

#include <map>

#include "core/assessment/AssessmentCommand.h"
#include "core/assessment/AssessmentTables.h"
#include "core/assessment/BootstrapInference.h"
#include "core/consistent/ConsistentParameter.h"
#include "core/groups/GroupStatistic.h"
#include "core/model/WholeFile.h"
#include "core/predict/PredictTables.h"
#include "core/results/ResamplingSummaryTable.h"
#include "core/results/TableCommands.h"
#include "core/tables/EstimateResults.h"
#include "core/tables/ResamplingResults.h"
#include "core/tables/RunResults.h"

namespace qv {
namespace {

constexpr const char* kEstimate = "MNU_RunPLS";

using Tables = std::map<std::string, ResultTable>;

void keep(Tables& tables, ResultTable table) {
    std::string key = table.key;
    tables.emplace(std::move(key), std::move(table));
}

void keepAll(Tables& tables, std::vector<ResultTable> list) {
    for (ResultTable& table : list) keep(tables, std::move(table));
}

const char* innerWeightingName(int position) {
    static const char* const names[] = {"path", "centroid", "factor"};
    return position >= 0 && position < 3 ? names[position] : "path";
}

ResultTable runTable(const ResultContext& c, const Inference* inference) {
    std::vector<std::pair<std::string, std::string>> settings{
        {"Model file", c.files.project},
        {"Data file", c.table.raw},
        {"Listing", c.files.result},
        {"Cases", std::to_string(c.table.caseCount())},
        {"Estimation", c.parameters.consistent ? std::string(kConsistentCaption) + ", corrected for attenuation" : "PLS"},
        {"Inner weighting", innerWeightingName(c.parameters.innerWeighting)},
        {"Maximum iterations", c.parameters.maxIteration},
        {"Missing-value code", c.parameters.missingValue.empty() ? "none" : c.parameters.missingValue}};
    if (inference)
        settings.insert(settings.end(), {{"Bootstrap subsamples", std::to_string(inference->samples)},
                                         {"Bootstrap subsamples rejected", std::to_string(inference->rejected)},
                                         {"Bootstrap seed", std::to_string(inference->seed)},
                                         {"Confidence level", std::to_string(static_cast<int>(inference->confidence * 100 + 0.5)) + "%"}});
    std::string reason;
    const auto listing = ReadWholeFile(c.files.result, reason);
    return RunResults(settings, listing ? ListingEchoLines(*listing) : std::vector<std::string>{});
}

void addEstimate(ResultContext& c, Tables& tables, std::map<std::string, std::string>& missing) {
    const ProjectModel& model = c.model;
    keep(tables, PathListResults(model));
    keep(tables, PathMatrixResults(model));
    keep(tables, ExplainedVarianceResults(model, c.table.caseCount()));
    TableCommands commands(c);
    if (const auto blocks = commands.loadingBlocks()) keep(tables, OuterModelResults(model, *blocks));
    auto matrices = commands.latentCorrelations();
    auto structure = commands.crossLoadings();
    if (commands.scoresInGrid()) keep(tables, ScoreResults(model, c.table));
    // One assessment gives its own pages and, under consistent PLS, the corrected correlations
    // and cross-loadings.
    const std::optional<Assessment> assessment =
        model.hasSecondOrder ? std::nullopt : AssessmentCommand(c).assess();
    if (structure && CorrectCrossLoadings(c, assessment ? &*assessment : nullptr, *structure)) {
        ResultTable table = CrossLoadingResults(model, *structure);
        if (c.parameters.consistent) table.notes.push_back(kConsistentCrossLoadingNote);
        keep(tables, std::move(table));
    }
    if (matrices && CorrectCorrelations(c, assessment ? &*assessment : nullptr, matrices->firstOrder)) {
        keep(tables, CorrelationResults(model, matrices->firstOrder, "correlations", "Latent variable correlations"));
        if (matrices->secondStage)
            keep(tables, CorrelationResults(model, *matrices->secondStage, "correlations_2",
                                            "Second-stage latent variable correlations"));
    }
    if (model.hasSecondOrder) {
        for (const char* key : {"reliability", "fornell_larcker", "htmt", "htmt2", "outer_vif", "inner_vif", "f2",
                                "effects", "srmr"})
            missing[key] = "The assessment covers models without second-order constructs.";
        return;
    }
    if (!assessment) return;
    for (auto builder : {DiscriminantResults, VifResults, F2Results, ReliabilityResults, EffectResults})
        keepAll(tables, builder(*assessment));
    keep(tables, FitResults(*assessment).back());
}

// The summary of the kind that ran last; the other kind's page says why it waits.
void addResampling(const ProjectModel& model, int cases, const KeptRuns& kept, Tables& tables,
                   std::map<std::string, std::string>& missing) {
    for (const SampleKind kind : {SampleKind::Bootstrap, SampleKind::Jackknife}) {
        const bool done = kind == SampleKind::Bootstrap ? model.bootstrapDone : model.jackknifeDone;
        const char* key = kind == SampleKind::Bootstrap ? "bootstrap" : "jackknife";
        if (done && kept.lastResampling == kind)
            keep(tables, SummaryResults(BuildSummaryTable(model, kind, cases)));
        else if (done)
            missing[key] = "A later resampling run of the other kind replaced these figures; run this one again.";
    }
    if (model.bootstrapDone && kept.inference) keep(tables, InferenceResults(*kept.inference));
}

}  // namespace

std::vector<ResultPage> ResultPageCatalogue() {
    const char* bootstrap = "MNU_RunBootStrap";
    return {{"paths", "Path coefficients", kEstimate, {}, {}},
            {"path_matrix", "Path matrix", kEstimate, {}, {}},
            {"outer_model", "Loadings and weights", kEstimate, {}, {}},
            {"r_square", "R² and Q²", kEstimate, {}, {}},
            {"reliability", "Reliability and validity", kEstimate, {}, {}},
            {"fornell_larcker", "Fornell-Larcker", kEstimate, {}, {}},
            {"htmt", "HTMT", kEstimate, {}, {}},
            {"htmt2", "HTMT2", kEstimate, {}, {}},
            {"cross_loadings", "Cross-loadings", kEstimate, {}, {}},
            {"correlations", "Correlations", kEstimate, {}, {}},
            {"correlations_2", "Second-stage correlations", kEstimate, {}, "Only a two-stage estimate has them."},
            {"outer_vif", "Outer VIF", kEstimate, {}, {}},
            {"inner_vif", "Inner VIF", kEstimate, {}, {}},
            {"f2", "Effect sizes f²", kEstimate, {}, {}},
            {"effects", "Indirect and total effects", kEstimate, {}, {}},
            {"srmr", "SRMR", kEstimate, {}, {}},
            {"inference", "Bootstrap inference", bootstrap, {}, {}},
            {"bootstrap", "Bootstrap summary", bootstrap, {}, {}},
            {"jackknife", "Jackknife summary", "MNU_RunJacknife", {}, {}},
            {"predict_indicators", "PLSpredict: indicators", "MNU_Predict", {}, {}},
            {"predict_constructs", "PLSpredict: constructs", "MNU_Predict", {}, {}},
            {"scores", "Construct scores", kEstimate, {}, {}},
            {"groups", "Group comparison", "BTN_MultiGroup", {}, {}},
            {"run", "Settings and messages", kEstimate, {}, {}}};
}

std::vector<ResultPage> CollectResultPages(ResultContext c, const KeptRuns& kept) {
    Tables tables;
    std::map<std::string, std::string> missing;
    const ProjectModel& model = c.model;
    const int cases = c.table.caseCount();
    if (model.groupRun) {
        ResultTable groups = GroupComparisonResults(GroupComparisonRows(model), model.groupDf);
        if (c.parameters.consistent) groups.notes.push_back(kConsistentGroupNote);
        keep(tables, std::move(groups));
        missing[kEstimate] = "A group comparison holds group 1's estimate only.";
    } else if (model.estimated) {
        addEstimate(c, tables, missing);
        addResampling(model, cases, kept, tables, missing);
        if (kept.prediction) keepAll(tables, PredictResults(*kept.prediction));
        keep(tables, runTable(c, model.bootstrapDone ? kept.inference : nullptr));
    }
    std::vector<ResultPage> pages = ResultPageCatalogue();
    for (ResultPage& page : pages) {
        if (const auto found = tables.find(page.key); found != tables.end()) page.table = std::move(found->second);
        if (const auto why = missing.find(page.key); why != missing.end()) page.missing = why->second;
        if (const auto why = missing.find(page.command); why != missing.end()) page.missing = why->second;
    }
    return pages;
}

std::vector<ResultTable> FilledTables(const std::vector<ResultPage>& pages) {
    std::vector<ResultTable> tables;
    for (const ResultPage& page : pages)
        if (page.table) tables.push_back(*page.table);
    return tables;
}

}  // namespace qv
