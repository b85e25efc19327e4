#pragma once

#include <filesystem>
#include <string>

namespace qv::bench {

// A model of known structure for the benchmarks: `constructs` reflective constructs in a
// chain (each the one before it times 0.5 plus noise), `indicators` spread over them as
// evenly as the counts allow, every loading drawn from 0.7 to 0.9, standard normal cases
// written with three decimals.
struct SyntheticModel {
    int cases = 250;
    int indicators = 24;
    int constructs = 7;
    unsigned seed = 1;
};

// Writes NAME.txt (a header line of names, then one line of values per case) and NAME.qvt
// (the model, its data file NAME.txt) into `folder`. Returns the model file.
std::filesystem::path WriteSyntheticProject(const std::filesystem::path& folder, const std::string& name,
                                            const SyntheticModel& model);

}  // namespace qv::bench
