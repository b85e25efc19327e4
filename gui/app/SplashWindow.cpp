#include "gui/app/SplashWindow.h"

#include <QGuiApplication>
#include <QScreen>

#include "ui_SplashWindow.h"

namespace qv::gui {

SplashWindow::SplashWindow()
    : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint), ui_(std::make_unique<Ui::TForm9>()) {
    ui_->setupUi(this);
    setStyleSheet("#TForm9 { background: #f5f5eb; border: 1px solid gray; }");
    setAttribute(Qt::WA_StyledBackground);
    QFont title = ui_->LB_Title->font();
    title.setPointSize(title.pointSize() * 3);
    title.setBold(true);
    ui_->LB_Title->setFont(title);
    ui_->LB_Title->setAlignment(Qt::AlignCenter);
    ui_->Label1->setAlignment(Qt::AlignCenter);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

SplashWindow::~SplashWindow() = default;

void SplashWindow::showStep(const QString& step) {
    ui_->Label1->setText(step);
    repaint();
}

}  // namespace qv::gui
