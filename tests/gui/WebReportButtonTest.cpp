// The web report button of the main window: waits for an estimate, then writes the page and
// the picture of the diagram as painted on the screen, at twice its size.
#include <QAction>
#include <QtTest>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <fstream>
#include <iterator>

#include "core/app/Workbench.h"
#include "gui/app/MainWindow.h"
#include "gui/diagram/DiagramColours.h"
#include "gui/diagram/DiagramPictures.h"
#include "gui/diagram/DiagramView.h"
#include "tests/gui/GuiTestSupport.h"

using namespace qv;
using namespace qv::test;

namespace {

std::string readBytes(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::int32_t little(const std::string& bytes, size_t at, int size) {
    std::uint32_t value = 0;
    for (int i = size - 1; i >= 0; --i) value = (value << 8) | static_cast<unsigned char>(bytes[at + i]);
    return static_cast<std::int32_t>(value);
}

// The constructs' circles with a margin of 30, kept on the surface.
QRect expectedArea(const ProjectModel& model, QSize surface) {
    int left = 10000, top = 10000, right = 0, bottom = 0;
    for (int k = 0; k < model.nConstruct; ++k) {
        left = std::min(left, model.constructs[k].x);
        top = std::min(top, model.constructs[k].y);
        right = std::max(right, model.constructs[k].x);
        bottom = std::max(bottom, model.constructs[k].y);
    }
    const int margin = model.radius + 30;
    left = std::max(left - margin, 1);
    top = std::max(top - margin, 0);
    right = std::min(right + margin, surface.width());
    bottom = std::min(bottom + margin, surface.height());
    return QRect(left, top, right - left, bottom - top);
}

}  // namespace

class WebReportButtonTest : public QObject {
    Q_OBJECT
private slots:
    void reportOfTheEstimatedExampleHoldsThePaintedDiagram();
};

void WebReportButtonTest::reportOfTheEstimatedExampleHoldsThePaintedDiagram() {
    StartFolder folder;
    ScriptedPorts script;
    gui::MainWindow window(scriptedUser(script), folder.dir());
    QVERIFY(!window.startUp());
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    if (!folder.hasEngine()) QSKIP("The build has no engine: no estimate to report.");
    auto* report = window.findChild<QAction*>("BTN_WebReport");
    QCOMPARE(report->toolTip(), QString("PLS Report in Web Format"));
    QVERIFY(!report->isEnabled());

    script.chooseFile((folder.work() / "ecsi.qvt").string());
    window.findChild<QAction*>("BTN_OpenModel")->trigger();
    QVERIFY(!report->isEnabled());
    window.findChild<QAction*>("BTN_Run")->trigger();
    QVERIFY(window.workbench().model().estimated);
    QVERIFY(report->isEnabled());

    // The picture is the drawing at twice its size whatever the surface's zoom.
    window.diagram().zoomBy(5);
    script.clear();
    const fs::path work = folder.work() / "ecsi_report";  // beside the model
    click(window, "BTN_WebReport");
    QVERIFY2(script.messages().empty(), script.messages().empty() ? "" : script.messages().front().text.c_str());
    QCOMPARE(script.events().back().kind, ScriptedPorts::Kind::OpenWithDesktop);
    QCOMPARE(script.events().back().message.text, (work / "WebOutput.html").string());
    const std::string page = readBytes(work / "WebOutput.html");
    Workbench& workbench = window.workbench();
    const QRect area = expectedArea(workbench.model(), window.diagram().size());
    const QSizeF drawing = gui::DiagramPictures(workbench.model(), gui::DiagramColours::of(workbench.settings()),
                                                workbench.settings().radius, area).size();
    QVERIFY(drawing.width() >= area.width() && drawing.height() >= area.height());
    const QSize pixels(int(std::ceil(2 * drawing.width())), int(std::ceil(2 * drawing.height())));
    // The page shows it at the drawing's own size.
    const std::string tag = "<td><img src=Model.bmp width=" + std::to_string((pixels.width() + 1) / 2) +
                            " height=" + std::to_string((pixels.height() + 1) / 2) + "></table>";
    QVERIFY2(page.find(tag) != std::string::npos, tag.c_str());
    QVERIFY(page.find("<a name=FScore>") != std::string::npos);
    QVERIFY(page.rfind("</HTML>\n") == page.size() - 8);

    const std::string bitmap = readBytes(work / "Model.bmp");
    QVERIFY(bitmap.size() > 54);
    QCOMPARE(bitmap.substr(0, 2), std::string("BM"));
    QCOMPARE(little(bitmap, 18, 4), pixels.width());
    QCOMPARE(std::abs(little(bitmap, 22, 4)), pixels.height());
    QCOMPARE(little(bitmap, 28, 2), 24);
    // The picture is the diagram, not an empty surface: it holds pixels of other colours than
    // the background in its corner.
    const QImage picture(QString::fromStdString((work / "Model.bmp").string()));
    QCOMPARE(picture.size(), pixels);
    int painted = 0;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x) painted += picture.pixel(x, y) != picture.pixel(0, 0);
    QVERIFY(painted > picture.width());
}

QTEST_MAIN(WebReportButtonTest)
#include "WebReportButtonTest.moc"
