#include "core/engine/ListingReader.h"

#include <algorithm>
#include <cmath>

#include "core/engine/Blocks.h"
#include "core/engine/ListingEnd.h"

namespace qv {
namespace {

constexpr int kPanelColumns = 12;
constexpr TextPos kFieldWidth = 10;
constexpr TextPos kLineEndWidth = 2;  // the engine ends its lines with CR LF
constexpr size_t kMaxErrorLine = 95;

}  // namespace

ListingReader::ListingReader(std::string_view listing, ProjectModel& model,
                             ListingErrorReport report)
    : listing_(listing), model_(model), report_(std::move(report)),
      endError_(ListingEndError(listing)) {}

bool ListingReader::ReadListing(std::string_view title, int stage) {
    if (!endError_.empty()) return reportCutShort();
    const RunText run = FindRunText(listing_, title, 0);
    if (run.title != kNotFound) nextTitleSearch_ = run.end;
    return readRun(run, title, stage);
}

bool ListingReader::ReadNextListing(std::string_view title, int stage) {
    if (!endError_.empty()) return reportCutShort();
    const RunText run = FindRunText(listing_, title, nextTitleSearch_);
    if (run.title != kNotFound) nextTitleSearch_ = run.end;
    return readRun(run, title, stage);
}

bool ListingReader::readRun(const RunText& run, std::string_view title, int stage) {
    // Reads past the run's end find nothing, as if the listing ended there.
    const std::string_view text = listing_.substr(0, static_cast<size_t>(run.end));
    const std::vector<int> blocks = BlockConstructs(model_, stage);
    if (stage != kFirstStage) {
        const TextPos pathHeading = FindText(text, run.begin, "Path coefficients");
        if (pathHeading == kNotFound) return reportRejected(run);
        readPathTable(text, pathHeading);
    }
    const TextPos outerHeading = FindText(text, run.begin, "Outer Model");
    // A first stage has no path table; a missing outer model is what marks its failure.
    if (stage == kFirstStage && outerHeading == kNotFound) return reportRejected(run);
    if (outerHeading != kNotFound) readOuterModel(text, outerHeading, blocks);
    // Under a metric other than unit variance the Outer Model is in the indicators' units;
    // the records hold the standardized figures, which scores and reliabilities need.
    const TextPos standardized = FindText(text, run.begin, "Standardized weights and loadings");
    if (standardized != kNotFound) readOuterModel(text, standardized, blocks);
    const TextPos innerHeading = FindText(text, run.begin, "Inner Model");
    if (innerHeading != kNotFound) readInnerModel(text, innerHeading, blocks);
    AlignSigns(model_);
    if (title == "ALLSample" && model_.nBlindfolding > 0) readCrossValidation();
    return true;
}

bool ListingReader::reportCutShort() {
    if (endReported_) return false;
    endReported_ = true;
    report_.prompts.tell(
        Message{"", "The engine's listing " + report_.listingPath + " cannot be read: " + endError_, ""});
    return false;
}

bool ListingReader::reportRejected(const RunText& run) {
    const std::string_view text = listing_.substr(0, static_cast<size_t>(run.end));
    const TextPos error = FindText(text, run.begin, "Error");
    if (error > 0) {
        const std::string hint = report_.texts.lookup("MSG_PLSCompatible");
        report_.prompts.tell(
            Message{"MSG_PLSCompatible", LineAt(text, error, kMaxErrorLine) + "\n" + hint, ""});
        report_.desktop.showText(report_.listingPath);
    }
    return false;
}

// Panels of at most 12 columns; every row of a panel holds a 10-character label and one
// 10-character field per column.
void ListingReader::readPathTable(std::string_view text, TextPos heading) {
    const std::vector<int> columns = PathTableConstructs(model_);
    const int count = static_cast<int>(columns.size());
    const int panels = (count + kPanelColumns - 1) / kPanelColumns;
    TextPos at = heading;
    for (int panel = 0; panel < panels; ++panel) {
        if (panel > 0) at = SkipLines(text, at, 4);
        at = SkipLines(text, at, 4);
        const int first = panel * kPanelColumns;
        const int width = std::min(kPanelColumns, count - first);
        for (int row : columns) {
            at += kFieldWidth;
            for (int s = 0; s < width; ++s, at += kFieldWidth) {
                float value = 0;
                ReadNumberField(text, at, value);
                Path* path =
                    value != 0 ? findPath(columns[static_cast<size_t>(first + s)], row) : nullptr;
                if (path) path->coefficient = value;
            }
            at += kLineEndWidth;
        }
    }
}

// Per block two heading lines, then one row per indicator: name, weight, loading, an
// unread column and the residual variance, each 10 characters wide. The rows follow the
// block's indicators in control-file order, so they are taken by position: the engine may
// know an indicator by its positional alias only.
void ListingReader::readOuterModel(std::string_view text, TextPos heading,
                                   const std::vector<int>& blocks) {
    TextPos at = SkipLines(text, heading, 3);
    for (int block : blocks) {
        at = SkipLines(text, at, 2);
        const std::vector<int> indicators = BlockIndicators(model_, block);
        for (int i = 0; i < model_.constructs[static_cast<size_t>(block)].nInd; ++i) {
            if (static_cast<size_t>(i) < indicators.size()) {
                Indicator& indicator = model_.indicators[static_cast<size_t>(indicators[static_cast<size_t>(i)])];
                ReadNumberField(text, at + kFieldWidth, indicator.weight);
                ReadNumberField(text, at + 2 * kFieldWidth, indicator.loading);
                ReadNumberField(text, at + 4 * kFieldWidth, indicator.residual);
            }
            at = SkipLines(text, at + 4 * kFieldWidth, 1);
        }
    }
}

void ListingReader::readInnerModel(std::string_view text, TextPos heading,
                                   const std::vector<int>& blocks) {
    TextPos at = SkipLines(text, heading, 4);
    for (int block : blocks) {
        ReadNumberField(text, at + 3 * kFieldWidth,
                        model_.constructs[static_cast<size_t>(block)].rSquare);
        at = SkipLines(text, at + 3 * kFieldWidth, 1);
    }
}

// The k-th flagged construct was the target of the k-th blindfolding problem, so it takes
// the section of that problem only: a problem the engine rejected, or one it could not
// cross-validate, leaves its construct without Q-square and with the reason, instead of
// handing the next problem's figures down the line. An estimate without blindfolding (no
// kind of Q-square asked for) misses nothing.
void ListingReader::readCrossValidation() {
    TextPos from = 0;
    for (int i = 0; i < model_.nConstruct; ++i) {
        Construct& construct = model_.constructs[static_cast<size_t>(i)];
        if (model_.blindfoldingFlags[static_cast<size_t>(i)] != 1 || construct.q2Kind == 0) continue;
        const RunText run = FindRunText(listing_, "ALLSample", from);
        if (run.title == kNotFound || run.title < from) {
            construct.q2Missing = "the listing holds no blindfolding problem for this construct";
            from = static_cast<TextPos>(listing_.size());
            continue;
        }
        from = run.end;
        const std::string_view text = listing_.substr(0, static_cast<size_t>(run.end));
        TextPos at = FindText(text, run.begin, "Crossvalidated");
        if (at != kNotFound) at = FindText(text, at, "Total ");
        if (at != kNotFound && ReadNumberField(text, at + 42, construct.q2) &&
            ReadNumberField(text, at + 96, construct.q2sd))
            continue;
        construct.q2 = construct.q2sd = 0;
        construct.q2Missing = CrossValidationGap(text, run.begin);
    }
}

Path* ListingReader::findPath(int src, int dest) {
    for (int p = 0; p < model_.nPath; ++p) {
        Path& path = model_.paths[static_cast<size_t>(p)];
        if (path.src == src && path.dest == dest) return &path;
    }
    return nullptr;
}

std::string CrossValidationGap(std::string_view problem, TextPos from) {
    constexpr std::string_view kNoCrossValidation = "No cross-validation for this problem: ";
    constexpr std::string_view kError = "Error: ";
    const TextPos gap = FindText(problem, from, kNoCrossValidation);
    if (gap != kNotFound)
        return LineAt(problem, gap + static_cast<TextPos>(kNoCrossValidation.size()), kMaxErrorLine);
    const TextPos error = FindText(problem, from, kError);
    if (error != kNotFound)
        return "the engine rejected the problem: " +
               LineAt(problem, error + static_cast<TextPos>(kError.size()), kMaxErrorLine);
    return "the listing holds no cross-validation for this construct";
}

void AlignSigns(ProjectModel& model) {
    for (int i = 0; i < model.nConstruct; ++i) {
        float largest = 0;
        for (int k = 0; k < model.nIndicator; ++k) {
            const Indicator& indicator = model.indicators[static_cast<size_t>(k)];
            if (indicator.construct == i && std::fabs(indicator.loading) > std::fabs(largest))
                largest = indicator.loading;
        }
        Construct& construct = model.constructs[static_cast<size_t>(i)];
        construct.sign = largest < 0 ? -1 : 1;
        if (construct.sign == 1) continue;
        for (int k = 0; k < model.nIndicator; ++k) {
            Indicator& indicator = model.indicators[static_cast<size_t>(k)];
            if (indicator.construct != i) continue;
            indicator.loading = -indicator.loading;
            indicator.weight = -indicator.weight;
        }
        for (int p = 0; p < model.nPath; ++p) {
            Path& path = model.paths[static_cast<size_t>(p)];
            if (path.src == i) path.coefficient = -path.coefficient;
            if (path.dest == i) path.coefficient = -path.coefficient;
        }
    }
}

}  // namespace qv
