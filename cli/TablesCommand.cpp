#include "cli/TablesCommand.h"

#include <ostream>

#include "cli/AssessCommand.h"
#include "core/app/DerivedFileNames.h"
#include "core/assessment/BootstrapInference.h"
#include "core/consistent/ConsistentParameter.h"
#include "core/engine/ControlFileWriter.h"
#include "core/export/ResultWorkbook.h"
#include "core/results/TableCommands.h"
#include "core/tables/ResultPages.h"

namespace qv {
namespace {

// The decimals the workbook shows its figures with, as the results window does at first.
constexpr int kShownDecimals = 3;

bool writeBesideModel(Workbench& workbench, std::ostream& out) {
    TableCommands tables(workbench);
    tables.setCorrections(ConsistentCorrections(ResultContext::of(workbench)));
    const std::pair<bool (TableCommands::*)(), const char*> commands[] = {
        {&TableCommands::loadingsTable, "_cfa.csv"},
        {&TableCommands::correlationTable, "_cor.csv"},
        {&TableCommands::reliabilityTable, "_ave.csv"},
        {&TableCommands::factorScores, "_fs.csv"},
        {&TableCommands::factorStructure, "_efa.csv"}};
    bool all = true;
    for (const auto& [command, suffix] : commands) {
        const bool written = (tables.*command)();
        if (written) out << modelFileName(workbench.files().project, suffix) << '\n';
        all = all && written;
    }
    return all;
}

bool exported(const std::optional<std::string>& target, const std::optional<std::string>& error,
              std::ostream& out, std::ostream& errors) {
    if (error) errors << "quorvanta-batch: " << *error << '\n';
    else if (target) out << *target << '\n';
    return !error;
}

}  // namespace

bool WriteTables(Workbench& workbench, const BatchOptions& options, std::ostream& out, std::ostream& errors) {
    std::optional<Inference> inference;
    if (options.bootstrap && !BootstrapAndInfer(workbench, options, errors, &inference)) return false;
    if (!writeBesideModel(workbench, out) || !WriteAssessmentTables(workbench, out)) return false;
    if (!options.xlsx && !options.csvFolder) return true;
    const std::vector<ResultTable> tables =
        FilledTables(CollectResultPages(ResultContext::of(workbench),
                                        {inference ? &*inference : nullptr,
                                         options.bootstrap ? std::optional(SampleKind::Bootstrap) : std::nullopt}));
    if (options.xlsx &&
        !exported(options.xlsx, WriteResultWorkbook(tables, *options.xlsx, kShownDecimals), out, errors))
        return false;
    return !options.csvFolder || exported(options.csvFolder, WriteResultCsvFolder(tables, *options.csvFolder), out, errors);
}

}  // namespace qv
