// Windows open inside the available screen area, however large or far off they were made.
#include <QScreen>
#include <QtTest>

#include "gui/app/WindowsOnScreen.h"
#include "tests/gui/GuiTestSupport.h"

class WindowsOnScreenTest : public QObject {
    Q_OBJECT
private slots:
    void aFrameIsShrunkAndMovedIntoTheArea();
    void aLargeWindowOpensInsideTheScreen();
};

void WindowsOnScreenTest::aFrameIsShrunkAndMovedIntoTheArea() {
    using qv::gui::WindowsOnScreen;
    const QRect area(0, 30, 1280, 770);
    QCOMPARE(WindowsOnScreen::fitted({100, 100, 400, 300}, area), QRect(100, 100, 400, 300));
    QCOMPARE(WindowsOnScreen::fitted({1100, 600, 400, 300}, area), QRect(880, 500, 400, 300));
    QCOMPARE(WindowsOnScreen::fitted({-50, 0, 400, 300}, area), QRect(0, 30, 400, 300));
    QCOMPARE(WindowsOnScreen::fitted({900, 100, 1400, 950}, area), QRect(0, 30, 1280, 770));
}

void WindowsOnScreenTest::aLargeWindowOpensInsideTheScreen() {
    qApp->installEventFilter(new qv::gui::WindowsOnScreen(qApp));
    QWidget window;
    window.resize(3000, 2000);
    window.move(400, 300);
    window.show();
    QCoreApplication::processEvents();
    const QRect area = window.screen()->availableGeometry();
    QVERIFY2(area.contains(window.frameGeometry()),
             qPrintable(QString("%1,%2 %3x%4").arg(window.x()).arg(window.y()).arg(window.width()).arg(window.height())));
}

QTEST_MAIN(WindowsOnScreenTest)
#include "WindowsOnScreenTest.moc"
