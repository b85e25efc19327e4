// The Edit menu's commands on the diagram's selection: delete, select all, cut, copy, paste and
// duplicate. The copies stay inside the program.
#include "core/app/Workbench.h"
#include "gui/diagram/DiagramView.h"

namespace qv::gui {
namespace {

constexpr int kPasteShift = 30;  // each paste lands this much further down and right

}  // namespace

bool DiagramView::confirmDeleting(std::size_t elements) {
    if (elements <= 1) return true;
    const std::string question = "Delete the " + std::to_string(elements) + " selected elements?";
    return workbench_.ports().prompts.askOkCancel(Message{"MSG_DeleteSelection", question, "Delete"});
}

void DiagramView::deleteSelection() {
    if (!selection_.constructs.empty())
        deleteConstructs();
    else if (!selection_.paths.empty())
        deletePaths();
}

void DiagramView::deleteConstructs() {
    if (selection_.constructs.empty() || !confirmDeleting(selection_.constructs.size())) return;
    workbench_.model().deleteConstructs(selection_.constructs);
    selection_ = {};
    hitConstruct_ = -1;
    changed("Delete");
}

void DiagramView::deletePaths() {
    if (selection_.paths.empty() || !confirmDeleting(selection_.paths.size())) return;
    workbench_.model().deletePaths(selection_.paths);
    selection_.paths.clear();
    changed("Delete");
}

void DiagramView::selectAll() {
    const ProjectModel& model = workbench_.model();
    selection_ = {};
    for (int c = 0; c < model.nConstruct; ++c)
        if (model.constructs[c].construct == -1) selection_.constructs.push_back(c);
    for (int p = 0; p < model.nPath; ++p) selection_.paths.push_back(p);
    showSelectionCount();
    redraw();
}

void DiagramView::copySelection() {
    if (selection_.constructs.empty()) return;
    copies_ = CopyConstructs(workbench_.model(), selection_.constructs);
    pastes_ = 0;
}

// Cutting deletes without asking: the constructs can come back with a paste or an undo.
void DiagramView::cutSelection() {
    if (selection_.constructs.empty()) return;
    copySelection();
    workbench_.model().deleteConstructs(selection_.constructs);
    selection_ = {};
    hitConstruct_ = -1;
    pastes_ = -1;  // the first paste puts them back where they were
    changed("Cut");
}

void DiagramView::paste() {
    if (copies_.empty()) return;
    ++pastes_;
    std::vector<int> pasted;
    const int shift = kPasteShift * pastes_;
    if (!workbench_.report(PasteConstructs(workbench_.model(), copies_, shift, shift, pasted))) return;
    selection_ = {pasted, {}};
    changed("Paste");
}

void DiagramView::duplicateSelection() {
    if (selection_.constructs.empty()) return;
    const ConstructCopies copies = CopyConstructs(workbench_.model(), selection_.constructs);
    std::vector<int> pasted;
    if (!workbench_.report(PasteConstructs(workbench_.model(), copies, kPasteShift, kPasteShift, pasted))) return;
    selection_ = {pasted, {}};
    changed("Duplicate");
}

}  // namespace qv::gui
