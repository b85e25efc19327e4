#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace lvpls {

// The card word of a line that draws a problem's cases from the data records of the problem
// before it: "SAMPLE <selection>[ <title>]".
inline constexpr std::string_view kSampleCard = "SAMPLE";

// True when the line is a SAMPLE line.
bool isSampleLine(std::string_view line);

struct SampleLine {
    std::string_view selection;
    std::string title;  // empty when the line carries none
};

// Splits a SAMPLE line into its selection (empty when it names none) and its title.
SampleLine splitSampleLine(std::string_view line);

// The records a selection takes, 0-based, in record order, a record drawn k times k times
// in a row: "*" every record, "-k" every record but the k-th (1-based), or one count per
// record ('0' to '9', a larger count as "(k)"). Throws ProblemError naming the fault.
std::vector<int> selectedRecords(std::string_view selection, int records);

}  // namespace lvpls
