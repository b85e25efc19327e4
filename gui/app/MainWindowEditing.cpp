// The main window's Edit menu: undo and redo of every edit of the model, and the commands on
// the diagram's selection. Every command and every change on the diagram ends in recordEdit,
// which keeps the history and clears figures the edit made stale.
#include <QAction>

#include "core/app/EstimateInputs.h"
#include "core/app/Workbench.h"
#include "gui/app/MainWindow.h"
#include "gui/app/TextConversion.h"
#include "gui/diagram/DiagramView.h"

namespace qv::gui {

// A model was opened, made or closed: its history starts here, with nothing selected.
// A model that opens is shown whole (again once the window has shared its width).
void MainWindow::startOver() {
    diagram_->clearSelection();
    diagram_->showWhole();
    history_.reset(workbench_->model());
    estimatedInputs_ = InputsOf(*workbench_);  // the figures a model file brings belong to its data
}

void MainWindow::recordEdit() {
    ProjectModel& model = workbench_->model();
    const std::string name = editName_.isEmpty() ? "Edit" : toStdString(editName_);
    editName_.clear();
    if (engineRan_) {
        engineRan_ = false;
        history_.adopt(model);
        estimatedInputs_ = InputsOf(*workbench_);
    } else if (model.estimated && history_.changesEstimate(model)) {
        ClearFigures(model);
        workbench_->showStatus("The model changed since its estimate: its figures were cleared.", false);
    } else if ((model.estimated || model.groupRun) && !SameInputs(InputsOf(*workbench_), estimatedInputs_)) {
        ClearFigures(model);
        history_.forgetFigures();
        workbench_->showStatus("The data or the model parameters changed since the estimate: the figures were cleared.",
                               false);
    }
    if (history_.record(name, model))
        model.modified = true;
    else if (!model.modified)
        history_.markClean();  // saved, or never changed
    const QString undo = toQString(history_.undoName()), redo = toQString(history_.redoName());
    actions_["MNU_Undo"]->setText(undo.isEmpty() ? QStringLiteral("Undo") : "Undo " + undo);
    actions_["MNU_Redo"]->setText(redo.isEmpty() ? QStringLiteral("Redo") : "Redo " + redo);
}

void MainWindow::undo() {
    if (!history_.canUndo()) return;
    workbench_->showStatus("Undo " + history_.undoName(), false);
    history_.undo(workbench_->model());
    diagram_->clearSelection();
}

void MainWindow::redo() {
    if (!history_.canRedo()) return;
    workbench_->showStatus("Redo " + history_.redoName(), false);
    history_.redo(workbench_->model());
    diagram_->clearSelection();
}

void MainWindow::cutSelection() { diagram_->cutSelection(); }
void MainWindow::copySelection() { diagram_->copySelection(); }
void MainWindow::pasteCopies() { diagram_->paste(); }
void MainWindow::duplicateSelection() { diagram_->duplicateSelection(); }
void MainWindow::selectAll() { diagram_->selectAll(); }
void MainWindow::deleteSelection() { diagram_->deleteSelection(); }

}  // namespace qv::gui
