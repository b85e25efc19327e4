#include "core/editing/ModelHistory.h"

#include <gtest/gtest.h>

#include <functional>

namespace qv {
namespace {

struct Editing : ::testing::Test {
    ProjectModel model;
    ModelHistory history;
    Editing() {
        model.modelOpen = true;
        model.rebuildIndicators({"a", "b"});
        history.reset(model);
    }
    void edit(const std::string& name, const std::function<void()>& change) {
        change();
        model.modified = true;
        history.record(name, model);
    }
};

TEST_F(Editing, StepsGoBackAndForwardWithTheirNames) {
    edit("New Construct", [&] { model.addConstruct(100, 100); });
    edit("New Construct", [&] { model.addConstruct(300, 100); });
    edit("New Path", [&] { model.addPath(0, 1); });
    edit("Assign", [&] { model.assignIndicator(1, 1); });
    EXPECT_EQ(history.undoName(), "Assign");
    history.undo(model);
    EXPECT_EQ(model.indicators[1].construct, -1);
    EXPECT_EQ(model.constructs[1].nInd, 0);
    EXPECT_EQ(history.undoName(), "New Path");
    EXPECT_EQ(history.redoName(), "Assign");
    while (history.canUndo()) history.undo(model);
    EXPECT_EQ(model.nConstruct, 0);
    EXPECT_EQ(model.nPath, 0);
    EXPECT_TRUE(model.modelOpen);
    EXPECT_FALSE(model.modified) << "back at the state it was opened in";
    while (history.canRedo()) history.redo(model);
    EXPECT_EQ(model.nConstruct, 2);
    EXPECT_EQ(model.paths[0].dest, 1);
    EXPECT_EQ(model.indicators[1].construct, 1);
    EXPECT_TRUE(model.modified);
}

TEST_F(Editing, ResultsAndFlagsMakeNoStep) {
    edit("New Construct", [&] { model.addConstruct(100, 100); });
    model.constructs[0].rSquare = 0.5f;
    model.estimated = true;
    EXPECT_FALSE(history.record("Run", model));
    EXPECT_EQ(history.undoName(), "New Construct");
    edit("Move", [&] { model.constructs[0].x += 5; });
    history.undo(model);
    EXPECT_EQ(model.constructs[0].x, 100);
    EXPECT_FLOAT_EQ(model.constructs[0].rSquare, 0.5f) << "the state before the move had the figures";
}

TEST_F(Editing, TheModifiedMarkFollowsTheSavedState) {
    edit("New Construct", [&] { model.addConstruct(100, 100); });
    model.modified = false;  // saved
    history.markClean();
    edit("Move", [&] { model.constructs[0].x = 150; });
    history.undo(model);
    EXPECT_FALSE(model.modified);
    history.undo(model);
    EXPECT_TRUE(model.modified);
    history.redo(model);
    EXPECT_FALSE(model.modified);
    // A new edit after going back drops the steps ahead, and with them the saved state.
    history.undo(model);
    edit("Text", [&] { model.addTextLabel(5, 5); });
    EXPECT_FALSE(history.canRedo());
    history.undo(model);
    EXPECT_TRUE(model.modified) << "the saved state is gone from the history";
}

TEST_F(Editing, TheOldestStepsFallOff) {
    model.addConstruct(0, 0);
    history.reset(model);
    for (std::size_t i = 1; i <= ModelHistory::kMaxSteps + 5; ++i)
        edit("Move", [&] { model.constructs[0].x = int(i); });
    std::size_t undone = 0;
    while (history.canUndo()) {
        history.undo(model);
        ++undone;
    }
    EXPECT_EQ(undone, ModelHistory::kMaxSteps);
    EXPECT_EQ(model.constructs[0].x, 5);
}

TEST_F(Editing, OnlyEditsOfWhatIsEstimatedChangeTheEstimate) {
    edit("New Construct", [&] { model.addConstruct(100, 100); });
    edit("New Construct", [&] { model.addConstruct(300, 100); });
    ProjectModel moved = model;
    moved.constructs[0].x = 140;
    moved.constructs[0].caption = "SAT";
    moved.addTextLabel(1, 1);
    EXPECT_FALSE(history.changesEstimate(moved));
    EXPECT_FALSE(SameStructure(moved, model));
    ProjectModel boxMoved = model;
    boxMoved.indicators[1].boxPlaced = true;
    EXPECT_FALSE(history.changesEstimate(boxMoved));
    EXPECT_FALSE(SameStructure(boxMoved, model)) << "a moved indicator box is a step of its own";
    for (const auto& change : std::vector<std::function<void(ProjectModel&)>>{
             [](ProjectModel& m) { m.addPath(0, 1); }, [](ProjectModel& m) { m.assignIndicator(0, 1); },
             [](ProjectModel& m) { m.constructs[1].type = 1; }, [](ProjectModel& m) { m.deleteConstructs({0}); }}) {
        ProjectModel edited = model;
        change(edited);
        EXPECT_TRUE(history.changesEstimate(edited));
    }
    model.constructs[0].rSquare = 0.3f;
    model.indicators[0].weight = 0.7f;
    model.estimated = true;
    ClearFigures(model);
    EXPECT_EQ(model.constructs[0].rSquare, 0);
    EXPECT_EQ(model.indicators[0].weight, 0);
    EXPECT_FALSE(model.estimated);
}

// Once the data changed, no undo or redo may bring back the figures of the data as they were.
TEST_F(Editing, ForgottenFiguresComeBackWithNoStep) {
    edit("New Construct", [&] { model.addConstruct(100, 100); });
    model.constructs[0].rSquare = 0.4f;
    model.estimated = true;
    history.adopt(model);
    edit("Move", [&] { model.constructs[0].x = 150; });
    ClearFigures(model);
    history.forgetFigures();
    history.undo(model);
    EXPECT_EQ(model.constructs[0].x, 100);
    EXPECT_EQ(model.constructs[0].rSquare, 0);
    EXPECT_FALSE(model.estimated);
    history.redo(model);
    EXPECT_EQ(model.constructs[0].x, 150);
    EXPECT_FALSE(model.estimated);
}

}  // namespace
}  // namespace qv
