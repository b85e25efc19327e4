#pragma once

#include "tests/lvpls/support/DataSet.h"

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace lvpls::testing {

struct BlockSpec {
    std::string name;
    std::vector<std::string> indicators;
    int mode = 0;  // 0 Mode A, 1 Mode B
};

// One problem as the workbench's control-file writer lays it out.
struct ControlRun {
    std::string title = "ALLSample";
    std::vector<BlockSpec> blocks;
    std::vector<std::pair<std::string, std::string>> paths;  // from, to
    int scheme = 1;
    int maxIterations = 100;
    int metric = 1;
    int blindTarget = 0;
    int blindDistance = 0;
    std::optional<int> missingCode;
    std::vector<int> cases;  // 0-based data rows, in record order; empty: every case
};

// Appends one run in the card layout; the caller appends "STOP".
void appendControlRun(std::string& out, const ControlRun& run, const DataSet& data);

// The selection of a SAMPLE line that draws the 0-based rows `cases` (sorted) from `records`
// records: one count per record, "(k)" from ten up.
std::string sampleCounts(const std::vector<int>& cases, int records);

// As many case rows as the data hold, drawn with replacement and sorted: a bootstrap subsample.
std::vector<int> bootstrapCases(int cases, unsigned seed);

}  // namespace lvpls::testing
