#pragma once

#include <optional>
#include <string>
#include <vector>

namespace qv {

// The command line of quorvanta-batch: a command, the model file and the command's options.
struct BatchOptions {
    std::string command;  // estimate, assess, bootstrap, jackknife, tables, report, groups, predict; help, version
    std::string modelFile;
    std::optional<std::string> samples;  // bootstrap: number of subsamples
    std::optional<std::string> seed;     // bootstrap, groups, predict, report: generator seed, 0 = the clock
    std::optional<std::string> json;     // estimate, assess, bootstrap, predict: also write the results as JSON here
    std::optional<std::string> xlsx;     // tables: also write every table into this workbook
    std::optional<std::string> csvFolder;  // tables: also write every table as a CSV file here
    std::optional<int> confidence;       // bootstrap: the percent level of the intervals
    bool cancel = false;                 // answer Cancel to every question
    std::vector<std::string> group1;     // groups: the conditions of each group
    std::vector<std::string> group2;
    bool bootstrap = false;              // report: bootstrap before writing the report
    bool jackknife = false;              // report: jackknife before writing the report
    bool predict = false;                // report: PLSpredict before writing the report
    bool consistent = false;             // estimate: correct the estimate (consistent PLS)
    std::optional<int> folds;            // predict: k of the k folds
    std::optional<int> repetitions;      // predict: how often the cases are dealt into folds
    std::optional<std::string> technique;  // predict: "da" or "ea"
    int timeoutSeconds = 0;              // ends the run after this long; 0 = no limit
};

extern const char* const kBatchUsage;
// The first line of it and where to find the rest, after a command line that cannot be run.
extern const char* const kBatchShortUsage;

// The options, or an error text for a command line that names no known command or model.
std::optional<BatchOptions> ParseBatchOptions(int argc, const char* const* argv, std::string& error);

}  // namespace qv
