#pragma once

#include <QObject>
#include <QRect>

namespace qv::gui {

// Keeps every window of the program inside the available area of its screen: a window that
// would open larger than the area is made to fit it, and one that would open partly off it
// is moved in. Installed on the application, it sees each window as it is shown.
class WindowsOnScreen final : public QObject {
public:
    explicit WindowsOnScreen(QObject* parent) : QObject(parent) {}

    // Where a window of the frame would fit in the area: the same place when it fits already.
    static QRect fitted(QRect frame, QRect area);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

}  // namespace qv::gui
