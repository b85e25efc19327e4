#pragma once

#include <string>
#include <vector>

#include "core/model/ProjectModel.h"

namespace qv {

// How the variables of the data file differ from those the model file stored.
struct VariableChanges {
    int storedCount = 0;
    int currentCount = 0;
    std::vector<std::string> missing;  // stored, not in the data file
    std::vector<std::string> added;    // in the data file, not stored
    bool reordered = false;            // the same names in another order
    int droppedProducts = 0;           // product terms whose factors are gone

    bool any() const { return storedCount != currentCount || !missing.empty() || !added.empty() || reordered; }
    // The differences, one per line, for the message that tells the user.
    std::string describe() const;
};

// Compares the stored raw-data indicators (the first storedVariables records) with the data
// file's variable names.
VariableChanges compareVariables(const ProjectModel& model, int storedVariables,
                                 const std::vector<std::string>& current);

// Rebuilds the raw-data indicators for the data file's variables, carrying each stored
// variable's assignment over by name, so nothing lands on another column. Product terms keep
// their factors by name; one whose factor is gone is dropped and counted in changes.
void matchIndicatorsToVariables(ProjectModel& model, int storedVariables,
                                const std::vector<std::string>& current, VariableChanges& changes);

}  // namespace qv
