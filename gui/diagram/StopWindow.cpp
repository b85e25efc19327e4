#include "gui/diagram/StopWindow.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace qv::gui {

StopWindow::StopWindow(QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::WindowStaysOnTopHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      button_(new QPushButton("Stop")),
      number_(new QLabel),
      text_(new QLabel) {
    setObjectName("TForm9");
    setWindowTitle("Stop Drawing");
    button_->setObjectName("BTN_Stop");
    button_->setMinimumHeight(40);
    auto* line = new QHBoxLayout;
    line->addWidget(number_);
    line->addWidget(text_, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(button_);
    layout->addLayout(line);
}

void StopWindow::showFor(const QString& buttonCaption, bool resetCount) {
    button_->setText(buttonCaption);
    if (resetCount) showCount(0, {});
    if (QWidget* owner = parentWidget()) {
        const QRect frame = owner->window()->frameGeometry();
        adjustSize();
        move(frame.left() + frame.width() - width(), frame.top() + 100);
    }
    show();
}

void StopWindow::showCount(int count, const QString& text) {
    number_->setText(text.isEmpty() ? QString() : QString::number(count));
    text_->setText(text);
}

QString StopWindow::countText() const { return number_->text() + " " + text_->text(); }

}  // namespace qv::gui
