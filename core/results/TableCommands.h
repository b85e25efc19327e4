#pragma once

#include <optional>
#include <string>

#include "core/results/FactorStructure.h"
#include "core/results/ResultCommandFrame.h"
#include "core/results/ResultContext.h"

namespace qv {

// The result tables of the report menu. Each command writes its file beside the model file
// and hands it to the desktop; each returns whether its file was written. A failure is told
// and ends the command; the model and its estimate stay.
class TableCommands {
public:
    explicit TableCommands(ResultContext context);
    explicit TableCommands(Workbench& workbench);

    bool loadingsTable();     // "Factor Loading, Residuals and Weight": "_cfa.csv"
    bool correlationTable();  // "Correlations of latent variables": "_cor.csv"
    bool reliabilityTable();  // "Reliability and AVE": "_ave.csv"
    bool factorScores();      // "Factor Scores": "_fs.csv"
    bool factorStructure();   // "Factor Structure Matrix of Loadings and Cross-Loadings": "_efa.csv"

    // The factor structure as the web report's "efa.html" section in the work folder.
    bool factorStructureReport();
    // Fills CronbachAlpha of every construct from the raw values.
    bool computeCronbachAlpha();

private:
    std::optional<std::string> readListing(const std::string& path) const;
    std::string estimateScores();
    std::optional<FactorStructure> crossLoadings();
    bool told(const std::string& error) const;

    ResultContext c_;
    ResultCommandFrame frame_;
};

}  // namespace qv
