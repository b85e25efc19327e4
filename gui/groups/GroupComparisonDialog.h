#pragma once

#include <QDialog>
#include <array>
#include <functional>
#include <memory>

#include "core/groups/GroupConditions.h"

namespace Ui {
class TForm18;
}

namespace qv {
class Workbench;
enum class GroupOutcome;
}  // namespace qv

namespace qv::gui {

class ConditionEditor;

// The MultiGroup Comparison dialog (TForm18): the conditions of each group, kept while the
// program runs, and the two comparisons. A completed comparison closes the dialog; after a
// declined or failed one it stays open for other conditions.
class GroupComparisonDialog final : public QDialog {
public:
    // Told after each comparison that was started: its outcome, and whether it was the
    // significance test.
    using Finished = std::function<void(GroupOutcome outcome, bool significance)>;

    GroupComparisonDialog(Workbench& workbench, Finished finished, QWidget* parent = nullptr);
    ~GroupComparisonDialog() override;

    void showFor();
    const GroupConditions& group(int number) const { return groups_[static_cast<size_t>(number - 1)]; }

private:
    void compare(bool significance);

    std::unique_ptr<Ui::TForm18> ui_;
    Workbench& workbench_;
    Finished finished_;
    std::array<GroupConditions, 2> groups_;
    std::array<ConditionEditor*, 2> editors_{};
};

}  // namespace qv::gui
