#include "core/results/ResamplingListing.h"

#include <memory>

#include "core/engine/AppendFormat.h"
#include "core/engine/Blocks.h"

namespace qv {
namespace {

constexpr size_t kMaxReasonLength = 95;
constexpr std::string_view kEntireSample = "ALLSample";

// The fields every problem of the listing supplies; cleared before each read, so a field a
// problem leaves out cannot carry over the previous problem's value.
void clearSampleFields(ProjectModel& model) {
    for (Indicator& indicator : model.indicators)
        indicator.loading = indicator.weight = indicator.residual = 0;
    for (Path& path : model.paths) path.coefficient = 0;
    for (Construct& construct : model.constructs) construct.rSquare = 0;
}

// A listing that lacks a problem ended early: the engine was stopped or the disk was full.
bool present(const ProblemAnswer& answer, std::string_view title,
             const ListingErrorReport& report) {
    if (answer.found) return true;
    report.prompts.tell({"", "The listing " + report.listingPath + " ends before " +
                                 std::string(title) + ": the engine did not finish the run.",
                         ""});
    return false;
}

std::string SubsampleTitle(int s) {
    std::string title;
    AppendFormat(title, "SubSample %d", s);
    return title;
}

// A listing cut short names the first problem it lacks, which says more than its missing
// closing line; true when every problem is there.
bool everyProblemPresent(const ResamplingListing& listing, const ListingErrorReport& report) {
    TextPos searched = 0;
    for (int s = 0; s < listing.subsamples; ++s) {
        const std::string title = SubsampleTitle(s);
        if (!present(AnswerTo(listing.text, title, searched), title, report)) return false;
    }
    return present(AnswerTo(listing.text, kEntireSample, searched), kEntireSample, report);
}

}  // namespace

std::string LeftOutText(const std::vector<RejectedSubsample>& rejected, int subsamples) {
    constexpr size_t kReasonsShown = 3;
    std::string text;
    AppendFormat(text, "%d of %d subsamples were left out because the engine rejected them:",
                 static_cast<int>(rejected.size()), subsamples);
    for (size_t r = 0; r < rejected.size() && r < kReasonsShown; ++r)
        AppendFormat(text, "\nSubSample %d: %s", rejected[r].number, rejected[r].reason.c_str());
    if (rejected.size() > kReasonsShown) text += "\n...";
    return text;
}

ProblemAnswer AnswerTo(std::string_view listing, std::string_view title, TextPos& from) {
    const TextPos at = FindText(listing, from, title);
    if (at == kNotFound) return {};
    from = at + static_cast<TextPos>(title.size());
    const TextPos next = SkipLines(listing, at, 1);
    if (!listing.substr(static_cast<size_t>(next)).starts_with("Error:")) return {true, ""};
    return {true, LineAt(listing, next, kMaxReasonLength)};
}

bool ReadResamplingListing(const ResamplingListing& listing, ProjectModel& model,
                           ResamplingStore& store, const ListingErrorReport& report,
                           ProgressView& progress, std::vector<RejectedSubsample>& rejected) {
    auto scratch = std::make_unique<ProjectModel>(model);
    ListingReader reader(listing.text, *scratch, report);
    if (reader.cutShort() && !everyProblemPresent(listing, report)) return false;
    TextPos searched = 0;
    for (int s = 0; s < listing.subsamples; ++s) {
        const std::string title = SubsampleTitle(s);
        ProblemAnswer answer = AnswerTo(listing.text, title, searched);
        if (!present(answer, title, report)) return false;
        if (listing.leaveOutRejected && !answer.rejection.empty()) {
            rejected.push_back({s, std::move(answer.rejection)});
        } else {
            clearSampleFields(*scratch);
            if (!reader.ReadNextListing(title, kRegularStage)) return false;
            store.record(s, *scratch);
        }
        progress.setPosition(s + 1);
    }
    if (!present(AnswerTo(listing.text, kEntireSample, searched), kEntireSample, report))
        return false;
    *scratch = model;
    clearSampleFields(*scratch);
    if (!reader.ReadNextListing(kEntireSample, kRegularStage)) return false;
    model = *scratch;
    return true;
}

}  // namespace qv
