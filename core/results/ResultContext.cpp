#include "core/results/ResultContext.h"

#include "core/app/Workbench.h"

namespace qv {

ResultContext ResultContext::of(Workbench& workbench) {
    return ResultContext{workbench.model(),      workbench.rawData(),   workbench.caseFilter(),
                         workbench.parameters(), workbench.files(),     workbench.texts(),
                         workbench.ports(),      workbench.folders().tempDir,
                         workbench.folders().dataDir};
}

}  // namespace qv
