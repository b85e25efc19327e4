#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/engine/ListingReader.h"
#include "core/model/ProjectModel.h"
#include "core/ports/ProgressView.h"
#include "core/results/ResamplingStore.h"

namespace qv {

// A subsample the engine rejected: its number in the run and the engine's "Error:" line.
struct RejectedSubsample {
    int number = 0;
    std::string reason;
};

// What a resampling listing holds and how to read it.
struct ResamplingListing {
    std::string_view text;
    int subsamples = 0;
    // Bootstrap: a subsample the engine rejected is left out. Jackknife: its formulas need
    // every case left out once, so a rejected subsample ends the reading as an error.
    bool leaveOutRejected = false;
};

// Reads "SubSample 0" .. "SubSample S-1" into the store (each into a copy of the model, as
// the listing reader leaves it), then the entire sample ("ALLSample") into the model. The
// model changes only when everything was read. Returns false after telling why a problem
// could not be read (a listing that ends early names the first problem it lacks); rejected
// collects the subsamples left out.
bool ReadResamplingListing(const ResamplingListing& listing, ProjectModel& model,
                           ResamplingStore& store, const ListingErrorReport& report,
                           ProgressView& progress, std::vector<RejectedSubsample>& rejected);

// "3 of 500 subsamples were left out ..." with the first reasons the engine gave.
std::string LeftOutText(const std::vector<RejectedSubsample>& rejected, int subsamples);

// Whether the listing holds a problem and whether the engine rejected it.
struct ProblemAnswer {
    bool found = false;
    std::string rejection;  // the "Error:" line right after the title line; empty: estimated
};

// The answer to the first problem titled title at or after from. from moves past the title,
// so subsamples asked for in order are found in one pass.
ProblemAnswer AnswerTo(std::string_view listing, std::string_view title, TextPos& from);

}  // namespace qv
