#pragma once

#include <QAction>
#include <QtTest>

#include "gui/app/MainWindow.h"
#include "tests/gui/GuiTestSupport.h"

namespace qv::test {

// The main window shown with the ECSI example opened through its Open button, and a
// scripted user whose record starts after the opening.
struct EcsiWindow {
    StartFolder folder;
    ScriptedPorts script;
    gui::MainWindow window{scriptedUser(script), folder.dir()};

    EcsiWindow() {
        QVERIFY(!window.startUp());
        window.show();
        script.chooseFile((folder.work() / "ecsi.qvt").string());
        click(window, "BTN_OpenModel");
        script.clear();
    }
    QAction& action(const char* name) { return *window.findChild<QAction*>(name); }
};

}  // namespace qv::test
