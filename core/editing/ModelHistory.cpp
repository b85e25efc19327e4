#include "core/editing/ModelHistory.h"

namespace qv {
namespace {

bool sameEstimatedConstruct(const Construct& a, const Construct& b) {
    return a.type == b.type && a.nInd == b.nInd && a.sign == b.sign && a.order == b.order && a.nCon == b.nCon &&
           a.construct == b.construct;
}

bool samePlacedConstruct(const Construct& a, const Construct& b) {
    return a.x == b.x && a.y == b.y && a.caption == b.caption;
}

bool samePlacedBox(const Indicator& a, const Indicator& b) {
    return a.boxPlaced == b.boxPlaced && (!a.boxPlaced || (a.boxDx == b.boxDx && a.boxDy == b.boxDy));
}

bool sameIndicator(const Indicator& a, const Indicator& b) {
    return a.caption == b.caption && a.construct == b.construct && a.interaction == b.interaction &&
           a.predictor == b.predictor && a.moderator == b.moderator && a.standardized == b.standardized &&
           a.meanCentered == b.meanCentered;
}

template <typename Record, typename Same>
bool sameRecords(const Record* a, const Record* b, int count, Same same) {
    for (int i = 0; i < count; ++i)
        if (!same(a[i], b[i])) return false;
    return true;
}

}  // namespace

bool SameEstimate(const ProjectModel& a, const ProjectModel& b) {
    if (a.nConstruct != b.nConstruct || a.nIndicator != b.nIndicator || a.nProduct != b.nProduct || a.nPath != b.nPath)
        return false;
    return sameRecords(a.constructs.data(), b.constructs.data(), a.nConstruct, sameEstimatedConstruct) &&
           sameRecords(a.indicators.data(), b.indicators.data(), a.nIndicator, sameIndicator) &&
           sameRecords(a.paths.data(), b.paths.data(), a.nPath,
                       [](const Path& p, const Path& q) { return p.src == q.src && p.dest == q.dest; });
}

bool SameStructure(const ProjectModel& a, const ProjectModel& b) {
    return SameEstimate(a, b) && a.nTextLabel == b.nTextLabel &&
           sameRecords(a.constructs.data(), b.constructs.data(), a.nConstruct, samePlacedConstruct) &&
           sameRecords(a.indicators.data(), b.indicators.data(), a.nIndicator, samePlacedBox) &&
           sameRecords(a.textLabels.data(), b.textLabels.data(), a.nTextLabel, [](const TextLabel& p, const TextLabel& q) {
               return p.text == q.text && p.x == q.x && p.y == q.y;
           });
}

void ClearFigures(ProjectModel& model) {
    model.clearResults();
    for (Indicator& indicator : model.indicators) indicator.weight = indicator.residual = 0;
    model.estimated = false;
    model.groupRun = false;
}

void ModelHistory::reset(const ProjectModel& model) {
    steps_.clear();
    done_ = 0;
    clean_ = 0;
    current_ = model;
}

bool ModelHistory::record(const std::string& name, const ProjectModel& model) {
    if (SameStructure(model, current_)) {
        current_ = model;  // results and flags follow without a step of their own
        return false;
    }
    steps_.erase(steps_.begin() + static_cast<std::ptrdiff_t>(done_), steps_.end());
    if (clean_ && *clean_ > done_) clean_.reset();
    steps_.push_back({name, current_, model});
    if (steps_.size() > kMaxSteps) {
        steps_.erase(steps_.begin());
        if (clean_) clean_ = *clean_ == 0 ? std::nullopt : std::optional<std::size_t>(*clean_ - 1);
    }
    done_ = steps_.size();
    current_ = model;
    return true;
}

void ModelHistory::forgetFigures() {
    for (Step& step : steps_) {
        ClearFigures(step.before);
        ClearFigures(step.after);
    }
    ClearFigures(current_);
}

void ModelHistory::undo(ProjectModel& model) {
    if (!canUndo()) return;
    --done_;
    restore(model, steps_[done_].before);
}

void ModelHistory::redo(ProjectModel& model) {
    if (!canRedo()) return;
    ++done_;  // first, so that the modified mark compares the state after the step
    restore(model, steps_[done_ - 1].after);
}

void ModelHistory::restore(ProjectModel& model, const ProjectModel& state) {
    const bool open = model.modelOpen;
    model = state;
    model.modelOpen = open;
    model.modified = !isClean();
    current_ = model;
}

}  // namespace qv
