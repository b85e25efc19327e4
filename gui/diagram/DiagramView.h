#pragma once

#include <QImage>
#include <QWidget>
#include <functional>
#include <optional>
#include <vector>

#include "core/editing/DiagramGeometry.h"

class QMenu;

namespace qv {
class Workbench;
}

namespace qv::gui {

class StopWindow;

// The drawing surface (PaintBox1): shows the model's diagram and edits its structure with the
// mouse tools. The whole diagram is painted into a buffer after every change; the rubber line,
// the selection rectangle and the drag ghost are drawn over the buffer while the mouse moves.
class DiagramView final : public QWidget {
public:
    enum class Tool { Select = 0, Construct = 1, Text = 2, Path = 3 };

    explicit DiagramView(Workbench& workbench, QWidget* parent = nullptr);

    // Called after every change of the model made here: the owner refreshes its views.
    void onModelChanged(std::function<void()> changed) { changed_ = std::move(changed); }
    // Called to re-configure a construct (double click, Re-Configure).
    void onConstructDialog(std::function<void(int)> open) { openDialog_ = std::move(open); }
    // The clock of the double click, in milliseconds; tests set their own.
    void setClock(std::function<long long()> clock) { clock_ = std::move(clock); }

    void chooseTool(Tool tool, int order = 1);
    Tool tool() const { return tool_; }
    // Repaints the whole diagram from the model (PaintBox1Paint).
    void redraw();
    // The diagram as a picture, for the web report: the surface, at least as large as asked.
    QImage picture(QSize atLeast = {});

    const Selection& selection() const { return selection_; }
    int hitConstruct() const { return hitConstruct_; }
    void setHitConstruct(int construct) { hitConstruct_ = construct; }
    void clearSelection();
    // The Delete key: the selected constructs if any, else the selected paths.
    void deleteSelection();
    void deleteConstructs();
    void deletePaths();
    StopWindow& stopWindow() { return *stopWindow_; }
    QMenu& constructMenu() { return *constructMenu_; }
    QMenu& pathMenu() { return *pathMenu_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    enum class Overlay { None, Line, Rectangle, Ghost };

    int radius() const;
    void renderBuffer();
    void render(QImage& image);
    void tellCoincidentPaths(const std::vector<int>& paths);
    void drawOverlay(QPainter& painter);
    void status(const std::string& text);
    void changed();
    void createMenus();

    // DiagramMouse.cpp: the gestures.
    void pressConstructTool(QPoint point);
    void pressSelectTool(QMouseEvent& event);
    void openContextMenu(QPoint point);
    void moveDrag(QPoint point);
    void releaseSelectTool(QPoint point);
    void releasePathTool(QPoint point);
    void selectionClick(QPoint point);
    void doubleClick(QPoint point);
    void showSelectionCount();
    bool hitTest(QPoint point);

    Workbench& workbench_;
    std::function<void()> changed_;
    std::function<void(int)> openDialog_;
    std::function<long long()> clock_;
    StopWindow* stopWindow_;
    QMenu* constructMenu_ = nullptr;
    QMenu* pathMenu_ = nullptr;
    QImage buffer_;
    bool dirty_ = true;
    std::vector<int> toldCoincident_;

    Tool tool_ = Tool::Select;
    Selection selection_;
    int hitConstruct_ = -1;
    int pathSource_ = -1;
    QPoint pressPoint_;
    std::optional<QPoint> lastDrag_;
    bool pressed_ = false;
    bool moved_ = false;
    Overlay overlay_ = Overlay::None;
    std::optional<long long> lastReleaseTime_;
    int lastReleasedConstruct_ = -1;
    int createdConstructs_ = 0;
    int createdPaths_ = 0;
};

}  // namespace qv::gui
