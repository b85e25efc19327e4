#include "gui/diagram/DiagramView.h"

#include <QDateTime>
#include <QMenu>
#include <QPainter>
#include <QPushButton>
#include <QTimer>

#include "core/app/Workbench.h"
#include "gui/app/TextConversion.h"
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
    connect(&stopWindow_->button(), &QPushButton::clicked, this, [this] { chooseTool(Tool::Select); });
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
    pathMenu_ = new QMenu(this);
    pathMenu_->setObjectName("PopupMenu4");
    QAction* removePath = pathMenu_->addAction("Delete Path");
    removePath->setObjectName("DeletePath1");
    connect(removePath, &QAction::triggered, this, &DiagramView::deletePaths);
}

int DiagramView::radius() const { return workbench_.settings().radius; }

void DiagramView::status(const std::string& text) { workbench_.showStatus(text, false); }

void DiagramView::changed() {
    redraw();
    if (changed_) changed_();
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
    DiagramPainter diagram(painter, workbench_.model(), colours, radius());
    tellCoincidentPaths(diagram.paintAll(selection_, image.size()));
}

// Two constructs on the same centre leave their path without a direction. The message comes
// after the paint, and only when the set of such paths changed, so it cannot repeat forever.
void DiagramView::tellCoincidentPaths(const std::vector<int>& paths) {
    if (paths == toldCoincident_) return;
    toldCoincident_ = paths;
    if (paths.empty()) return;
    QTimer::singleShot(0, this, [this] {
        workbench_.ports().prompts.tell(Message{"", "slop==0! Bug Found...\nPlease Contact Orlen", ""});
    });
}

QImage DiagramView::picture(QSize atLeast) {
    QImage image(size().expandedTo(atLeast), QImage::Format_RGB32);
    render(image);
    return image;
}

void DiagramView::paintEvent(QPaintEvent*) {
    if (dirty_ || buffer_.size() != size()) renderBuffer();
    QPainter painter(this);
    painter.drawImage(0, 0, buffer_);
    drawOverlay(painter);
}

void DiagramView::drawOverlay(QPainter& painter) {
    if (overlay_ == Overlay::None || !lastDrag_) return;
    const QPoint shift = *lastDrag_ - pressPoint_;
    painter.setPen(QPen(Qt::black, 1, Qt::DotLine));
    painter.setBrush(Qt::NoBrush);
    if (overlay_ == Overlay::Line) painter.drawLine(pressPoint_, *lastDrag_);
    if (overlay_ == Overlay::Rectangle) painter.drawRect(QRect(pressPoint_, *lastDrag_).normalized());
    if (overlay_ != Overlay::Ghost) return;
    const QColor grey(128, 128, 128);
    painter.setPen(QPen(grey, 1));
    painter.setBrush(QColor(128, 128, 128, 96));
    const ProjectModel& model = workbench_.model();
    for (int c : selection_.constructs)
        DiagramPainter::drawOutline(painter, QPoint(model.constructs[c].x, model.constructs[c].y) + shift, radius());
}

void DiagramView::clearSelection() {
    selection_ = {};
    redraw();
}

void DiagramView::deleteSelection() {
    if (!selection_.constructs.empty())
        deleteConstructs();
    else if (!selection_.paths.empty())
        deletePaths();
}

void DiagramView::deleteConstructs() {
    if (selection_.constructs.empty()) return;
    workbench_.model().deleteConstructs(selection_.constructs);
    selection_ = {};
    hitConstruct_ = -1;
    changed();
}

void DiagramView::deletePaths() {
    if (selection_.paths.empty()) return;
    workbench_.model().deletePaths(selection_.paths);
    selection_.paths.clear();
    changed();
}

}  // namespace qv::gui
