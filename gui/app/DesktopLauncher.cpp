#include "gui/app/DesktopLauncher.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

#include "gui/app/TextConversion.h"

namespace qv::gui {

QString editorProgram(const std::string& editor) {
    const QString name = toQString(editor).trimmed();
    if (name.isEmpty()) return {};
    const QFileInfo file(name);
    if (file.isAbsolute()) return file.isFile() && file.isExecutable() ? name : QString();
    return QStandardPaths::findExecutable(name);
}

QStringList variableEditor(const QString& visual, const QString& editor) {
    for (const QString& command : {visual, editor}) {
        QStringList words = QProcess::splitCommand(command);
        if (words.isEmpty()) continue;
        const QString program = editorProgram(toStdString(words.takeFirst()));
        if (!program.isEmpty()) return QStringList{program} + words;
    }
    return {};
}

void DesktopLauncher::openWithDesktop(const std::string& path) {
    QDesktopServices::openUrl(QUrl::fromLocalFile(toQString(path)));
}

// The editor of the settings; without one, the desktop's editor for text files, and where no
// desktop service answers, the editor the user's variables name.
void DesktopLauncher::openWithEditor(const std::string& path, const std::string& editor) {
    const QString file = toQString(path);
    const QString program = editorProgram(editor);
    if (!program.isEmpty() && QProcess::startDetached(program, {file})) return;
    if (QDesktopServices::openUrl(QUrl::fromLocalFile(file))) return;
    QStringList command = variableEditor(qEnvironmentVariable("VISUAL"), qEnvironmentVariable("EDITOR"));
    if (!command.isEmpty()) QProcess::startDetached(command.takeFirst(), command << file);
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
