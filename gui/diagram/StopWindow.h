#pragma once

#include <QWidget>

class QLabel;
class QPushButton;

namespace qv::gui {

// The small "Stop Drawing" window beside the main window while a creating tool is chosen: it
// counts what was created and its button leads back to the select tool.
class StopWindow final : public QWidget {
public:
    explicit StopWindow(QWidget* parent);

    void showFor(const QString& buttonCaption, bool resetCount);
    void showCount(int count, const QString& text);
    QPushButton& button() { return *button_; }
    QString countText() const;

private:
    QPushButton* button_;
    QLabel* number_;
    QLabel* text_;
};

}  // namespace qv::gui
