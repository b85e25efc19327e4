#include "gui/app/ProgressWindow.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QStyle>

#include "gui/app/TextConversion.h"
#include "ui_ProgressWindow.h"

namespace qv::gui {

ProgressWindow::ProgressWindow(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), ui_(std::make_unique<Ui::TForm8>()) {
    ui_->setupUi(this);
    setWindowModality(Qt::ApplicationModal);
    // Without a frame of its own the window needs a border to stand out from what is behind it.
    setStyleSheet("#TForm8 { border: 1px solid palette(dark); }");
    setMinimumWidth(360);
    ui_->Image1->setPixmap(style()->standardIcon(QStyle::SP_BrowserReload).pixmap(32, 32));
    connect(ui_->BTN_Cancel, &QPushButton::clicked, this, [this] { cancelled_ = true; });
    connect(ui_->BTN_Finish, &QPushButton::clicked, this, [this] {
        hide();
        if (parentWidget()) parentWidget()->activateWindow();
    });
}

ProgressWindow::~ProgressWindow() = default;

void ProgressWindow::start(const std::string& caption, int maximum) {
    cancelled_ = false;
    setWindowTitle(toQString(caption));
    ui_->LB_Caption->setText(toQString(caption));
    ui_->ProgressBar1->setRange(0, maximum > 0 ? maximum : 100);
    ui_->ProgressBar1->setValue(0);
    ui_->BTN_Finish->hide();
    ui_->BTN_Cancel->show();
    adjustSize();
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    show();
    raise();
    keepPainted();
}

void ProgressWindow::setPosition(int position) {
    ui_->ProgressBar1->setValue(position);
    keepPainted();
}

bool ProgressWindow::cancelRequested() {
    keepPainted();
    return cancelled_;
}

void ProgressWindow::finish() { hide(); }

void ProgressWindow::keepPainted() { QCoreApplication::processEvents(); }

}  // namespace qv::gui
