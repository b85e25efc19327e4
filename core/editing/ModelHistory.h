#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "core/model/ProjectModel.h"

namespace qv {

// Whether two models would be estimated the same: constructs with their modes and links,
// indicators and their assignments, paths. Places, captions and text labels do not count.
bool SameEstimate(const ProjectModel& a, const ProjectModel& b);
// Whether two models have the same structure as the user edits it: what is estimated, and the
// places (of constructs and of indicator boxes), captions and text labels. Results and flags do
// not count.
bool SameStructure(const ProjectModel& a, const ProjectModel& b);
// Results of every construct, indicator and path back to none, with the flag that says the
// model was estimated.
void ClearFigures(ProjectModel& model);

// The edits of one model as steps that can be taken back and done again. A step keeps the
// model as it was before and after the edit: the tables have a fixed size, so a copy is cheap,
// and every kind of edit (the diagram, the dialogs, the tree) is undone the same way.
class ModelHistory {
public:
    static constexpr std::size_t kMaxSteps = 100;

    // Starts again from the model as it is (a model opened, created or closed).
    void reset(const ProjectModel& model);
    // Records the edit that led to the model, under its name, when it changed the structure.
    // Returns whether a step was recorded.
    bool record(const std::string& name, const ProjectModel& model);
    // Takes the model as it is without a step: a change that is no edit (an estimate).
    void adopt(const ProjectModel& model) { current_ = model; }
    // Whether the model would now be estimated otherwise than at the last record.
    bool changesEstimate(const ProjectModel& model) const { return !SameEstimate(model, current_); }
    // The figures of every step go as well: after the data changed, an undo must not bring back
    // figures of the data as they were.
    void forgetFigures();

    bool canUndo() const { return done_ > 0; }
    bool canRedo() const { return done_ < steps_.size(); }
    std::string undoName() const { return canUndo() ? steps_[done_ - 1].name : std::string(); }
    std::string redoName() const { return canRedo() ? steps_[done_].name : std::string(); }
    // Each puts the model's tables back as they were before (undo) or after (redo) the step and
    // sets its modified mark from the clean state. The model keeps being open.
    void undo(ProjectModel& model);
    void redo(ProjectModel& model);

    // The model as it is now is the one on disk (after a save).
    void markClean() { clean_ = done_; }
    bool isClean() const { return clean_ == done_; }

private:
    struct Step {
        std::string name;
        ProjectModel before;
        ProjectModel after;
    };
    void restore(ProjectModel& model, const ProjectModel& state);

    std::vector<Step> steps_;
    std::size_t done_ = 0;
    std::optional<std::size_t> clean_ = 0;  // none once the saved state fell off the history
    ProjectModel current_;
};

}  // namespace qv
