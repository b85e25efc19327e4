#include "core/results/ResamplingRun.h"

#include <cerrno>
#include <ctime>

#include "core/app/DerivedFileNames.h"
#include "core/app/Workbench.h"
#include "core/editing/ProductColumns.h"
#include "core/engine/AppendFormat.h"
#include "core/engine/Blocks.h"
#include "core/engine/EngineCapabilities.h"
#include "core/engine/ListingReader.h"
#include "core/files/DiskRoom.h"
#include "core/files/ReplacedFile.h"
#include "core/model/NumberText.h"
#include "core/model/WholeFile.h"
#include "core/ports/WriteFailure.h"
#include "core/results/OutputNameClash.h"
#include "core/results/ResamplingAlignment.h"
#include "core/results/ResamplingListing.h"
#include "core/results/ResamplingStatistics.h"
#include "core/results/ResamplingSummary.h"

namespace qv {
namespace fs = std::filesystem;

namespace {

constexpr const char* kSecondOrderRefused =
    "Re-sample is not supported for 2nd order factor structure in the current version!\n";
// The jackknife's figures are the engine's composites; only the bootstrap corrects its
// subsamples as consistent PLS corrects the sample.
constexpr const char* kJackknifeNotConsistent =
    "The jackknife gives the figures of ordinary PLS only. With Consistent PLS (PLSc) in the model "
    "parameters, run the bootstrap, or turn consistent PLS off first.";
// A bootstrap's SAMPLE line holds a count for every case and must stay within the engine's
// longest line (lvpls/LISTING.md) even with counts of ten and more; more cases go out in
// the standard layout.
constexpr int kMostCasesOnASampleLine = 800000;
// The jackknife's factors sqrt(n - 2) and sqrt((n - 2) / (n - 1)) need three cases; a
// bootstrap of fewer cases could not be estimated either.
constexpr int kMinimumCases = 3;

}  // namespace

ResamplingRun::ResamplingRun(ResamplingContext context)
    : c_(context), engineFiles_{context.folders.engine, context.folders.tempDir} {}

ResamplingRun::ResamplingRun(Workbench& workbench)
    : ResamplingRun(ResamplingContext{
          workbench.model(), workbench.rawData(), workbench.parameters(), workbench.resampling(),
          workbench.files(), workbench.texts(), workbench.ports(), workbench.folders(),
          workbench.settings().beep}) {}

void ResamplingRun::tell(const std::string& key, const std::string& suffix) {
    Message message = c_.texts.message(key);
    message.text += suffix;
    c_.ports.prompts.tell(message);
}

void ResamplingRun::tellText(const std::string& text) {
    c_.ports.prompts.tell({"", text, ""});
}

bool ResamplingRun::run(SampleKind kind, bool inGroup) {
    kind_ = kind;
    inGroup_ = inGroup;
    if (!checkRun()) return false;
    const bool jackknife = kind == SampleKind::Jackknife;
    std::string status;
    AppendFormat(status, "%s(n=%d)...",
                 c_.texts.lookup(jackknife ? "MSG_JackKnifing" : "MSG_BootStraping").c_str(),
                 subsamples_);
    c_.ports.status.showStatus(c_.texts.lookup("MSG_Running"), status);
    bool ok = prepare() && writeControlFile() && allocateStore();
    const bool engineRan = ok;
    ok = ok && runEngine() && readResults();
    store_.release();
    listing_.reset();
    finish(ok, engineRan);
    return ok;
}

bool ResamplingRun::checkRun() {
    const ProjectModel& model = c_.model;
    for (int k = 0; k < model.nConstruct; ++k)
        if (model.constructs[static_cast<size_t>(k)].order == 2) {
            tellText(kSecondOrderRefused);
            return false;
        }
    if (kind_ == SampleKind::Jackknife && c_.parameters.consistent && !inGroup_) {
        tellText(kJackknifeNotConsistent);
        return false;
    }
    if (const std::string clash = OutputNameClash(c_.files, c_.table.raw); !clash.empty()) {
        tellText(clash);
        return false;
    }
    if (!EngineExists(engineFiles_)) {
        c_.ports.prompts.tell({"MSG_PLSNotFound",
                               engineFiles_.engine().string() + " " +
                                   c_.texts.lookup("MSG_PLSNotFound") + "\n" +
                                   c_.texts.lookup("MSG_AskDownload"),
                               ""});
        return false;
    }
    if (!checkSubsampleCount()) return false;
    if (!checkSummaryFile()) return false;
    if (model.nConstruct == 0) {
        tell("MSG_NoParameter");
        return false;
    }
    for (int k = 0; k < model.nConstruct; ++k)
        if (model.constructs[static_cast<size_t>(k)].nInd == 0) {
            tell("MSG_nIndZero", " (" + model.constructs[static_cast<size_t>(k)].caption + ")");
            return false;
        }
    return seedGenerator();
}

// A file beside the CSV summary is created at once (and given up), so that a folder that
// takes no files is noticed before the engine runs; the previous run's summary stays as it is.
bool ResamplingRun::checkSummaryFile() {
    if (c_.files.project.empty()) {
        tell("MSG_NoPLSProject");
        return false;
    }
    const ReplacedFile probe(ResamplingSummaryNames(kind_, c_.files.project, c_.folders.tempDir).csv);
    return WriteSucceeded(c_.ports.prompts, probe.error());
}

bool ResamplingRun::checkSubsampleCount() {
    const int cases = c_.table.caseCount();
    if (cases < kMinimumCases) {
        std::string text;
        AppendFormat(text, "Resampling needs at least %d cases; the data hold %d.", kMinimumCases,
                     cases);
        tellText(text);
        return false;
    }
    if (kind_ == SampleKind::Jackknife) {
        subsamples_ = cases;
        return true;
    }
    const std::optional<int> samples = parseInteger(c_.options.nSample);
    if (!samples) {
        tellText(integerConversionError(c_.options.nSample));
        return false;
    }
    if (*samples < ResamplingOptions::kSamplesLow || *samples > ResamplingOptions::kSamplesHigh) {
        tellText(Formatted("The number of samples must be between %d and %d; %d was asked for.",
                           ResamplingOptions::kSamplesLow, ResamplingOptions::kSamplesHigh, *samples));
        return false;
    }
    subsamples_ = *samples;
    return true;
}

// A Seed other than 0 makes a run repeatable; 0 takes the clock, so runs started in the same
// second draw the same subsamples.
bool ResamplingRun::seedGenerator() {
    const std::optional<int> seed = parseInteger(c_.options.seed);
    if (!seed) {
        tellText(integerConversionError(c_.options.seed));
        return false;
    }
    seed_ = *seed != 0 ? static_cast<std::uint32_t>(*seed)
                       : static_cast<std::uint32_t>(std::time(nullptr));
    generator_.seed(seed_);
    return true;
}

bool ResamplingRun::prepare() {
    ProjectModel& model = c_.model;
    DeriveFileNames(c_.files);
    // This listing holds no cross-validation figures to read.
    model.nBlindfolding = 0;
    if (const std::string error = ComputeProductColumns(model, c_.table); !error.empty()) {
        tellText(error);
        return false;
    }
    return true;
}

// One problem at a time goes out: the whole file may not fit in memory. A control file that
// fails part way is given up whole. An engine that reads SAMPLE lines gets the records once
// and one line a subsample.
bool ResamplingRun::writeControlFile() {
    ProgressView& progress = c_.ports.progress;
    ReplacedFile out(engineFiles_.controlFile());
    progress.start(
        kind_ == SampleKind::Jackknife ? "Resampling-JackKnife..." : "Resampling-BootStrap...",
        subsamples_);
    const bool compact = QueryEngineCapabilities(engineFiles_.engine()).sampleLines &&
                         c_.table.caseCount() <= kMostCasesOnASampleLine;
    ControlFileWriter writer(c_.model, c_.parameters, c_.table, c_.ports.prompts);
    const auto writeRun = [&](std::string& text, const ControlRun& run, bool first) {
        if (!compact) return writer.WriteControlRun(text, run);
        return first ? writer.WriteSampleSource(text, run) : writer.WriteSampleLine(text, run);
    };
    std::string text;
    size_t firstSize = 0;
    bool ok = true;
    for (int s = 0; ok && !out.error() && s < subsamples_; ++s) {
        ControlRun run;
        run.sampleKind = kind_;
        run.subsample = s;
        if (kind_ == SampleKind::Bootstrap)
            run.drawnCases = DrawBootstrapCases(generator_, c_.table.caseCount());
        text.clear();
        ok = writeRun(text, run, s == 0) && (s != 1 || roomFor(firstSize + text.size() * static_cast<size_t>(subsamples_))) &&
             out.write(text);
        if (s == 0) firstSize = text.size();
        progress.setPosition(s + 1);
    }
    text.clear();
    ok = ok && writeRun(text, ControlRun{}, false) && out.write(text + "STOP");
    progress.finish();
    // A problem the writer refused was told by it; a write that failed is told here.
    Prompts& prompts = c_.ports.prompts;
    return WriteSucceeded(prompts, out.error()) && ok && WriteSucceeded(prompts, out.commit());
}

// The store is taken before the engine starts, so that a run too large for the memory ends
// before the engine spends its time on it.
bool ResamplingRun::allocateStore() {
    if (store_.allocate(subsamples_, c_.model.nIndicator, c_.model.nPath)) return true;
    tell("MSG_NotEnoughMemory");
    return false;
}

// Every problem after the first is about as long as the second; a control file that would
// fill the disk is refused before the rest of it is written.
bool ResamplingRun::roomFor(std::uintmax_t needed) {
    const auto shortage = RoomShortage("control file of " + std::to_string(subsamples_) + " subsamples",
                                       engineFiles_.workDir, needed);
    if (shortage) tellText(*shortage);
    return !shortage;
}

// The listing is read where the engine wrote it; the card and the listing take their kept
// names only when the run succeeds, so a failed run leaves the previous run's files whole.
bool ResamplingRun::runEngine() {
    const auto problems = static_cast<std::uintmax_t>(subsamples_) + 1;
    if (const auto shortage = RoomShortage(
            "listing", engineFiles_.workDir,
            ListingSizeEstimate(c_.model.nIndicator, c_.model.nConstruct, problems))) {
        tellText(*shortage);
        return false;
    }
    EngineRunner runner(engineFiles_);
    const EngineOutcome outcome = runner.run(c_.ports.progress, "Executing PLS Algorithm", subsamples_ + 1);
    runner.CleanEngineFiles();
    if (outcome != EngineOutcome::Finished) {
        const bool cancelled = outcome == EngineOutcome::Cancelled;
        tell(cancelled ? "MSG_EngineCancelled" : "MSG_EngineNoListing",
             cancelled ? "" : "\n(" + runner.failureReason(outcome) + ")");
        return false;
    }
    std::string reason;
    listing_ = runner.loadListing(reason);
    if (!listing_) tellText(UnreadableListingText(reason, engineFiles_.listing()));
    return listing_.has_value();
}

bool ResamplingRun::readResults() {
    c_.ports.progress.start("Estimate T value...", subsamples_);
    const ResamplingListing listing{*listing_, subsamples_, kind_ == SampleKind::Bootstrap};
    const ListingErrorReport report{c_.ports.prompts, c_.ports.desktop, c_.texts,
                                    engineFiles_.listing().string()};
    rejected_.clear();
    const bool ok = ReadResamplingListing(listing, c_.model, store_, report, c_.ports.progress,
                                          rejected_) &&
                    enoughSubsamplesKept();
    c_.ports.progress.finish();
    if (!ok) return false;
    aligned_ = AlignedSubsamples(c_.model, store_);
    ComputeResamplingStatistics(c_.model, aligned_, kind_);
    // The statistics stay in the records, but a file that was not written fails the run:
    // its name would hold the previous run's figures.
    const bool written = WriteSucceeded(
        c_.ports.prompts, WriteResamplingSummaries(c_.model, aligned_, summaryRequest(), [this] { return keepFiles(); }));
    if (!rejected_.empty()) tellText(LeftOutText(rejected_, subsamples_));
    return written;
}

SummaryRequest ResamplingRun::summaryRequest() const {
    const int cases = kind_ == SampleKind::Jackknife ? aligned_.subsamples() : c_.table.caseCount();
    return SummaryRequest{kind_, cases, c_.options.process,
                          ResamplingSummaryNames(kind_, c_.files.project, c_.folders.tempDir),
                          static_cast<int>(rejected_.size())};
}

bool ResamplingRun::writeConsistentSummaries() {
    SummaryRequest request = summaryRequest();
    request.process = false;
    request.consistent = true;
    return WriteSucceeded(c_.ports.prompts, WriteResamplingSummaries(c_.model, aligned_, request));
}

// The statistics rest on the subsamples the engine estimated; when it rejected more than
// half of them, or too many to leave two, they would describe another population.
bool ResamplingRun::enoughSubsamplesKept() {
    const int kept = store_.subsamples();
    if (2 * static_cast<int>(rejected_.size()) <= subsamples_ && kept >= ResamplingOptions::kSamplesLow)
        return true;
    tellText("The run is refused: " + LeftOutText(rejected_, subsamples_));
    return false;
}

std::string ResamplingRun::keptListing() const {
    const ResamplingFileNames names = resamplingFileNames(c_.files.project);
    return kind_ == SampleKind::Jackknife ? names.jackknifeListing : names.bootstrapListing;
}

std::optional<std::string> ResamplingRun::keepFiles() {
    const std::string card = kind_ == SampleKind::Jackknife ? c_.files.jackKnife : c_.files.bootStrap;
    if (auto failure = KeepWorkFile(engineFiles_.controlFile(), card)) return failure;
    return KeepWorkFile(engineFiles_.listing(), keptListing());
}

void ResamplingRun::finish(bool ok, bool engineRan) {
    if (inGroup_) return;
    const bool jackknife = kind_ == SampleKind::Jackknife;
    const char* done = jackknife ? "MSG_JackKnifeOK" : "MSG_BootStrapOK";
    c_.ports.status.showStatus(c_.texts.lookup("MSG_Ready"),
                               c_.texts.lookup(ok ? done : "MSG_EstimateFail"));
    if (!engineRan) return;
    if (ok) (jackknife ? c_.model.jackknifeDone : c_.model.bootstrapDone) = true;
    c_.model.resampled = c_.model.estimated = true;
    if (c_.beep) c_.ports.desktop.playSound(c_.folders.soundFile().string());
}

}  // namespace qv
