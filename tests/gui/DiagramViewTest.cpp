// The drawing surface: what the painted picture shows, and the mouse tools on it.
#include <QMenu>
#include <QStyleHints>
#include <QtTest>

#include "core/app/Workbench.h"
#include "gui/diagram/DiagramBitmap.h"
#include "gui/diagram/DiagramLayout.h"
#include "gui/diagram/DiagramView.h"
#include "tests/gui/GuiTestSupport.h"

using namespace qv;
using namespace qv::test;

namespace {

const QColor kBackground(255, 255, 255);
const QColor kConstruct(0, 255, 0);
const QColor kPath(0, 0, 255);
const QColor kText(0, 0, 0);

struct Surface {
    StartFolder folder;
    ScriptedPorts script;
    Workbench workbench{script.ports(), folder.dir()};
    gui::DiagramView view{workbench};
    long long second = 0;

    Surface() {
        EnvironmentSettings& settings = workbench.settings();
        settings.bgColor = 0xFFFFFF;
        settings.constructColor = 0x00FF00;
        settings.pathColor = 0xFF0000;
        settings.textColor = 0;
        workbench.model().rebuildIndicators({"a", "b", "c"});
        workbench.model().modelOpen = true;
        // Releases lie ten seconds apart unless a test says otherwise.
        view.setClock([this] { return second += 10'000; });
        view.resize(640, 480);
        view.show();
    }
    ProjectModel& model() { return workbench.model(); }
    QImage picture() { return view.picture(); }
    void add(int x, int y) { QVERIFY(model().addConstruct(x, y)); }

    void drag(QPoint from, QPoint to) {
        QTest::mousePress(&view, Qt::LeftButton, {}, from);
        QTest::mouseMove(&view, (from + to) / 2);
        QTest::mouseMove(&view, to);
        QTest::mouseRelease(&view, Qt::LeftButton, {}, to);
    }
    void clickAt(QPoint point) { QTest::mouseClick(&view, Qt::LeftButton, {}, point); }
};

// Whether any pixel of the box has the colour, or nearly: smoothed edges of lines and glyphs
// blend with what lies under them.
bool shows(const QImage& image, QRect box, const QColor& colour) {
    constexpr int kNear = 100;
    for (int y = box.top(); y <= box.bottom(); ++y)
        for (int x = box.left(); x <= box.right(); ++x) {
            const QColor pixel = image.pixelColor(x, y);
            if (std::abs(pixel.red() - colour.red()) + std::abs(pixel.green() - colour.green()) +
                    std::abs(pixel.blue() - colour.blue()) <= kNear)
                return true;
        }
    return false;
}

}  // namespace

class DiagramViewTest : public QObject {
    Q_OBJECT
private slots:
    void constructsAreFilledCirclesWithOutlines();
    void aSelectedConstructIsYellowWithARedOutline();
    void pathsEndInAnArrowHeadAtTheCircle();
    void resultsAndMarksAreWritten();
    void coincidentCentresAreToldOnceAfterThePaint();
    void theConstructToolCreatesAtEachPress();
    void thePathToolJoinsTwoConstructsOnce();
    void dragMovesAndRectangleSelects();
    void deletingConstructsTwoAndFiveKeepsTheRest();
    void aDoubleClickWithinThePlatformIntervalOpensTheDialog();
    void theRightButtonOffersTheMenus();
    void aRightClickSelectsWhatIsUnderTheCursor();
    void pathsAreHitAFewPixelsOffAtAnyAngle();
    void theTextToolPlacesNumberedLabels();
    void thePictureIsWrittenAsABitmap();
    void indicatorsAreDrawnBesideTheirConstructUnlessHidden();
    void feedbackFollowsTheMouseUntilTheRelease();
};

void DiagramViewTest::constructsAreFilledCirclesWithOutlines() {
    Surface s;
    const QImage empty = s.picture();
    QCOMPARE(empty.size(), QSize(640, 480));
    QVERIFY(!shows(empty, empty.rect().adjusted(0, 0, -1, -1), kConstruct));
    s.add(200, 200);
    const QImage image = s.picture();
    QCOMPARE(image.pixelColor(200, 200), kConstruct);
    QCOMPARE(image.pixelColor(200 + 10, 200 - 10), kConstruct);
    QVERIFY(shows(image, QRect(223, 199, 3, 3), Qt::black));
    QCOMPARE(image.pixelColor(200 + 30, 200), kBackground);
    // The caption stands above the circle.
    QVERIFY(shows(image, QRect(175, 180, 40, 15), kText));
}

void DiagramViewTest::aSelectedConstructIsYellowWithARedOutline() {
    Surface s;
    s.add(200, 200);
    s.add(400, 200);
    s.clickAt({200, 200});
    QCOMPARE(s.view.selection().constructs, std::vector<int>{0});
    const QImage image = s.picture();
    QCOMPARE(image.pixelColor(200, 200), QColor(255, 255, 0));
    QVERIFY(shows(image, QRect(223, 199, 3, 3), QColor(176, 0, 0)));
    QCOMPARE(image.pixelColor(400, 200), kConstruct);
}

void DiagramViewTest::pathsEndInAnArrowHeadAtTheCircle() {
    Surface s;
    s.add(100, 100);
    s.add(300, 100);
    s.model().addPath(0, 1);
    const QImage image = s.picture();
    QCOMPARE(image.pixelColor(200, 100), kPath);
    // The head fills the triangle just outside the destination circle.
    QCOMPARE(image.pixelColor(270, 100), kPath);
    QCOMPARE(image.pixelColor(268, 98), kPath);
    QCOMPARE(image.pixelColor(268, 92), kBackground);
    // The line stops at the circle; inside the source circle it is covered by the fill.
    QCOMPARE(image.pixelColor(290, 100), kConstruct);
    QCOMPARE(image.pixelColor(110, 100), kConstruct);
}

void DiagramViewTest::resultsAndMarksAreWritten() {
    Surface s;
    s.add(150, 150);
    s.add(400, 150);
    const QColor red(176, 0, 0), maroon(128, 0, 0);
    const QRect underCircle(125, 175, 60, 14);
    QVERIFY(!shows(s.picture(), underCircle, red));
    s.model().constructs[0].rSquare = 0.5f;
    s.model().constructs[1].type = 1;
    s.model().constructs[1].order = 2;
    const QImage image = s.picture();
    QVERIFY(shows(image, underCircle, red));
    QVERIFY(shows(image, QRect(408, 158, 12, 16), maroon));   // "F" below right of the centre
    QVERIFY(shows(image, QRect(408, 146, 24, 14), red));      // "2nd" right of the centre
    QVERIFY(!shows(image, QRect(158, 158, 12, 16), maroon));
}

void DiagramViewTest::coincidentCentresAreToldOnceAfterThePaint() {
    Surface s;
    s.add(100, 100);
    s.add(100, 100);
    s.add(300, 300);
    s.model().addPath(0, 1);
    s.model().addPath(1, 2);
    const QImage image = s.picture();
    QVERIFY(s.script.messages().empty());
    QTest::qWait(20);
    QCOMPARE(s.script.messages().size(), size_t(1));
    // The message names the path and what to do.
    const ProjectModel& model = s.model();
    QCOMPARE(s.script.messages()[0].text, "The path from " + model.constructs[0].caption + " to " +
                                              model.constructs[1].caption +
                                              " is not drawn: both constructs stand on the same spot. Move one of them.");
    QVERIFY(shows(image, QRect(150, 150, 100, 100), kPath));  // the other path is drawn
    s.view.redraw();
    s.picture();
    QTest::qWait(20);
    QCOMPARE(s.script.messages().size(), size_t(1));
}

void DiagramViewTest::theConstructToolCreatesAtEachPress() {
    Surface s;
    s.view.chooseTool(gui::DiagramView::Tool::Construct);
    for (QPoint point : {QPoint(100, 100), QPoint(300, 100), QPoint(200, 300)}) s.clickAt(point);
    QCOMPARE(s.model().nConstruct, 3);
    QCOMPARE(s.model().constructs[2].caption, std::string("Con_2"));
    QCOMPARE(s.model().constructs[1].x, 300);
    QCOMPARE(s.model().constructs[2].y, 300);
    QVERIFY(s.model().modified);
    s.view.chooseTool(gui::DiagramView::Tool::Construct, 2);
    s.clickAt({500, 400});
    QCOMPARE(s.model().constructs[3].order, 2);
    QVERIFY(s.model().hasSecondOrder);
    // The 25th construct is refused with its message.
    while (s.model().nConstruct < kMaxConstructs) s.add(10, 10);
    s.clickAt({50, 50});
    QCOMPARE(s.model().nConstruct, kMaxConstructs);
    QVERIFY(s.script.told("MSG_ExceedMAXConstruct"));
}

void DiagramViewTest::thePathToolJoinsTwoConstructsOnce() {
    Surface s;
    s.add(100, 100);
    s.add(300, 100);
    s.add(200, 300);
    s.view.chooseTool(gui::DiagramView::Tool::Path);
    s.drag({100, 100}, {300, 110});
    s.drag({300, 100}, {200, 300});
    QCOMPARE(s.model().nPath, 2);
    QCOMPARE(s.model().paths[1].src, 1);
    QCOMPARE(s.model().paths[1].dest, 2);
    s.drag({310, 100}, {100, 100});  // the reverse of an existing path
    s.drag({200, 300}, {205, 305});  // to itself
    s.drag({200, 300}, {500, 400});  // to empty space
    s.drag({500, 400}, {100, 100});  // from empty space
    QCOMPARE(s.model().nPath, 2);
    QVERIFY(s.script.messages().empty());
}

void DiagramViewTest::dragMovesAndRectangleSelects() {
    Surface s;
    s.add(100, 100);
    s.add(300, 100);
    s.add(300, 300);
    s.model().addPath(0, 1);
    s.model().addPath(1, 2);
    s.model().modified = false;
    s.drag({100, 100}, {130, 120});
    QCOMPARE(s.model().constructs[0].x, 130);
    QCOMPARE(s.model().constructs[0].y, 120);
    QVERIFY(s.model().modified);
    QCOMPARE(s.model().constructs[1].x, 300);
    // A rectangle around the two right constructs takes them and the path between them.
    s.drag({250, 50}, {360, 360});
    QCOMPARE(s.view.selection().constructs, (std::vector<int>{1, 2}));
    QCOMPARE(s.view.selection().paths, std::vector<int>{1});
    QCOMPARE(s.model().constructs[1].x, 300);  // a rectangle moves nothing
    // Dragging an unselected construct drops the selection and moves only that one.
    s.drag({130, 120}, {140, 120});
    QCOMPARE(s.view.selection().constructs, std::vector<int>{0});
    QCOMPARE(s.model().constructs[0].x, 140);
    QCOMPARE(s.model().constructs[2].x, 300);
}

void DiagramViewTest::deletingConstructsTwoAndFiveKeepsTheRest() {
    Surface s;
    for (int i = 0; i < 7; ++i) s.add(60 + 80 * i, i == 2 || i == 5 ? 350 : 100);
    for (int i = 0; i + 1 < 7; ++i) s.model().addPath(i, i + 1);
    s.model().assignIndicator(0, 6);
    s.model().assignIndicator(1, 2);
    s.drag({10, 300}, {630, 400});
    QCOMPARE(s.view.selection().constructs, (std::vector<int>{2, 5}));
    // Two elements go only after a yes.
    s.script.answer(false);
    s.view.deleteSelection();
    QCOMPARE(s.model().nConstruct, 7);
    QCOMPARE(s.script.events().back().kind, ScriptedPorts::Kind::AskOkCancel);
    QCOMPARE(s.script.events().back().message.text, std::string("Delete the 2 selected elements?"));
    s.script.answer(true);
    s.view.deleteSelection();
    QCOMPARE(s.model().nConstruct, 5);
    std::vector<std::string> captions;
    for (int c = 0; c < 5; ++c) captions.push_back(s.model().constructs[c].caption);
    QCOMPARE(captions, (std::vector<std::string>{"Con_0", "Con_1", "Con_3", "Con_4", "Con_6"}));
    QCOMPARE(s.model().indicators[0].construct, 4);
    QCOMPARE(s.model().indicators[1].construct, -1);
    // Of the chain 0-1-...-6 only 0-1, 3-4 and the paths not touching 2 or 5 remain.
    QCOMPARE(s.model().nPath, 2);
    QCOMPARE(s.model().paths[0].src, 0);
    QCOMPARE(s.model().paths[1].src, 2);
    QCOMPARE(s.model().paths[1].dest, 3);
    QVERIFY(s.view.selection().constructs.empty());
}

void DiagramViewTest::aDoubleClickWithinThePlatformIntervalOpensTheDialog() {
    Surface s;
    s.add(100, 100);
    s.add(300, 100);
    int opened = -1;
    s.view.onConstructDialog([&](int construct) { opened = construct; });
    const long long interval = QApplication::doubleClickInterval();
    long long now = 0;
    s.view.setClock([&] { return now; });
    // Two clicks just inside the interval, across a second boundary, open the dialog.
    now = 999;
    s.clickAt({300, 100});
    now += interval - 1;
    s.clickAt({300, 100});
    QCOMPARE(opened, 1);
    // Two clicks within the interval across a clock second are a double click; two clicks
    // further apart than the interval only select.
    opened = -1;
    now = 9'999;
    s.clickAt({100, 100});
    now += interval - 1;
    s.clickAt({100, 100});
    QCOMPARE(opened, 0);
    opened = -1;
    now += 10'000;
    s.clickAt({300, 100});
    now += interval + 300;
    s.clickAt({300, 100});
    QCOMPARE(opened, -1);
    QCOMPARE(s.view.selection().constructs, std::vector<int>{1});
    // A third quick click after a double click starts a new pair.
    now += 10'000;
    s.clickAt({100, 100});
    now += 10;
    s.clickAt({100, 100});
    QCOMPARE(opened, 0);
    opened = -1;
    now += 10;
    s.clickAt({100, 100});
    QCOMPARE(opened, -1);
}

void DiagramViewTest::theRightButtonOffersTheMenus() {
    Surface s;
    s.add(100, 100);
    s.add(300, 300);
    s.model().addPath(0, 1);
    QTest::mouseClick(&s.view, Qt::RightButton, {}, QPoint(200, 200));
    QCOMPARE(s.view.selection().paths, std::vector<int>{0});
    QTRY_VERIFY(s.view.pathMenu().isVisible());
    s.view.pathMenu().close();
    s.view.pathMenu().findChild<QAction*>("DeletePath1")->trigger();
    QCOMPARE(s.model().nPath, 0);
    // An unselected construct is selected by the right button and offers its menu.
    QTest::mouseClick(&s.view, Qt::RightButton, {}, QPoint(100, 100));
    QCOMPARE(s.view.selection().constructs, std::vector<int>{0});
    QTRY_VERIFY(s.view.constructMenu().isVisible());
    s.view.constructMenu().close();
    s.view.constructMenu().findChild<QAction*>("MNU_DeleteConstruct")->trigger();
    QCOMPARE(s.model().nConstruct, 1);
}

void DiagramViewTest::aRightClickSelectsWhatIsUnderTheCursor() {
    Surface s;
    s.add(100, 100);
    s.add(300, 100);
    s.add(500, 100);
    s.clickAt({100, 100});
    QTest::mouseClick(&s.view, Qt::RightButton, {}, QPoint(300, 100));
    QCOMPARE(s.view.selection().constructs, std::vector<int>{1});
    QTRY_VERIFY(s.view.constructMenu().isVisible());
    s.view.constructMenu().close();
    // Within a selection of several the right click keeps them all.
    s.drag({50, 50}, {560, 150});
    QTest::mouseClick(&s.view, Qt::RightButton, {}, QPoint(500, 100));
    QCOMPARE(s.view.selection().constructs, (std::vector<int>{0, 1, 2}));
    QTRY_VERIFY(s.view.constructMenu().isVisible());
    s.view.constructMenu().close();
    // On empty ground it offers the menu of the selection, which stays; without a selection
    // it opens nothing.
    QTest::mouseClick(&s.view, Qt::RightButton, {}, QPoint(300, 400));
    QCOMPARE(s.view.selection().constructs, (std::vector<int>{0, 1, 2}));
    QTRY_VERIFY(s.view.constructMenu().isVisible());
    s.view.constructMenu().close();
    s.view.clearSelection();
    QTest::mouseClick(&s.view, Qt::RightButton, {}, QPoint(300, 400));
    QVERIFY(s.view.selection().constructs.empty());
    QTest::qWait(20);
    QVERIFY(!s.view.constructMenu().isVisible() && !s.view.pathMenu().isVisible());
}

void DiagramViewTest::pathsAreHitAFewPixelsOffAtAnyAngle() {
    Surface s;
    s.add(100, 100);
    s.add(400, 100);
    s.add(100, 400);
    s.add(400, 400);
    s.model().addPath(0, 1);  // 0 degrees
    s.model().addPath(0, 2);  // 90 degrees
    s.model().addPath(0, 3);  // 45 degrees
    const struct {
        QPoint click;
        int path;
    } clicks[] = {{{250, 103}, 0}, {{250, 97}, 0}, {{97, 250}, 1}, {{103, 250}, 1}, {{252, 248}, 2}, {{248, 252}, 2}};
    for (const auto& c : clicks) {
        s.clickAt(c.click);
        QCOMPARE(s.view.selection().paths, std::vector<int>{c.path});
    }
    s.clickAt({250, 110});
    QVERIFY(s.view.selection().paths.empty());
    // Zoomed in, the reach stays a few pixels of the screen.
    s.view.zoomBy(7, QPointF(0, 0));
    const QPoint onScreen = s.view.modelToSurface().map(QPoint(250, 100)) + QPoint(0, 3);
    s.clickAt(onScreen);
    QCOMPARE(s.view.selection().paths, std::vector<int>{0});
}

void DiagramViewTest::theTextToolPlacesNumberedLabels() {
    Surface s;
    s.view.chooseTool(gui::DiagramView::Tool::Text);
    s.clickAt({50, 60});
    s.clickAt({300, 60});
    QCOMPARE(s.model().nTextLabel, 2);
    QCOMPARE(s.model().textLabels[1].text, std::string("Text_2"));
    QVERIFY(shows(s.picture(), QRect(300, 60, 40, 14), kText));
    QVERIFY(!shows(s.picture(), QRect(150, 60, 40, 14), kText));
}

void DiagramViewTest::thePictureIsWrittenAsABitmap() {
    Surface s;
    s.add(100, 100);
    gui::DiagramBitmap bitmap;
    QVERIFY(!bitmap.surfaceSize());
    bitmap.attach(s.view);
    QCOMPARE(bitmap.surfaceSize()->width, 640);
    QVERIFY(!bitmap.bitmap({50, 50, 50, 90}));
    // The rectangle may reach beyond the surface; that part shows the background.
    const auto made = bitmap.bitmap({50, 40, 700, 200});
    QVERIFY(made.has_value());
    const QByteArray bytes(made->data(), static_cast<qsizetype>(made->size()));
    const QImage written = QImage::fromData(bytes, "BMP");
    // At twice the size: the rectangle, 650 x 160, grown upwards to take in the caption above
    // the circle with its margin (from y = 100 - 25 - 20 - 16 = 39).
    QCOMPARE(written.size(), QSize(1300, 322));
    QCOMPARE(bytes.left(2), QByteArray("BM"));
    QCOMPARE(int(bytes[28]), 24);  // bits per pixel
    QCOMPARE(written.pixelColor(2 * (100 - 50), 2 * (100 - 39)), kConstruct);
    QCOMPARE(written.pixelColor(2 * (640 - 50), 2 * (100 - 39)), kBackground);
    // The surface's zoom changes nothing in the picture.
    s.view.zoomBy(3);
    QCOMPARE(bitmap.bitmap({50, 40, 700, 200}), made);
}

void DiagramViewTest::feedbackFollowsTheMouseUntilTheRelease() {
    Surface s;
    for (int i = 0; i < 7; ++i) s.add(60 + 80 * i, 100);
    s.view.chooseTool(gui::DiagramView::Tool::Path);
    QTest::mousePress(&s.view, Qt::LeftButton, {}, {60, 100});
    QTest::mouseMove(&s.view, {60, 400});
    QVERIFY(shows(s.view.grab().toImage(), QRect(55, 200, 10, 100), Qt::black));  // the rubber line
    QCOMPARE(s.script.lastStatus(), std::string("X=60 Y=400 "));
    QTest::mouseRelease(&s.view, Qt::LeftButton, {}, {60, 400});
    QVERIFY(!shows(s.view.grab().toImage(), QRect(55, 200, 10, 100), Qt::black));
    // Dragging seven constructs names the first six new centres, then stops.
    s.view.chooseTool(gui::DiagramView::Tool::Select);
    s.drag({10, 10}, {630, 200});
    QCOMPARE(s.view.selection().constructs.size(), size_t(7));
    QTest::mousePress(&s.view, Qt::LeftButton, {}, {60, 100});
    QTest::mouseMove(&s.view, {60, 110});
    QCOMPARE(s.script.lastStatus(), std::string("X=60 Y=110 X=140 Y=110 X=220 Y=110 X=300 Y=110 X=380 Y=110 "
                                                "X=460 Y=110 ..."));
    QVERIFY(shows(s.view.grab().toImage(), QRect(55, 132, 10, 5), QColor(128, 128, 128)));  // the ghost's edge
    QTest::mouseRelease(&s.view, Qt::LeftButton, {}, {60, 110});
    QCOMPARE(s.model().constructs[6].y, 110);
}

void DiagramViewTest::indicatorsAreDrawnBesideTheirConstructUnlessHidden() {
    Surface s;
    s.add(300, 250);
    s.model().assignIndicator(1, 0);
    const gui::DiagramLayout layout(s.model(), 25);
    const auto& place = layout.indicatorPlaces()[1];
    QVERIFY(place);
    const QRect box = gui::toRect(place->box).toAlignedRect();
    QVERIFY(box.bottom() < 250 - 25 - 20);  // above the caption: the construct has no paths
    QVERIFY(shows(s.picture(), box, kText));
    QVERIFY(s.view.showIndicators());
    s.view.setShowIndicators(false);
    QVERIFY(!shows(s.picture(), box, kText));
    QVERIFY(!shows(s.picture(), box, kPath));
}

QTEST_MAIN(DiagramViewTest)
#include "DiagramViewTest.moc"
