#pragma once

#include <QTreeWidget>
#include <optional>
#include <string>

namespace qv {
class LanguageTexts;
struct ProjectModel;
}

namespace qv::gui {

// The model tree of the indicator panel (TreeView1): read-only, rebuilt from the model after
// every change, sorted by node text, all nodes expanded or all collapsed.
class ModelTree final : public QTreeWidget {
public:
    explicit ModelTree(QWidget* parent = nullptr);

    void rebuild(const ProjectModel& model, const LanguageTexts& texts, bool expanded);
    // The selected node's text and level (0 at the top); nothing when no node is selected.
    std::optional<std::string> selectedText() const;
    int selectedLevel() const;
    // The width that shows every column, the frame and the scroll bar.
    int widthForColumns() const;
};

}  // namespace qv::gui
