#pragma once

#include <string_view>

namespace lvpls {

// The parameter line of a problem: "%4d%4d   1%d%d%d%d   %d%4d   5   %d  %2d  %2d" with the
// record count written as "-%3d" when a MISSING card follows.
struct ParameterCard {
    int blocks = 0;
    int records = 0;  // counts the MISSING card when there is one
    bool missingCard = false;
    int outputCodes[4] = {0, 0, 0, 0};
    int scheme = 1;
    int maxIterations = 100;
    int convergence = 5;  // stop when weights change less than 10^-convergence
    int metric = 1;
    int blindTarget = 0;
    int blindDistance = 0;
};

// Fields widened by large numbers shift the columns, so the card is read field by field;
// the block count alone keeps its fixed columns 1-4. Throws ProblemError.
ParameterCard parseParameterCard(std::string_view line);

}  // namespace lvpls
