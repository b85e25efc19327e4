#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/results/ResultContext.h"
#include "core/tables/ResultTable.h"

namespace qv {

struct Inference;  // its header needs Eigen, which the users of the pages do not
struct PredictResult;
enum class SampleKind;

// One page of the results: its table once the figures exist; until then the menu command
// (its component name) that makes them, and why the page is empty when that is not obvious.
struct ResultPage {
    std::string key;
    std::string title;
    std::string command;
    std::optional<ResultTable> table;
    std::string missing;
};

// Every page the results can show, in their order, each without its table.
std::vector<ResultPage> ResultPageCatalogue();

// What the model's records do not keep: the last bootstrap's inference, which kind of
// resampling ran last (the records hold only that run's statistics), and the last prediction
// of the estimated model.
struct KeptRuns {
    const Inference* inference = nullptr;
    std::optional<SampleKind> lastResampling;
    const PredictResult* prediction = nullptr;
};

// The pages of the model's current results: those of the last estimate (outer and inner
// model, reliability and validity, the assessment's criteria, scores, the run's settings and
// messages), of the last resampling run (its summary, and the bootstrap's inference when one
// is kept), of the last prediction, and of a group comparison. The tables are computed as the table commands compute
// them (the grid is read again); a step that fails is told and leaves its pages empty.
std::vector<ResultPage> CollectResultPages(ResultContext context, const KeptRuns& kept);

// The pages that hold a table.
std::vector<ResultTable> FilledTables(const std::vector<ResultPage>& pages);

}  // namespace qv
