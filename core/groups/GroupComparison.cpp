#include "core/groups/GroupComparison.h"

#include "core/app/DerivedFileNames.h"
#include "core/app/Workbench.h"
#include "core/consistent/ConsistentParameter.h"
#include "core/engine/AppendFormat.h"
#include "core/engine/EngineRunner.h"
#include "core/engine/EstimateCommand.h"
#include "core/groups/GroupFiles.h"
#include "core/model/WholeFile.h"
#include "core/ports/WriteFailure.h"
#include "core/results/EstimateScores.h"
#include "core/results/LoadingsTable.h"
#include "core/results/RawValues.h"
#include "core/results/ResamplingRun.h"

namespace qv {

// Saves the case selection while a comparison runs and puts it back at the end, with the
// selection's own cases read again: the next command must not see one group's cases alone.
// The status line says so, after what the comparison said there.
class GroupComparison::FilterGuard {
public:
    explicit FilterGuard(GroupComparison& comparison)
        : comparison_(comparison), saved_(comparison.w_.caseFilter()) {
        comparison.w_.caseFilter().allCases = 0;
        comparison.status_.clear();
    }
    ~FilterGuard() {
        Workbench& w = comparison_.w_;
        w.caseFilter() = saved_;
        std::string text = comparison_.status_;
        if (w.loadRawData())
            AppendFormat(text, "%s%s: %d", text.empty() ? "" : "  ",
                         w.texts().lookup("MSG_SelectionReadAgain").c_str(), w.rawData().caseCount());
        if (!text.empty()) w.showStatus(text, false);
    }
    FilterGuard(const FilterGuard&) = delete;
    FilterGuard& operator=(const FilterGuard&) = delete;

private:
    GroupComparison& comparison_;
    CaseFilter saved_;
};

GroupComparison::GroupComparison(Workbench& workbench) : w_(workbench) {}

void GroupComparison::tellText(const std::string& text) { w_.ports().prompts.tell({"", text, ""}); }

bool GroupComparison::applyGroup(const GroupConditions& group, int number, int& size) {
    group.installIn(w_.caseFilter());
    // A selection that keeps no case is told by the reader, which still counts the load done.
    if (w_.loadRawData() && w_.rawData().caseCount() > 0) {
        size = w_.rawData().caseCount();
        return true;
    }
    std::string text;
    AppendFormat(text, "The cases of Group%d could not be read; the groups were not compared.",
                 number);
    tellText(text);
    return false;
}

// The cases of the table (one group's) that the other group's conditions keep as well.
int GroupComparison::casesAlsoIn(const GroupConditions& other) {
    CaseFilter filter;
    other.installIn(filter);
    int both = 0;
    for (int row = 1; row <= w_.rawData().caseCount(); ++row) both += filter.caseSelected(w_.rawData(), row).kept;
    return both;
}

// Reads both groups and asks whether to go on with their sizes; groups may overlap, and the
// question says by how many cases.
bool GroupComparison::measureGroups(const GroupConditions& group1, const GroupConditions& group2,
                                    const char* title) {
    failure_ = GroupOutcome::Failed;
    if (!applyGroup(group1, 1, sizes_.n1)) return false;
    const int inBoth = casesAlsoIn(group2);
    if (!applyGroup(group2, 2, sizes_.n2)) return false;
    std::string question;
    AppendFormat(question, "Sample Size:\n\tGroup1: %d\n\tGroup2: %d\n", sizes_.n1, sizes_.n2);
    if (inBoth > 0) AppendFormat(question, "\tIn both groups: %d\n", inBoth);
    question += " Continue?";
    if (w_.ports().prompts.askOkCancel({"", question, title})) return true;
    failure_ = GroupOutcome::Cancelled;
    return false;
}

// Under consistent PLS each group's figures are corrected before they are kept and compared;
// a correction that fails has told why.
bool GroupComparison::bootstrapGroup(const GroupConditions& group, int number) {
    int size = 0;
    if (!applyGroup(group, number, size)) return false;
    ResamplingRun run(w_);
    if (!run.run(SampleKind::Bootstrap, true)) {
        std::string text;
        AppendFormat(text, "The bootstrap of Group%d failed; the groups were not compared.", number);
        status_ = w_.texts().lookup("MSG_EstimateFail");
        tellText(text);
        return false;
    }
    if (ApplyConsistentGroupBootstrap(w_, run, number) && keepGroupFiles(number)) return true;
    status_ = w_.texts().lookup("MSG_EstimateFail");
    return false;
}

bool GroupComparison::estimateGroup(const GroupConditions& group, int number) {
    int size = 0;
    if (!applyGroup(group, number, size)) return false;
    if (EstimateCommand(w_).run(true) && ApplyConsistentGroupEstimate(w_, number)) return true;
    std::string text;
    AppendFormat(text, "The estimate of Group%d failed; the groups were not compared.", number);
    tellText(text);
    return false;
}

// Group 2 has just been estimated into the main tables: its results move to the second-group
// tables before group 1 replaces them.
void GroupComparison::keepGroupTwo(bool resampled) {
    ProjectModel& model = w_.model();
    for (int k = 0; k < model.nConstruct; ++k)
        model.groupConstructs[static_cast<size_t>(k)] = model.constructs[static_cast<size_t>(k)];
    for (int p = 0; p < model.nPath; ++p) {
        const Path& path = model.paths[static_cast<size_t>(p)];
        Path& kept = model.groupPaths[static_cast<size_t>(p)];
        kept = Path{.src = path.src, .dest = path.dest, .coefficient = path.coefficient};
        if (!resampled) continue;
        kept.coefficientMean = path.coefficientMean;
        kept.coefficientSE = path.coefficientSE;
        kept.coefficientT = path.coefficientT;
    }
}

// A group's file that cannot be kept ends the comparison: its name would hold an older one.
bool GroupComparison::keepGroupFiles(int number) {
    const GroupFileNames names = groupFileNames(w_.files(), number);
    for (const auto& [from, to] : names.moves)
        if (!WriteSucceeded(w_.ports().prompts, KeepWorkFile(from, to))) return false;
    return writeGroupLoadings(names.loadings);
}

// The group's loadings, the table the loadings command writes for the whole sample.
bool GroupComparison::writeGroupLoadings(const std::string& file) {
    const LoadingsTable table =
        ComputeLoadingsTable(w_.model(), w_.rawData(), ResultIndicatorCount(w_.model(), w_.rawData()),
                             MissingValueCode(w_.parameters()));
    if (!table.error.empty()) {
        tellText(table.error);
        return false;
    }
    return WriteSucceeded(w_.ports().prompts, WriteWholeFile(file, FormatLoadingsTable(table.blocks)));
}

// The bootstraps of a comparison leave the status line to it.
void GroupComparison::finished(const char* statusKey) {
    status_ = w_.texts().lookup(statusKey);
    w_.model().groupRun = true;  // the diagram now shows the group display modes
    if (w_.settings().beep)
        w_.ports().desktop.playSound(w_.folders().soundFile().string());
}

GroupOutcome GroupComparison::significanceTest(const GroupConditions& group1,
                                               const GroupConditions& group2) {
    FilterGuard guard(*this);
    if (!measureGroups(group1, group2, "Group Comparison")) return failure_;
    if (!bootstrapGroup(group2, 2)) return GroupOutcome::Failed;
    keepGroupTwo(true);
    if (!bootstrapGroup(group1, 1)) return GroupOutcome::Failed;
    ComputeGroupStatistics(w_.model(), sizes_);
    finished("MSG_BootStrapOK");
    return GroupOutcome::Compared;
}

GroupOutcome GroupComparison::pathEstimate(const GroupConditions& group1,
                                           const GroupConditions& group2) {
    FilterGuard guard(*this);
    if (!measureGroups(group1, group2, "Estimate Path Coefficient?")) return failure_;
    if (!estimateGroup(group2, 2)) return GroupOutcome::Failed;
    keepGroupTwo(false);
    if (!estimateGroup(group1, 1)) return GroupOutcome::Failed;
    for (int p = 0; p < w_.model().nPath; ++p) {
        Path& path = w_.model().paths[static_cast<size_t>(p)];
        path.coefficientT = path.groupStatistic = 0;
    }
    finished("MSG_EstimateOK");
    return GroupOutcome::Compared;
}

}  // namespace qv
