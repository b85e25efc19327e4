#include "core/model/WholeFile.h"
#include "core/results/TableCommands.h"

#include <cerrno>
#include <cstring>

#include "core/app/DerivedFileNames.h"
#include "core/engine/Blocks.h"
#include "core/results/CorrelationTable.h"
#include "core/results/CronbachAlpha.h"
#include "core/results/EstimateScores.h"
#include "core/results/FactorScores.h"
#include "core/results/LoadingsTable.h"
#include "core/results/RawValues.h"
#include "core/results/Reliability.h"

namespace qv {

TableCommands::TableCommands(ResultContext context) : c_(context), frame_(c_) {}

TableCommands::TableCommands(Workbench& workbench) : TableCommands(ResultContext::of(workbench)) {}

// Tells a conversion error; true when there was one.
bool TableCommands::told(const std::string& error) const {
    if (!error.empty()) frame_.tellText(error);
    return !error.empty();
}

// The construct scores of the estimate, with the engine's treatment of missing cells.
std::string TableCommands::estimateScores() {
    return ComputeEstimateScores(c_.model, c_.table, MissingValueCode(c_.parameters));
}

std::optional<std::string> TableCommands::readListing(const std::string& path) const {
    std::string reason;
    std::optional<std::string> listing = ReadWholeFile(path, reason);
    if (!listing) frame_.tellText(UnreadableListingText(reason, path));
    return listing;
}

std::optional<std::vector<LoadingBlock>> TableCommands::loadingBlocks() {
    if (!ReloadRawValues(c_, ProductTerms::Recomputed)) return std::nullopt;
    LoadingsTable table = ComputeLoadingsTable(c_.model, c_.table, ResultIndicatorCount(c_.model, c_.table),
                                               MissingValueCode(c_.parameters));
    if (told(table.error)) return std::nullopt;
    return std::move(table.blocks);
}

bool TableCommands::loadingsTable() {
    if (!frame_.confirmEstimated()) return false;
    const auto blocks = loadingBlocks();
    return blocks && frame_.writeAndOpen(frame_.fileName("_cfa.csv"), FormatLoadingsTable(*blocks));
}

std::optional<LatentCorrelationMatrices> TableCommands::latentCorrelations() {
    const auto firstStage = readListing(c_.files.result);
    if (!firstStage) return std::nullopt;
    LatentCorrelationMatrices matrices{
        ReadParticipantCorrelations(c_.model, *firstStage, kFirstStage, FirstOrderParticipants(c_.model)),
        std::nullopt};
    if (corrections_.correlations && !corrections_.correlations(matrices.firstOrder)) return std::nullopt;
    if (c_.model.estimationStage == 2) {
        const auto secondStage = readListing(modelFileName(c_.files.result, "_2.out"));
        if (!secondStage) return std::nullopt;
        matrices.secondStage = ReadParticipantCorrelations(c_.model, *secondStage, kRegularStage,
                                                           SecondStageParticipants(c_.model));
    }
    return matrices;
}

bool TableCommands::correlationTable() {
    if (!frame_.confirmEstimated()) return false;
    const auto matrices = latentCorrelations();
    if (!matrices) return false;
    std::string text = FormatFirstOrderMatrix(c_.model, matrices->firstOrder);
    if (matrices->secondStage) text += FormatSecondStageMatrix(c_.model, *matrices->secondStage);
    return frame_.writeAndOpen(frame_.fileName("_cor.csv"), text);
}

bool TableCommands::computeCronbachAlpha() {
    // The score indicators of a two-stage estimate need their scores in the grid.
    if (c_.model.estimationStage == 2 && told(estimateScores()))
        return false;
    if (!ReloadRawValues(c_, ProductTerms::Recomputed)) return false;
    const CronbachAlphas alphas =
        ComputeCronbachAlphas(c_.model, c_.table, ResultIndicatorCount(c_.model, c_.table),
                              MissingValueCode(c_.parameters));
    if (told(alphas.error)) return false;
    for (size_t c = 0; c < alphas.alphas.size(); ++c)
        c_.model.constructs[c].cronbachAlpha = alphas.alphas[c];
    return true;
}

std::optional<std::vector<ReliabilityRow>> TableCommands::reliabilityRows() {
    if (!computeCronbachAlpha()) return std::nullopt;
    return ComputeReliability(c_.model, ResultIndicatorCount(c_.model, c_.table));
}

bool TableCommands::reliabilityTable() {
    if (!frame_.confirmEstimated()) return false;
    const auto rows = reliabilityRows();
    return rows && frame_.writeAndOpen(frame_.fileName("_ave.csv"), FormatReliabilityTable(*rows));
}

bool TableCommands::scoresInGrid() {
    // The raw columns come back as read; the product terms and scores stay as computed.
    return !told(estimateScores()) && ReloadRawValues(c_, ProductTerms::AsLeft);
}

bool TableCommands::factorScores() {
    if (!frame_.confirmEstimated() || !scoresInGrid()) return false;
    const int lastColumn = c_.table.nFields() + c_.model.nProduct + c_.model.nConstruct;
    return frame_.writeAndOpen(frame_.fileName("_fs.csv"), FormatFactorScores(c_.table, lastColumn));
}

std::optional<FactorStructure> TableCommands::crossLoadings() {
    if (told(estimateScores())) return std::nullopt;
    FactorStructure structure =
        ComputeFactorStructure(c_.model, c_.table, ResultIndicatorCount(c_.model, c_.table));
    // A later estimate reads the grid, so it should not find standardized values there.
    ReloadRawValues(c_, ProductTerms::AsLeft);
    if (told(structure.error)) return std::nullopt;
    if (corrections_.crossLoadings && !corrections_.crossLoadings(structure)) return std::nullopt;
    return structure;
}

bool TableCommands::factorStructure() {
    if (!frame_.confirmEstimated()) return false;
    const auto structure = crossLoadings();
    return structure &&
           frame_.writeAndOpen(frame_.fileName("_efa.csv"),
                               FormatFactorStructureCsv(c_.model, *structure));
}

bool TableCommands::factorStructureReport() {
    const auto structure = crossLoadings();
    return structure && frame_.write((c_.tempDir / "efa.html").string(),
                                     FormatFactorStructureHtml(c_.model, *structure));
}

}  // namespace qv
