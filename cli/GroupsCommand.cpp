#include "cli/GroupsCommand.h"

#include <ostream>

#include "cli/GroupTable.h"
#include "core/model/ConsistentCaption.h"
#include "core/app/Workbench.h"
#include "core/groups/ConditionText.h"
#include "core/groups/GroupComparison.h"

namespace qv {
namespace {

std::vector<std::string> variableNames(const RawDataTable& table) {
    std::vector<std::string> names;
    for (int c = 1; c <= table.nFields(); ++c) names.push_back(table.cell(c, 0));
    return names;
}

bool readGroup(const std::vector<std::string>& texts, const std::vector<std::string>& names,
               const char* option, GroupConditions& group, std::ostream& errors) {
    for (const std::string& text : texts) {
        std::string error;
        const auto condition = ParseConditionText(text, names, error);
        if (!condition) {
            errors << "quorvanta-batch: " << option << ": " << error << '\n';
            return false;
        }
        if (!group.add(*condition)) {
            errors << "quorvanta-batch: " << option << ": at most " << kMaxGroupConditions
                   << " conditions\n";
            return false;
        }
    }
    return true;
}

}  // namespace

bool CompareGroups(Workbench& workbench, const BatchOptions& options, std::ostream& out,
                   std::ostream& errors) {
    const std::vector<std::string> names = variableNames(workbench.rawData());
    GroupConditions group1;
    GroupConditions group2;
    if (!readGroup(options.group1, names, "--group1", group1, errors) ||
        !readGroup(options.group2, names, "--group2", group2, errors))
        return false;
    if (options.samples) workbench.resampling().nSample = *options.samples;
    if (options.seed) workbench.resampling().seed = *options.seed;
    GroupComparison comparison(workbench);
    if (comparison.significanceTest(group1, group2) != GroupOutcome::Compared) return false;
    PrintGroupTable(GroupComparisonRows(workbench.model()), comparison.sizes(), out);
    if (workbench.parameters().consistent) out << kConsistentGroupNote << '\n';
    return true;
}

}  // namespace qv
