#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "core/app/LanguageTexts.h"
#include "core/app/StartupFolders.h"
#include "core/engine/ControlFileWriter.h"
#include "core/engine/EngineRunner.h"
#include "core/model/ModelParameters.h"
#include "core/model/ProjectModel.h"
#include "core/ports/Ports.h"
#include "core/rawdata/RawDataTable.h"
#include "core/results/ResamplingGenerator.h"
#include "core/results/ResamplingListing.h"
#include "core/results/ResamplingStore.h"
#include "core/results/ResamplingSummary.h"

namespace qv {

class Workbench;

// What a resampling run reads and fills, owned by the Workbench.
struct ResamplingContext {
    ProjectModel& model;
    RawDataTable& table;
    const ModelParameters& parameters;
    const ResamplingOptions& options;
    ProjectFiles& files;
    const LanguageTexts& texts;
    Ports& ports;
    StartupFolders folders;  // the engine, the work folder (summary pages too), the sound
    bool beep = false;
};

// Run BootStrap and Run Jacknife: every subsample becomes a problem of one control file,
// followed by the entire sample; one engine run estimates them all. The subsamples' loadings,
// weights and coefficients, aligned with the entire sample, give means, standard errors and
// t statistics, which go into the records and into the text, CSV and web summaries. A
// bootstrap subsample the engine rejects is left out and the run says so; more than half of
// them rejected refuse the run. A failure leaves the entire-sample estimates in the records
// and the previous run's files as they were.
class ResamplingRun {
public:
    explicit ResamplingRun(ResamplingContext context);
    explicit ResamplingRun(Workbench& workbench);

    // Returns true when every subsample and the entire sample were read. inGroup: the run is
    // part of the two-group comparison, which shows the results itself.
    bool run(SampleKind kind, bool inGroup = false);

    // The seed of the last run: the Seed option, or the clock when that is 0.
    std::uint32_t seedUsed() const { return seed_; }
    // After a successful run: the estimates of the subsamples the statistics were computed
    // from, aligned with the entire sample (AlignedSubsamples), numbered as the run drew them.
    const ResamplingStore& alignedSubsamples() const { return aligned_; }
    // The subsamples of the last run that the engine rejected and the statistics left out.
    const std::vector<RejectedSubsample>& leftOut() const { return rejected_; }

    // After a successful run whose records now hold consistent PLS's figures (the inference
    // of its subsamples): the summaries again, saying so. The subsamples' own values are the
    // engine's, so the process sections are left out. False when a file failed (told).
    bool writeConsistentSummaries();

private:
    bool checkRun();
    bool checkSubsampleCount();
    bool checkSummaryFile();
    bool prepare();
    bool writeControlFile();
    bool roomFor(std::uintmax_t needed);
    bool allocateStore();
    bool runEngine();
    bool readResults();
    bool enoughSubsamplesKept();
    SummaryRequest summaryRequest() const;
    void finish(bool ok, bool engineRan);
    bool seedGenerator();
    // Keeps the control file and the listing under the project's names; the first failure.
    std::optional<std::string> keepFiles();
    std::string keptListing() const;
    void tell(const std::string& key, const std::string& detail = {});
    void tellText(const std::string& text);

    ResamplingContext c_;
    EngineFiles engineFiles_;
    SampleKind kind_ = SampleKind::Bootstrap;
    bool inGroup_ = false;
    int subsamples_ = 0;
    std::uint32_t seed_ = 0;
    ResamplingGenerator generator_;
    ResamplingStore store_;
    std::optional<std::string> listing_;
    std::vector<RejectedSubsample> rejected_;
    ResamplingStore aligned_;
};

}  // namespace qv
