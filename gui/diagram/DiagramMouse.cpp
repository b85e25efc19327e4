// The mouse gestures of the drawing surface. In the select tool a gesture is press, moves and
// release, classified at the release as double click, drag, click or rectangle.
#include <QGuiApplication>
#include <QMenu>
#include <QStyleHints>
#include <QMouseEvent>
#include <algorithm>
#include <cmath>
#include <tuple>

#include "core/app/Workbench.h"
#include "gui/app/TextConversion.h"
#include "gui/diagram/DiagramLayout.h"
#include "gui/diagram/DiagramView.h"
#include "gui/diagram/StopWindow.h"

namespace qv::gui {
namespace {

DiagramPoint at(QPoint point) { return {point.x(), point.y()}; }

// Six "X=%d Y=%d " items fill a status text of 99 characters; the rest is cut off.
std::string dragStatus(const ProjectModel& model, const std::vector<int>& selected, QPoint shift) {
    constexpr std::size_t kShownItems = 6;
    std::string text;
    for (std::size_t i = 0; i < selected.size(); ++i) {
        if (i == kShownItems) return text + "...";
        const Construct& construct = model.constructs[selected[i]];
        text += "X=" + std::to_string(construct.x + shift.x()) + " Y=" + std::to_string(construct.y + shift.y()) + " ";
    }
    return text;
}

}  // namespace

bool DiagramView::hitTest(QPoint point) {
    hitConstruct_ = HitConstruct(workbench_.model(), radius(), at(point));
    return hitConstruct_ >= 0;
}

void DiagramView::mousePressEvent(QMouseEvent* event) {
    const QPoint point = toModel(event->position());
    switch (tool_) {
        case Tool::Construct: pressConstructTool(point); break;
        case Tool::Text:
            if (workbench_.report(workbench_.model().addTextLabel(point.x(), point.y()))) changed("Text Label");
            break;
        case Tool::Path:
            if (event->button() != Qt::LeftButton) break;
            pressPoint_ = point;
            if (hitTest(point)) {
                pressed_ = true;
                pathSource_ = hitConstruct_;
            }
            break;
        case Tool::Select: pressSelectTool(*event); break;
    }
}

void DiagramView::pressConstructTool(QPoint point) {
    if (!workbench_.report(workbench_.model().addConstruct(point.x(), point.y()))) return;
    ++createdConstructs_;
    stopWindow_->showCount(createdConstructs_, toQString(workbench_.texts().lookup("MSG_NewConstructCreated")));
    changed("New Construct");
}

void DiagramView::pressSelectTool(QMouseEvent& event) {
    const QPoint point = toModel(event.position());
    if (event.button() == Qt::LeftButton) {
        pressPoint_ = point;
        pressed_ = true;
        hitIndicator_ = -1;
        if (!hitTest(point)) std::tie(hitIndicator_, pressedBox_) = hitIndicatorBox(point);
        return;
    }
    hitTest(point);
    openContextMenu(point);
}

// The menu of what lies under the cursor, selected first unless it already is; on an empty
// place the menu of the constructs selected, if any. The menu opens where the cursor is.
void DiagramView::openContextMenu(QPoint point) {
    const QPoint where = mapToGlobal(modelToSurface().map(point));
    const std::vector<int>& selected = selection_.constructs;
    if (hitConstruct_ >= 0 && std::find(selected.begin(), selected.end(), hitConstruct_) == selected.end()) {
        selection_ = {{hitConstruct_}, {}};
        redraw();
        showSelectionCount();
    }
    if (hitConstruct_ >= 0 || !selected.empty()) {
        constructMenu_->popup(where);
        return;
    }
    const int path = hitPath(point);
    if (path >= 0) status(workbench_.texts().lookup("MSG_PathSelected"));
    selection_ = {{}, path >= 0 ? std::vector<int>{path} : std::vector<int>{}};
    redraw();
    if (path >= 0) pathMenu_->popup(where);
}

std::pair<int, QRectF> DiagramView::hitIndicatorBox(QPoint point) const {
    if (!showIndicators_) return {-1, {}};
    const DiagramLayout layout(workbench_.model(), radius());
    const auto& places = layout.indicatorPlaces();
    for (int i = 0; i < static_cast<int>(places.size()); ++i)
        if (places[i] && toRect(places[i]->box).contains(point)) return {i, toRect(places[i]->box)};
    return {-1, {}};
}

// The box stays where it is dropped, relative to its construct, so it moves along with it.
void DiagramView::dropIndicator(QPoint shift) {
    ProjectModel& model = workbench_.model();
    Indicator& indicator = model.indicators[hitIndicator_];
    const Construct& construct = model.constructs[indicator.construct];
    const QPointF centre = pressedBox_.center() + shift;
    indicator.boxPlaced = true;
    indicator.boxDx = static_cast<int>(std::lround(centre.x())) - construct.x;
    indicator.boxDy = static_cast<int>(std::lround(centre.y())) - construct.y;
    model.modified = true;
    changed("Move Indicator");
}

// The tolerance is in pixels of the surface, whatever the zoom.
int DiagramView::hitPath(QPoint point) const {
    return HitPath(workbench_.model(), at(point), kPathHitPixels / zoom_);
}

void DiagramView::mouseMoveEvent(QMouseEvent* event) {
    if (!pressed_) return;
    const QPoint point = toModel(event->position());
    if (tool_ == Tool::Path) {
        overlay_ = Overlay::Line;
        lastDrag_ = point;
        status("X=" + std::to_string(point.x()) + " Y=" + std::to_string(point.y()) + " ");
        moved_ = true;
        update();
    } else if (tool_ == Tool::Select && hitIndicator_ >= 0) {
        overlay_ = Overlay::Box;
        lastDrag_ = point;
        moved_ = true;
        update();
    } else if (tool_ == Tool::Select && hitConstruct_ < 0) {
        overlay_ = Overlay::Rectangle;
        lastDrag_ = point;
        status(workbench_.texts().lookup("MSG_SelectArea"));
        update();
    } else if (tool_ == Tool::Select) {
        moveDrag(point);
    }
}

void DiagramView::moveDrag(QPoint point) {
    std::vector<int>& selected = selection_.constructs;
    if (std::find(selected.begin(), selected.end(), hitConstruct_) == selected.end()) {
        // Dragging an unselected construct drops the old selection.
        if (!selected.empty()) {
            selection_ = {};
            redraw();
        }
        selected = {hitConstruct_};
    }
    overlay_ = Overlay::Ghost;
    lastDrag_ = point;
    status(dragStatus(workbench_.model(), selected, point - pressPoint_));
    moved_ = true;
    update();
}

void DiagramView::mouseReleaseEvent(QMouseEvent* event) {
    const QPoint point = toModel(event->position());
    if (tool_ == Tool::Select && event->button() == Qt::LeftButton && pressed_) releaseSelectTool(point);
    if (tool_ == Tool::Path && pressed_) releasePathTool(point);
    pressed_ = moved_ = false;
    lastDrag_.reset();
    overlay_ = Overlay::None;
    update();
}

// Two releases within the platform's double-click interval make a double click.
void DiagramView::releaseSelectTool(QPoint point) {
    // Two clicks make a double click within the platform's interval, as everywhere else.
    const long long now = clock_();
    const bool quick = lastReleaseTime_ && now - *lastReleaseTime_ <= QGuiApplication::styleHints()->mouseDoubleClickInterval();
    if (quick && !moved_) {
        doubleClick(point);
    } else {
        if (moved_ && hitIndicator_ >= 0) {
            dropIndicator(point - pressPoint_);
        } else if (moved_) {
            ProjectModel& model = workbench_.model();
            const QPoint shift = point - pressPoint_;
            for (int c : selection_.constructs) {
                model.constructs[c].x += shift.x();
                model.constructs[c].y += shift.y();
            }
            model.modified = true;
            changed("Move");
        } else if (point == pressPoint_) {
            selectionClick(point);
        } else {
            selection_ = SelectByRectangle(workbench_.model(), radius(), at(pressPoint_), at(point));
            redraw();
        }
        showSelectionCount();
    }
    // Only a plain click starts a pair: a double click ends one, and the release of a drag is
    // no click (a click just after moving a construct selects).
    lastReleaseTime_ = quick || moved_ ? std::nullopt : std::optional<long long>(now);
    lastReleasedConstruct_ = hitConstruct_;
}

void DiagramView::selectionClick(QPoint point) {
    if (hitTest(point)) {
        selection_ = {{hitConstruct_}, {}};
    } else {
        const int path = hitPath(point);
        selection_.constructs.clear();
        selection_.paths = path >= 0 ? std::vector<int>{path} : std::vector<int>{};
    }
    redraw();
}

void DiagramView::doubleClick(QPoint point) {
    const bool hit = hitTest(point);
    selection_.constructs = hit ? std::vector<int>{hitConstruct_} : std::vector<int>{};
    redraw();
    if (hit && hitConstruct_ == lastReleasedConstruct_ && openDialog_) openDialog_(hitConstruct_);
}

void DiagramView::showSelectionCount() {
    const LanguageTexts& texts = workbench_.texts();
    if (!selection_.constructs.empty())
        status(std::to_string(selection_.constructs.size()) + " " + texts.lookup("MSG_ConstructSelected"));
    else if (!selection_.paths.empty())
        status(std::to_string(selection_.paths.size()) + " " + texts.lookup("MSG_PathSelected"));
    else
        status("");
}

void DiagramView::releasePathTool(QPoint point) {
    ProjectModel& model = workbench_.model();
    if (hitTest(point) && model.addPath(pathSource_, hitConstruct_)) {
        status(workbench_.texts().lookup("MNU_NewPath"));
        ++createdPaths_;
        stopWindow_->showCount(createdPaths_, toQString(workbench_.texts().lookup("MSG_NewPathCreated")));
    }
    selection_.constructs.clear();
    changed("New Path");
}

}  // namespace qv::gui
