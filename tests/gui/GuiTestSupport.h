#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>

#include "core/ports/ScriptedPorts.h"
#include "gui/app/UserPorts.h"

namespace qv::test {

namespace fs = std::filesystem;

// Acts on the modal window with the given name as soon as it is up, the way a user waits for
// a dialog before clicking in it. The returned flag tells whether it came.
inline std::shared_ptr<bool> onModal(const QString& name, std::function<void(QWidget&)> action) {
    auto acted = std::make_shared<bool>(false);
    // Owned by the application, so a timer whose window never came goes with it.
    auto* timer = new QTimer(qApp);
    auto clock = std::make_shared<QElapsedTimer>();
    clock->start();
    QObject::connect(timer, &QTimer::timeout, [=] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal && modal->objectName() == name && modal->isVisible()) {
            timer->stop();
            timer->deleteLater();
            *acted = true;
            action(*modal);
        } else if (clock->elapsed() > 5000) {
            // Never hang the suite: close whatever is up and let the test fail on the flag.
            timer->stop();
            timer->deleteLater();
            if (modal) modal->close();
        }
    });
    timer->start(10);
    return acted;
}

inline void click(QWidget& window, const char* buttonName) {
    auto* button = window.findChild<QAbstractButton*>(buttonName);
    QVERIFY2(button, buttonName);
    // Check boxes and radio buttons take clicks on their mark, at the left.
    const bool option = button->inherits("QCheckBox") || button->inherits("QRadioButton");
    QTest::mouseClick(button, Qt::LeftButton, {}, option ? QPoint(6, button->height() / 2) : QPoint());
}

// Replaces the text of an entry field key by key.
inline void type(QWidget& window, const char* name, const QString& typed) {
    auto* edit = window.findChild<QLineEdit*>(name);
    QVERIFY2(edit, name);
    edit->setFocus();
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(edit, Qt::Key_Delete);
    QTest::keyClicks(edit, typed);
}

// A start folder of the test's own: the language file, and the engine when the build made one.
// The ECSI example is copied into a work folder beside it.
class StartFolder {
public:
    StartFolder() {
        const fs::path built = QV_START_DIR;
        fs::copy_file(built / "English.ini", dir() / "English.ini");
        if (fs::exists(built / "pls")) fs::create_symlink(built / "pls", dir() / "pls");
        fs::create_directories(work());
        for (const char* name : {"ecsi.qvt", "mobi.txt"})
            fs::copy_file(fs::path(QV_EXAMPLES_DIR) / "ecsi" / name, work() / name);
    }

    fs::path dir() const { return folder_.path().toStdString(); }
    fs::path work() const { return dir() / "work"; }
    bool hasEngine() const { return fs::exists(dir() / "pls"); }

    // A text file in the work folder.
    std::string write(const std::string& name, const std::string& text) const {
        QFile file(QString::fromStdString((work() / name).string()));
        file.open(QIODevice::WriteOnly);
        file.write(text.c_str());
        return (work() / name).string();
    }

private:
    QTemporaryDir folder_;
};

// The user's side of the window played from a script.
inline gui::UserPorts scriptedUser(ScriptedPorts& script) { return {script, script, script, script}; }

}  // namespace qv::test
