#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "core/model/ModelParameters.h"
#include "core/model/ProjectModel.h"
#include "core/rawdata/RawDataTable.h"
#include "core/support/TempFolder.h"

namespace qv::testing {

// Builds a model and its data grid the way the editing commands leave them: indicator i
// reads grid column i + 1, NInd counts the assigned indicators.
struct ModelBuilder {
    ProjectModel model;
    RawDataTable table;
    ModelParameters parameters;

    int construct(const std::string& caption, int type = 0, int order = 1) {
        Construct& added = model.constructs[static_cast<size_t>(model.nConstruct)];
        added.caption = caption;
        added.type = type;
        added.order = order;
        if (order == 2) model.hasSecondOrder = true;
        return model.nConstruct++;
    }

    int indicator(const std::string& caption, int construct) {
        const int index = model.nIndicator++;
        Indicator& added = model.indicators[static_cast<size_t>(index)];
        added.caption = caption;
        added.construct = construct;
        if (construct >= 0) ++model.constructs[static_cast<size_t>(construct)].nInd;
        table.setCell(index + 1, 0, caption);
        return index;
    }

    int path(int src, int dest) {
        model.paths[static_cast<size_t>(model.nPath)] = Path{src, dest};
        return model.nPath++;
    }

    void link(int member, int secondOrder) {
        model.constructs[static_cast<size_t>(member)].construct = secondOrder;
        ++model.constructs[static_cast<size_t>(secondOrder)].nCon;
        ++model.constructs[static_cast<size_t>(secondOrder)].nInd;
    }

    // One row of cell texts per case, in indicator order.
    void cases(const std::vector<std::vector<std::string>>& rows) {
        for (size_t r = 0; r < rows.size(); ++r) {
            const int row = static_cast<int>(r) + 1;
            table.setCell(0, row, std::to_string(row));
            for (size_t c = 0; c < rows[r].size(); ++c)
                table.setCell(static_cast<int>(c) + 1, row, rows[r][c]);
        }
    }
};

// The constructs A (reflective: a1, a2) and B (formative: b1, b2, b3), the path A to B and
// three cases, with the Model Parameter dialog's defaults and no missing-value code.
inline ModelBuilder WorkedExample() {
    ModelBuilder b;
    const int a = b.construct("A");
    const int bb = b.construct("B", 1);
    for (const char* name : {"a1", "a2"}) b.indicator(name, a);
    for (const char* name : {"b1", "b2", "b3"}) b.indicator(name, bb);
    b.path(a, bb);
    b.cases(
        {{"1", "2", "3", "4", "5"}, {"2.5", "3", "-1", "0.126", "10"}, {"5", "4", "3", "2", "1"}});
    b.parameters.missingValue = "";
    return b;
}

inline std::string TestData(const std::string& relative) {
    return readBytes(std::filesystem::path(QV_TEST_DATA_DIR) / relative);
}

}  // namespace qv::testing
