// quorvanta: the workbench window.
#include <QApplication>
#include <QElapsedTimer>
#include <QMessageBox>

#include <cstdio>
#include <string_view>
#include <vector>

#include "core/app/Version.h"
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
    // Answered before any window system is needed, so they work on a server too.
    for (const std::string_view argument : std::vector<std::string_view>(argv + 1, argv + argc)) {
        if (argument == "--version") {
            std::printf("quorvanta %s\n", qv::kProgramVersion);
            return 0;
        }
        if (argument == "--help" || argument == "-h") {
            std::printf("usage: quorvanta [MODEL.qvt]\n       quorvanta --help | --version\n"
                        "Opens the workbench, with the model file when one is named.\n");
            return 0;
        }
    }
    QApplication application(argc, argv);
    QApplication::setApplicationName("Quorvanta");
    QApplication::setApplicationDisplayName("Quorvanta");
    // A model named on the command line opens at once (the example the quick start shows).
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
    qv::gui::DesktopLauncher desktop(files);
    const auto folders = qv::StartupFolders::forProgram(
        qv::gui::toStdString(QApplication::applicationDirPath()), qv::UserEnvironment::current());
    qv::gui::MainWindow window({prompts, files, progress, desktop}, folders);
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
