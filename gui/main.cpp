// quorvanta: the workbench window.
#include <QApplication>
#include <QElapsedTimer>
#include <QMessageBox>

#include "gui/app/DesktopLauncher.h"
#include "gui/app/DialogFileChooser.h"
#include "gui/app/MainWindow.h"
#include "gui/app/MessageBoxPrompts.h"
#include "gui/app/ProgressWindow.h"
#include "gui/app/SplashWindow.h"
#include "gui/app/TextConversion.h"

namespace {

// The splash stays up for a second so that it can be read.
void showSplash(qv::gui::SplashWindow& splash) {
    splash.show();
    splash.showStep("Initialize: Main Program");
    QElapsedTimer shown;
    shown.start();
    while (shown.elapsed() < 1000) QApplication::processEvents(QEventLoop::AllEvents, 50);
}

}  // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setApplicationName("Quorvanta");
    QApplication::setApplicationDisplayName("Quorvanta");
    // A model named on the command line opens at once (the example the quick start shows);
    // its name is made absolute before start-up changes the current folder.
    const QStringList arguments = QApplication::arguments();
    const std::string modelFile =
        arguments.size() > 1
            ? std::filesystem::absolute(qv::gui::toStdString(arguments[1])).string()
            : std::string();
    auto splash = std::make_unique<qv::gui::SplashWindow>();
    showSplash(*splash);

    qv::gui::MessageBoxPrompts prompts;
    qv::gui::DialogFileChooser files;
    qv::gui::ProgressWindow progress;
    qv::gui::DesktopLauncher desktop;
    // The start folder is the program's own: conf.ini, the language files and pls live there.
    const std::filesystem::path startDir = qv::gui::toStdString(QApplication::applicationDirPath());
    qv::gui::MainWindow window({prompts, files, progress, desktop}, startDir);
    if (const auto failure = window.startUp()) {
        splash.reset();
        QMessageBox::critical(nullptr, "Quorvanta", qv::gui::toQString(*failure));
        return 1;
    }
    splash.reset();
    window.show();
    if (!modelFile.empty()) window.openModelFile(modelFile);
    return QApplication::exec();
}
