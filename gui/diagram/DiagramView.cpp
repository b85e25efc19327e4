#include "gui/diagram/DiagramView.h"

#include <QApplication>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>
#include <QDateTime>
#include <QMenu>
#include <QPainter>
#include <QPushButton>
#include <QTimer>

#include "core/app/Workbench.h"
#include "core/consistent/ConsistentParameter.h"
#include "gui/app/TextConversion.h"
#include "gui/diagram/DiagramLayout.h"
#include "gui/diagram/DiagramPainter.h"
#include "gui/diagram/StopWindow.h"

namespace qv::gui {

DiagramView::DiagramView(Workbench& workbench, QWidget* parent)
    : QWidget(parent),
      workbench_(workbench),
      clock_([] { return QDateTime::currentMSecsSinceEpoch(); }),
      stopWindow_(new StopWindow(this)) {
    setObjectName("PaintBox1");
    setMinimumSize(400, 300);
    connect(&stopWindow_->button(), &QPushButton::clicked, this, [this] {
        chooseTool(Tool::Select);
        if (toolChosen_) toolChosen_(Tool::Select);
    });
    createMenus();
}

void DiagramView::createMenus() {
    constructMenu_ = new QMenu(this);
    constructMenu_->setObjectName("PopupMenu3");
    QAction* remove = constructMenu_->addAction("Delete Constructs");
    remove->setObjectName("MNU_DeleteConstruct");
    connect(remove, &QAction::triggered, this, &DiagramView::deleteConstructs);
    QAction* configure = constructMenu_->addAction("Re-Configure");
    configure->setObjectName("MNU_ReConfigure");
    connect(configure, &QAction::triggered, this, [this] {
        if (hitConstruct_ >= 0 && openDialog_) openDialog_(hitConstruct_);
    });
    QAction* layOut = constructMenu_->addAction("Lay Out Indicators Again");
    layOut->setObjectName("MNU_LayOutIndicators");
    connect(layOut, &QAction::triggered, this, &DiagramView::layOutIndicatorsAgain);
    pathMenu_ = new QMenu(this);
    pathMenu_->setObjectName("PopupMenu4");
    QAction* removePath = pathMenu_->addAction("Delete Path");
    removePath->setObjectName("DeletePath1");
    connect(removePath, &QAction::triggered, this, &DiagramView::deletePaths);
}

int DiagramView::radius() const { return workbench_.settings().radius; }

void DiagramView::status(const std::string& text) { workbench_.showStatus(text, false); }

void DiagramView::changed(const std::string& edit) {
    redraw();
    if (changed_) changed_(edit);
}

void DiagramView::chooseTool(Tool tool, int order) {
    const LanguageTexts& texts = workbench_.texts();
    tool_ = tool;
    switch (tool) {
        case Tool::Select:
            status(texts.lookup("MSG_Select"));
            setCursor(Qt::PointingHandCursor);
            stopWindow_->hide();
            break;
        case Tool::Construct:
            workbench_.model().currentOrder = order;
            status(texts.lookup(order == 2 ? "MSG_New2ndConstruct" : "MSG_NewConstruct"));
            setCursor(order == 2 ? Qt::DragCopyCursor : Qt::DragMoveCursor);
            if (order == 1) createdConstructs_ = 0;
            stopWindow_->showFor(toQString(texts.lookup("BTN_StopNewConstruct")), order == 1);
            break;
        case Tool::Path:
            status(texts.lookup("MNU_NewPath"));
            unsetCursor();
            createdPaths_ = 0;
            stopWindow_->showFor(toQString(texts.lookup("BTN_StopNewPath")), true);
            break;
        case Tool::Text: break;
    }
}

void DiagramView::redraw() {
    dirty_ = true;
    update();
}

void DiagramView::resizeEvent(QResizeEvent*) { dirty_ = true; }

void DiagramView::renderBuffer() {
    if (buffer_.size() != size()) buffer_ = QImage(size(), QImage::Format_RGB32);
    render(buffer_);
    dirty_ = false;
}

void DiagramView::render(QImage& image) {
    QPainter painter(&image);
    const DiagramColours colours = DiagramColours::of(workbench_.settings());
    painter.fillRect(image.rect(), colours.background);
    painter.setTransform(modelToSurface());
    DiagramPainter diagram(painter, workbench_.model(), colours, radius(), showIndicators_);
    tellCoincidentPaths(diagram.paintAll(selection_));
}

QTransform DiagramView::modelToSurface() const {
    return QTransform::fromTranslate(offset_.x(), offset_.y()).scale(zoom_, zoom_);
}

QPoint DiagramView::toModel(QPointF surfacePoint) const {
    return ((surfacePoint - offset_) / zoom_).toPoint();
}

// The point under the cursor stays where it is while the drawing grows or shrinks round it.
void DiagramView::zoomBy(int steps, std::optional<QPointF> around) {
    constexpr double kStep = 1.1, kSmallest = 0.2, kLargest = 8;
    const QPointF fixed = around.value_or(QPointF(width() / 2.0, height() / 2.0));
    const QPointF model = (fixed - offset_) / zoom_;
    zoom_ = std::clamp(zoom_ * std::pow(kStep, steps), kSmallest, kLargest);
    offset_ = fixed - model * zoom_;
    redraw();
}

void DiagramView::fitToWindow() { fit(8.0); }

// An empty model starts at the natural size, where the first constructs go.
void DiagramView::showWhole() {
    if (!fit(1.0)) {
        zoom_ = 1;
        offset_ = {};
        redraw();
    }
}

bool DiagramView::fit(double largestZoom) {
    constexpr double kMargin = 20;
    const QRectF box = DiagramLayout(workbench_.model(), radius(), showIndicators_).boundingBox();
    if (box.isEmpty()) return false;
    zoom_ = std::min((width() - 2 * kMargin) / box.width(), (height() - 2 * kMargin) / box.height());
    zoom_ = std::clamp(zoom_, 0.2, largestZoom);
    offset_ = QPointF(width() / 2.0, height() / 2.0) - box.center() * zoom_;
    redraw();
    return true;
}

// Two constructs on the same centre leave their path without a direction. The message comes
// after the paint, and only when the set of such paths changed, so it cannot repeat forever.
void DiagramView::tellCoincidentPaths(const std::vector<int>& paths) {
    if (paths == toldCoincident_) return;
    toldCoincident_ = paths;
    if (paths.empty()) return;
    QTimer::singleShot(0, this, [this, paths] {
        const ProjectModel& model = workbench_.model();
        std::string text;
        for (const int p : paths) {
            if (p >= model.nPath) continue;  // removed before the message came
            const Path& path = model.paths[static_cast<size_t>(p)];
            text += (text.empty() ? "" : "\n") + std::string("The path from ") +
                    model.constructs[static_cast<size_t>(path.src)].caption + " to " +
                    model.constructs[static_cast<size_t>(path.dest)].caption +
                    " is not drawn: both constructs stand on the same spot. Move one of them.";
        }
        if (!text.empty()) workbench_.ports().prompts.tell(Message{"", text, ""});
    });
}

DiagramPictures DiagramView::pictures(QRectF atLeast) const {
    return DiagramPictures(workbench_.model(), DiagramColours::of(workbench_.settings()), radius(), atLeast,
                           showIndicators_);
}

QImage DiagramView::picture(QSize atLeast) {
    QImage image(size().expandedTo(atLeast), QImage::Format_RGB32);
    render(image);
    return image;
}

// Ctrl with the wheel zooms round the cursor; the plain wheel is left to the window.
void DiagramView::wheelEvent(QWheelEvent* event) {
    if (!(event->modifiers() & Qt::ControlModifier) || event->angleDelta().y() == 0) {
        event->ignore();
        return;
    }
    zoomBy(event->angleDelta().y() > 0 ? 1 : -1, event->position());
    event->accept();
}

void DiagramView::paintEvent(QPaintEvent*) {
    if (dirty_ || buffer_.size() != size()) renderBuffer();
    QPainter painter(this);
    painter.drawImage(0, 0, buffer_);
    drawEstimateNote(painter);
    drawOverlay(painter);
}

// Figures corrected by consistent PLS are not the composites': the window's corner says so.
void DiagramView::drawEstimateNote(QPainter& painter) {
    if (!workbench_.model().estimated || !workbench_.parameters().consistent) return;
    painter.setPen(DiagramColours::of(workbench_.settings()).text);
    painter.drawText(rect().adjusted(8, 6, -8, -6), Qt::AlignLeft | Qt::AlignTop, kConsistentCaption);
}

void DiagramView::drawOverlay(QPainter& painter) {
    if (overlay_ == Overlay::None || !lastDrag_) return;
    painter.setTransform(modelToSurface());
    const QPoint shift = *lastDrag_ - pressPoint_;
    painter.setPen(QPen(Qt::black, 1, Qt::DotLine));
    painter.setBrush(Qt::NoBrush);
    if (overlay_ == Overlay::Line) painter.drawLine(pressPoint_, *lastDrag_);
    if (overlay_ == Overlay::Rectangle) painter.drawRect(QRect(pressPoint_, *lastDrag_).normalized());
    if (overlay_ != Overlay::Ghost && overlay_ != Overlay::Box) return;
    const QColor grey(128, 128, 128);
    painter.setPen(QPen(grey, 1));
    painter.setBrush(QColor(128, 128, 128, 96));
    if (overlay_ == Overlay::Box) {
        painter.drawRect(pressedBox_.translated(shift));
        return;
    }
    const ProjectModel& model = workbench_.model();
    for (int c : selection_.constructs)
        DiagramPainter::drawOutline(painter, QPoint(model.constructs[c].x, model.constructs[c].y) + shift, radius());
}

// The boxes the user moved go back beside their construct.
void DiagramView::layOutIndicatorsAgain() {
    ProjectModel& model = workbench_.model();
    for (int c : selection_.constructs)
        for (int i = 0; i < model.nIndicator; ++i)
            if (model.indicators[i].construct == c) model.indicators[i].boxPlaced = false;
    changed("Lay Out Indicators");
}

void DiagramView::clearSelection() {
    selection_ = {};
    redraw();
}

}  // namespace qv::gui
