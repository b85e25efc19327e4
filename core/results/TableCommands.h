#pragma once

#include <functional>
#include <optional>
#include <string>
#include <utility>

#include "core/results/CorrelationTable.h"
#include "core/results/FactorStructure.h"
#include "core/results/LoadingsTable.h"
#include "core/results/Reliability.h"
#include "core/results/ResultCommandFrame.h"
#include "core/results/ResultContext.h"

namespace qv {

// The latent variable correlations of the last estimate: the first-order (or only) matrix,
// and the second stage's after a two-stage estimate.
struct LatentCorrelationMatrices {
    CorrelationMatrix firstOrder;
    std::optional<CorrelationMatrix> secondStage;
};

// Corrections of figures before any table shows them (consistent PLS); false ends the
// command. An empty one leaves its figures as computed.
struct FigureCorrections {
    std::function<bool(CorrelationMatrix&)> correlations;  // the first-order latent variable correlations
    std::function<bool(FactorStructure&)> crossLoadings;
};

// The result tables of the report menu. Each command writes its file beside the model file
// and hands it to the desktop; each returns whether its file was written. A failure is told
// and ends the command; the model and its estimate stay.
class TableCommands {
public:
    explicit TableCommands(ResultContext context);
    explicit TableCommands(Workbench& workbench);

    void setCorrections(FigureCorrections corrections) { corrections_ = std::move(corrections); }

    bool loadingsTable();     // "Factor Loading, Residuals and Weight": "_cfa.csv"
    bool correlationTable();  // "Correlations of latent variables": "_cor.csv"
    bool reliabilityTable();  // "Reliability and AVE": "_ave.csv"
    bool factorScores();      // "Factor Scores": "_fs.csv"
    bool factorStructure();   // "Factor Structure Matrix of Loadings and Cross-Loadings": "_efa.csv"

    // The factor structure as the web report's "efa.html" section in the work folder.
    bool factorStructureReport();
    // Fills CronbachAlpha of every construct from the raw values.
    bool computeCronbachAlpha();

    // The figures of the tables above as their commands compute them, without writing a
    // file; nothing when a step failed (told).
    std::optional<std::vector<LoadingBlock>> loadingBlocks();
    std::optional<LatentCorrelationMatrices> latentCorrelations();
    std::optional<std::vector<ReliabilityRow>> reliabilityRows();
    std::optional<FactorStructure> crossLoadings();
    // The construct scores in the grid's score columns, beside the raw values as read.
    bool scoresInGrid();

private:
    std::optional<std::string> readListing(const std::string& path) const;
    std::string estimateScores();
    bool told(const std::string& error) const;

    ResultContext c_;
    ResultCommandFrame frame_;
    FigureCorrections corrections_;
};

}  // namespace qv
