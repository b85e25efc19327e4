#include "gui/app/WindowsOnScreen.h"

#include <QEvent>
#include <QScreen>
#include <QWidget>
#include <algorithm>

namespace qv::gui {

QRect WindowsOnScreen::fitted(QRect frame, QRect area) {
    if (area.isEmpty()) return frame;
    frame.setSize(frame.size().boundedTo(area.size()));
    frame.moveLeft(std::clamp(frame.left(), area.left(), area.right() + 1 - frame.width()));
    frame.moveTop(std::clamp(frame.top(), area.top(), area.bottom() + 1 - frame.height()));
    return frame;
}

bool WindowsOnScreen::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::Show || !watched->isWidgetType()) return false;
    auto* window = static_cast<QWidget*>(watched);
    if (!window->isWindow() || window->windowType() == Qt::Popup || window->windowType() == Qt::ToolTip) return false;
    QScreen* screen = window->screen();
    if (!screen) return false;
    // The frame's edges come on top of the window's own size.
    const QRect frame = window->frameGeometry();
    const QSize edges = frame.size() - window->size();
    const QRect place = fitted(frame, screen->availableGeometry());
    if (place == frame) return false;
    window->resize(place.size() - edges);
    window->move(place.topLeft());
    return false;
}

}  // namespace qv::gui
