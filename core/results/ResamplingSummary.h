#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string>

#include "core/engine/ControlFileWriter.h"
#include "core/model/ProjectModel.h"
#include "core/results/ResamplingStore.h"

namespace qv {

// Where the summaries of one kind of run go: the text and CSV summaries beside the model
// file, the web report's section in the work folder.
struct SummaryFileNames {
    std::string text;  // "<folder><stem>_bt.out" or "_jk.out"
    std::string csv;   // "<folder><stem>_boot.csv" or "_jack.csv"
    std::string html;  // "<work folder>/<stem>_bt.html" or "_jk.html"
};

SummaryFileNames ResamplingSummaryNames(SampleKind kind, const std::string& projectFile,
                                        const std::filesystem::path& tempDir);

// What the summaries show and where they go. cases: the number of cases of the data.
struct SummaryRequest {
    SampleKind kind = SampleKind::Bootstrap;
    int cases = 0;
    bool process = false;  // append every subsample's values to the text and CSV summaries
    SummaryFileNames names;
    int leftOut = 0;  // subsamples the engine rejected, named in the summaries' header
    bool consistent = false;  // the records hold consistent PLS's figures: the header says so
};

// Writes the text summary, then the CSV summary and the web section, from the statistics in
// the records and the aligned subsamples in the store. Each is written beside its file and
// renamed over it once all three are whole and beforeReplacing (when given: the run keeping
// its other files) succeeded, so a run that fails leaves the previous run's summaries whole.
// Returns "cannot write FILE: reason" for the first file that failed, or beforeReplacing's
// failure.
using SummaryStep = std::function<std::optional<std::string>()>;
std::optional<std::string> WriteResamplingSummaries(const ProjectModel& model,
                                                    const ResamplingStore& store,
                                                    const SummaryRequest& request,
                                                    const SummaryStep& beforeReplacing = {});

}  // namespace qv
