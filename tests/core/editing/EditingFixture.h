#pragma once

#include <string>
#include <vector>

#include "core/model/ProjectModel.h"

namespace qv::test {

// A model of constructs A, B (formative), C and indicators x1..x4 plus u (unassigned).
inline ProjectModel SmallModel() {
    ProjectModel model;
    model.rebuildIndicators({"x1", "x2", "x3", "x4", "u"});
    for (const char* name : {"A", "B", "C"}) {
        model.addConstruct(100 * (model.nConstruct + 1), 100);
        model.constructs[model.nConstruct - 1].caption = name;
    }
    model.constructs[1].type = 1;
    model.assignIndicator(0, 0);
    model.assignIndicator(1, 0);
    model.assignIndicator(2, 1);
    model.assignIndicator(3, 2);
    model.modified = false;
    return model;
}

}  // namespace qv::test
