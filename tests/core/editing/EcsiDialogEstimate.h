#pragma once

#include <string>
#include <vector>

#include "core/editing/DialogContext.h"
#include "tests/core/editing/EcsiDataFile.h"
#include "tests/core/engine/EstimateFixture.h"

namespace qv {

// Models of the ECSI data built through the dialogs' model side as a user builds them, and
// estimated by the real engine.
class EcsiDialogEstimate : public EstimateFixture {
protected:
    DialogContext dialogs() { return DialogContext{model_, texts_, user_}; }
    std::vector<double> gridColumn(int column) const {
        std::vector<double> values;
        for (int row = 1; row <= table_.caseCount(); ++row) values.push_back(std::stod(table_.cell(column, row)));
        return values;
    }
    float coefficient(int src, int dest) const {
        for (int p = 0; p < model_.nPath; ++p)
            if (model_.paths[p].src == src && model_.paths[p].dest == dest) return model_.paths[p].coefficient;
        return -99;
    }
};

}  // namespace qv
