#pragma once

#include <QImage>
#include <QTransform>
#include <QWidget>
#include <functional>
#include <optional>
#include <vector>

#include "core/editing/ConstructCopies.h"
#include "core/editing/DiagramGeometry.h"
#include "gui/diagram/DiagramPictures.h"

class QMenu;

namespace qv {
class Workbench;
}

namespace qv::gui {

class StopWindow;

// The drawing surface (PaintBox1): shows the model's diagram and edits its structure with the
// mouse tools. The whole diagram is painted into a buffer after every change; the rubber line,
// the selection rectangle and the drag ghost are drawn over the buffer while the mouse moves.
// The view scales and shifts the drawing (zoom); the model keeps its own coordinates.
class DiagramView final : public QWidget {
public:
    enum class Tool { Select = 0, Construct = 1, Text = 2, Path = 3 };

    explicit DiagramView(Workbench& workbench, QWidget* parent = nullptr);

    // Called after every change of the model made here, with the edit's name: the owner
    // records it and refreshes its views.
    void onModelChanged(std::function<void(const std::string&)> changed) { changed_ = std::move(changed); }
    // Called to re-configure a construct (double click, Re-Configure).
    void onConstructDialog(std::function<void(int)> open) { openDialog_ = std::move(open); }
    // Called when the view goes back to the select tool by itself (the Stop button).
    void onToolChosen(std::function<void(Tool)> chosen) { toolChosen_ = std::move(chosen); }
    // The clock of the double click, in milliseconds; tests set their own.
    void setClock(std::function<long long()> clock) { clock_ = std::move(clock); }

    void chooseTool(Tool tool, int order = 1);
    Tool tool() const { return tool_; }
    // Repaints the whole diagram from the model (PaintBox1Paint).
    void redraw();
    // The diagram as the surface shows it, at least as large as asked.
    QImage picture(QSize atLeast = {});
    // Whether each construct's indicators are drawn beside it (View > Indicators on Diagram).
    void setShowIndicators(bool shown) {
        showIndicators_ = shown;
        redraw();
    }
    bool showIndicators() const { return showIndicators_; }
    // The whole drawing as a picture to keep, holding at least the rectangle when one is given.
    DiagramPictures pictures(QRectF atLeast = {}) const;

    // Zoom: the drawing's scale, changed in 10% steps around a point of the surface (the
    // middle when none is given); fitting puts the whole drawing in the window.
    double zoom() const { return zoom_; }
    void zoomBy(int steps, std::optional<QPointF> around = std::nullopt);
    void fitToWindow();
    // The drawing whole and centred in the view, at its natural size when that shows it whole.
    void showWhole();
    QPoint toModel(QPointF surfacePoint) const;
    QTransform modelToSurface() const;

    const Selection& selection() const { return selection_; }
    int hitConstruct() const { return hitConstruct_; }
    void setHitConstruct(int construct) { hitConstruct_ = construct; }
    void clearSelection();

    // DiagramEdits.cpp: the Edit menu's commands on the selection.
    // The Delete key: the selected constructs if any, else the selected paths; more than one
    // element goes only after a yes.
    void deleteSelection();
    void deleteConstructs();
    void deletePaths();
    void selectAll();
    void copySelection();
    void cutSelection();
    // The copies land a little below and right of where they were (further at each paste),
    // and become the selection.
    void paste();
    void duplicateSelection();
    void layOutIndicatorsAgain();
    bool canPaste() const { return !copies_.empty(); }
    StopWindow& stopWindow() { return *stopWindow_; }
    QMenu& constructMenu() { return *constructMenu_; }
    QMenu& pathMenu() { return *pathMenu_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    enum class Overlay { None, Line, Rectangle, Ghost, Box };

    int radius() const;
    void renderBuffer();
    void render(QImage& image);
    // Fits the drawing at no more than this zoom; false for an empty drawing, left as it was.
    bool fit(double largestZoom);
    void tellCoincidentPaths(const std::vector<int>& paths);
    void drawOverlay(QPainter& painter);
    void drawEstimateNote(QPainter& painter);
    void status(const std::string& text);
    void changed(const std::string& edit);
    bool confirmDeleting(std::size_t elements);
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
    int hitPath(QPoint point) const;
    // The indicator whose box is under the point, with the box; -1 when none is drawn there.
    std::pair<int, QRectF> hitIndicatorBox(QPoint point) const;
    void dropIndicator(QPoint shift);

    Workbench& workbench_;
    std::function<void(const std::string&)> changed_;
    std::function<void(int)> openDialog_;
    std::function<void(Tool)> toolChosen_;
    std::function<long long()> clock_;
    StopWindow* stopWindow_;
    QMenu* constructMenu_ = nullptr;
    QMenu* pathMenu_ = nullptr;
    QImage buffer_;
    bool dirty_ = true;
    std::vector<int> toldCoincident_;
    double zoom_ = 1;
    bool showIndicators_ = true;
    QPointF offset_;  // where the model's origin lies on the surface

    Tool tool_ = Tool::Select;
    Selection selection_;
    int hitConstruct_ = -1;
    int hitIndicator_ = -1;  // the indicator whose box a press in the select tool caught
    QRectF pressedBox_;
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
    ConstructCopies copies_;
    int pastes_ = 0;
};

}  // namespace qv::gui
