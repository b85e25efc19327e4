#pragma once

#include <vector>

#include "core/model/ProjectModel.h"
#include "core/rawdata/RawDataTable.h"
#include "core/results/CorrelationTable.h"
#include "core/results/FactorStructure.h"
#include "core/results/LoadingsTable.h"
#include "core/tables/ResultTable.h"

namespace qv {

// The tables of one estimate, from the figures the model's records and the table commands
// hold.

// "From, To, Coefficient" per path in the model's order, as the batch prints them.
ResultTable PathListResults(const ProjectModel& model);
// Row: the source, column: the destination; cells without a path stay empty.
ResultTable PathMatrixResults(const ProjectModel& model);
// R-square and adjusted R-square of each construct with predecessors (n/a for the others),
// and Q-square with its deviation where blindfolding gave one; a note says why one is n/a.
ResultTable ExplainedVarianceResults(const ProjectModel& model, int cases);
// The "_cfa.csv" figures, the construct repeated on each indicator's row; a loading of a
// reflective construct is held to 0.708.
ResultTable OuterModelResults(const ProjectModel& model, const std::vector<LoadingBlock>& blocks);
// The lower triangle of the "_cor.csv" matrix with 1 on the diagonal.
ResultTable CorrelationResults(const ProjectModel& model, const CorrelationMatrix& matrix, const char* key,
                               const char* title);
// The "_efa.csv" figures: each indicator's correlation with every construct's score.
ResultTable CrossLoadingResults(const ProjectModel& model, const FactorStructure& structure);
// Each case's number with its construct scores, as the grid's score columns hold them.
ResultTable ScoreResults(const ProjectModel& model, const RawDataTable& table);

}  // namespace qv
