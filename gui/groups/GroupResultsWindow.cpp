#include "gui/groups/GroupResultsWindow.h"

#include <QScreen>

#include "core/app/Workbench.h"
#include "core/groups/GroupReport.h"
#include "core/report/WebReport.h"
#include "gui/app/WindowsOnScreen.h"
#include "ui_GroupResultsWindow.h"

namespace qv::gui {

GroupResultsWindow::GroupResultsWindow(Workbench& workbench, Command command, QWidget* mainWindow)
    : QWidget(mainWindow, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                              Qt::MSWindowsFixedSizeDialogHint),
      ui_(std::make_unique<Ui::TForm19>()), workbench_(workbench), command_(std::move(command)),
      mainWindow_(*mainWindow) {
    ui_->setupUi(this);
    setFixedSize(sizeHint());
    connect(ui_->ToolButton1, &QToolButton::clicked, this, [this] { showGroups(0); });
    connect(ui_->ToolButton2, &QToolButton::clicked, this, [this] { showGroups(1); });
    connect(ui_->ToolButton3, &QToolButton::clicked, this, [this] { showGroups(2); });
    connect(ui_->ToolButton4, &QToolButton::clicked, this, [this] { htmlReport(); });
}

GroupResultsWindow::~GroupResultsWindow() = default;

void GroupResultsWindow::setHtmlReportEnabled(bool enabled) { ui_->ToolButton4->setEnabled(enabled); }

// Beside the main window, as far as the screen lets it.
void GroupResultsWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    const QRect beside(QPoint(mainWindow_.x() + mainWindow_.width(), mainWindow_.y()), frameGeometry().size());
    move(screen() ? WindowsOnScreen::fitted(beside, screen()->availableGeometry()).topLeft() : beside.topLeft());
}

// The command's refresh repaints the diagram in the new mode.
void GroupResultsWindow::showGroups(int displayMode) {
    command_([this, displayMode] { workbench_.model().groupDisplayMode = displayMode; });
}

void GroupResultsWindow::htmlReport() {
    command_([this] { WriteGroupReport(workbench_, WebReport::localNow()); });
}

}  // namespace qv::gui
