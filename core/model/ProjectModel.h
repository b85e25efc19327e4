#pragma once

#include <array>
#include <string>
#include <vector>

#include "core/model/EditResult.h"
#include "core/model/Records.h"

namespace qv {

// The one path model: fixed-capacity tables addressed by index, their counts and the
// model-wide flags. The operations keep every cross-reference right.
struct ProjectModel {
    std::array<Construct, kMaxConstructs> constructs{};
    std::array<Indicator, kMaxIndicators> indicators{};
    std::array<Path, kMaxPaths> paths{};
    std::array<TextLabel, kMaxTextLabels> textLabels{};
    int nConstruct = 0;
    int nIndicator = 0;
    int nProduct = 0;
    int nPath = 0;
    int nScoreIndicator = 0;
    int nTextLabel = 0;

    int radius = 25;
    int currentOrder = 1;
    bool modified = false;
    bool modelOpen = false;
    bool hasSecondOrder = false;
    bool estimated = false;
    bool resampled = false;
    bool bootstrapDone = false;
    bool jackknifeDone = false;
    int estimationStage = 1;
    bool groupRun = false;

    // The two-group comparison: group 1 stays in the tables above, group 2's results are
    // kept here (per construct rSquare; per path src, dest, coefficient, its mean, SE, t and
    // groupStatistic). groupDisplayMode: 0 group 1, 1 group 2, 2 both side by side.
    std::array<Construct, kMaxConstructs> groupConstructs{};
    std::array<Path, kMaxPaths> groupPaths{};
    int groupDf = 0;  // N1 + N2 - 2 of the last significance test
    int groupDisplayMode = 0;

    // Constructs whose cross-validated Q-square is read after a blindfolding estimate.
    std::array<int, kMaxConstructs> blindfoldingFlags{};
    int nBlindfolding = 0;

    // All counts 0, as at start-up.
    void resetToEmpty();
    // One unassigned indicator per raw-data variable, in column order; no product terms.
    void rebuildIndicators(const std::vector<std::string>& variableNames);
    // nIndicator follows the raw data currently loaded: R + nProduct.
    void syncIndicatorCount(int rawVariables);
    // Result fields of constructs, paths and indicators back to "none".
    void clearResults();

    // Refused at 24 constructs (MSG_ExceedMAXConstruct, "24").
    EditResult addConstruct(int x, int y);
    // Refused without a message for a construct to itself, an unknown construct, or a pair that
    // a path already joins in either direction.
    EditResult addPath(int src, int dest);
    // Refused at 100 labels (MSG_ExceedMAXTextLabel, "100").
    EditResult addTextLabel(int x, int y);
    // Appends a product indicator behind the others; refused at 288 indicators
    // (MSG_ExceedMAXIndicator, "288").
    EditResult addProductIndicator(const Indicator& product);
    // Assigns an indicator to a first-order construct (-1 unassigns it), keeping NInd right.
    EditResult assignIndicator(int indicator, int construct);
    // Makes a first-order construct a member of a second-order one (-1 frees it), keeping
    // nCon and NInd of the second-order construct right.
    EditResult linkConstruct(int member, int secondOrder);

    // Deletes the given constructs one after another, renumbering every reference.
    void deleteConstructs(std::vector<int> selected);
    void deletePaths(std::vector<int> selected);
    void recomputeHasSecondOrder();
    // Drops references that point outside the tables or break a rule (a damaged model file),
    // then recounts NInd and nCon from the assignments and links. Returns how many it dropped.
    int repairReferences();

private:
    void deleteConstruct(int index);
    bool joined(int a, int b) const;
    int repairPaths();
    void recountMembers();
};

}  // namespace qv
