#pragma once

#include <QWidget>
#include <functional>
#include <memory>

namespace Ui {
class TForm19;
}

namespace qv {
class Workbench;
}

namespace qv::gui {

// The group results window (TForm19): switches the diagram between group 1, group 2 and both
// groups side by side, and writes the HTML report of the last significance test. It stands at
// the main window's right edge whenever it is shown.
class GroupResultsWindow final : public QWidget {
public:
    // Runs a command the way the main window does: one at a time, the views refreshed after.
    using Command = std::function<void(const std::function<void()>&)>;

    GroupResultsWindow(Workbench& workbench, Command command, QWidget* mainWindow);
    ~GroupResultsWindow() override;

    // The report belongs to a significance test; a path estimate has none.
    void setHtmlReportEnabled(bool enabled);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void showGroups(int displayMode);
    void htmlReport();

    std::unique_ptr<Ui::TForm19> ui_;
    Workbench& workbench_;
    Command command_;
    QWidget& mainWindow_;
};

}  // namespace qv::gui
