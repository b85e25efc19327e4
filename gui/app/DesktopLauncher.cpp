#include "gui/app/DesktopLauncher.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

#include "gui/app/TextConversion.h"
#include "gui/results/TextViewer.h"

namespace qv::gui {

void DesktopLauncher::openWithDesktop(const std::string& path) {
    QDesktopServices::openUrl(QUrl::fromLocalFile(toQString(path)));
}

void DesktopLauncher::showText(const std::string& path) {
    auto* viewer = new TextViewer(path, files_);
    viewer->show();
    viewer->raise();
}

// The base toolkit has no audio module: a system player plays the file, else the bell rings.
void DesktopLauncher::playSound(const std::string& path) {
    QString player = QStandardPaths::findExecutable("paplay");
    if (player.isEmpty()) player = QStandardPaths::findExecutable("aplay");
    const QString file = toQString(path);
    if (player.isEmpty() || !QFileInfo(file).isFile() || !QProcess::startDetached(player, {file}))
        QApplication::beep();
}

}  // namespace qv::gui
