#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/app/LanguageTexts.h"
#include "core/engine/ListingRun.h"
#include "core/model/ProjectModel.h"
#include "core/ports/Desktop.h"
#include "core/ports/Prompts.h"

namespace qv {

// Where a problem the engine rejected is reported: its error line with the compatibility
// hint, then the listing shown in the program's viewer.
struct ListingErrorReport {
    Prompts& prompts;
    Desktop& desktop;
    const LanguageTexts& texts;
    std::string listingPath;
};

// Reads the engine's listing into the result fields of the model's records. The listing
// text must outlive the reader. A listing without the engine's closing line, or one
// whose count does not match, is read as nothing: every read fails, and the first one
// tells why.
class ListingReader {
public:
    ListingReader(std::string_view listing, ProjectModel& model, ListingErrorReport report);

    // Reads the first problem titled title ("ALLSample" or "SubSample %d") at the given
    // stage; true when results were read. Fields the listing does not supply keep their values.
    bool ReadListing(std::string_view title, int stage);

    // As ReadListing, but the title search goes on from the problem read last, so reading
    // the subsamples of a resampling listing one after another stays linear in its size.
    bool ReadNextListing(std::string_view title, int stage);

    // Whether the listing lacks its closing line or disagrees with it.
    bool cutShort() const { return !endError_.empty(); }

private:
    bool readRun(const RunText& run, std::string_view title, int stage);
    bool reportCutShort();
    bool reportRejected(const RunText& run);
    void readPathTable(std::string_view text, TextPos heading);
    void readOuterModel(std::string_view text, TextPos heading, const std::vector<int>& blocks);
    void readInnerModel(std::string_view text, TextPos heading, const std::vector<int>& blocks);
    void readCrossValidation();
    Path* findPath(int src, int dest);

    std::string_view listing_;
    ProjectModel& model_;
    ListingErrorReport report_;
    TextPos nextTitleSearch_ = 0;
    std::string endError_;  // why the listing cannot be trusted; empty when it is whole
    bool endReported_ = false;
};

// Why the blindfolding problem from `from` to the end of `problem` gave no Q-square: the
// engine's reason, or what is missing.
std::string CrossValidationGap(std::string_view problem, TextPos from);

// Makes each construct's largest-magnitude loading positive: a construct whose largest
// loading is negative gets Sign -1 and its loadings, weights and path coefficients negated.
void AlignSigns(ProjectModel& model);

}  // namespace qv
