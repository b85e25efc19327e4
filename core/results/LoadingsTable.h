#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/model/ProjectModel.h"
#include "core/rawdata/RawDataTable.h"

namespace qv {

// One estimated indicator: its data column's mean and sample deviation beside its estimates.
struct LoadingRow {
    std::string indicator;
    double mean = 0;
    double stdev = 0;
    float loading = 0;
    float residual = 0;
    float weight = 0;
};

// A construct with its estimated indicators; a construct without any keeps its name line.
struct LoadingBlock {
    std::string construct;
    std::vector<LoadingRow> rows;
};

struct LoadingsTable {
    std::vector<LoadingBlock> blocks;
    std::string error;  // the conversion error of a data cell that is not a number
};

// Every construct in index order with its indicators among the first indicatorCount whose
// loading is not 0. Mean and deviation (divisor n - 1) leave out the cells that hold the
// missing-value code.
LoadingsTable ComputeLoadingsTable(const ProjectModel& model, const RawDataTable& table,
                                   int indicatorCount, std::optional<double> missingCode);

// The "_cfa.csv" text: a header, then each construct's name line and its indicator lines
// (an empty first field), every line after the header begun by its line break.
std::string FormatLoadingsTable(const std::vector<LoadingBlock>& blocks);

}  // namespace qv
