// Whether the diagram can be read: the default colours' contrast, smoothing, and path labels
// that never cover each other or a construct on the ECSI model.
#include <QPainter>
#include <QtTest>

#include "core/app/EnvironmentSettings.h"
#include "core/editing/DiagramLabels.h"
#include "core/editing/DiagramSegments.h"
#include "gui/diagram/DiagramColours.h"
#include "gui/diagram/DiagramLayout.h"
#include "gui/diagram/DiagramPainter.h"
#include "tests/gui/EcsiWorkbench.h"

using namespace qv;
using namespace qv::test;

namespace {

// Figures as wide as they come: negative coefficients and t values above ten.
void giveResults(ProjectModel& model, bool withT) {
    for (int p = 0; p < model.nPath; ++p) {
        model.paths[p].coefficient = -0.1f - 0.05f * p;
        model.paths[p].coefficientT = withT ? 10.5f + p : 0;
        model.groupPaths[p].coefficient = -0.2f;
        model.groupPaths[p].coefficientT = withT ? 11.25f : 0;
        model.groupPaths[p].groupStatistic = withT ? 12.5f : 0;
    }
    for (int c = 0; c < model.nConstruct; ++c) {
        model.constructs[c].rSquare = 0.456f;
        model.groupConstructs[c].rSquare = 0.321f;
    }
    for (int i = 0; i < model.nIndicator; ++i) {
        model.indicators[i].loading = -0.812f;
        model.indicators[i].weight = -0.345f;
    }
}

// Every indicator of the model has its box and, after an estimate, its figure; no box or figure
// meets another, a path's label or a circle.
void checkIndicators(const ProjectModel& model, int radius) {
    const gui::DiagramLayout layout(model, radius);
    std::vector<std::pair<QString, LabelBox>> boxes;
    for (int i = 0; i < model.nIndicator; ++i) {
        const QString name = QString::fromStdString(model.indicators[i].caption);
        QVERIFY2(layout.indicatorPlaces()[i], qPrintable(name));
        QVERIFY2(layout.indicatorFigureBoxes()[i], qPrintable(name));
        boxes.emplace_back(name, layout.indicatorPlaces()[i]->box);
        boxes.emplace_back(name + " figure", *layout.indicatorFigureBoxes()[i]);
    }
    for (int p = 0; p < model.nPath; ++p) boxes.emplace_back(QString("path %1").arg(p), *layout.pathLabelBoxes()[p]);
    for (std::size_t a = 0; a < boxes.size(); ++a) {
        for (std::size_t b = a + 1; b < boxes.size(); ++b)
            QVERIFY2(!boxes[a].second.overlaps(boxes[b].second), qPrintable(boxes[a].first + " and " + boxes[b].first));
        for (int c = 0; c < model.nConstruct; ++c)
            QVERIFY2(!boxes[a].second.coversCircle(model.constructs[c].x, model.constructs[c].y, radius),
                     qPrintable(boxes[a].first + " on " + QString::fromStdString(model.constructs[c].caption)));
    }
}

// No line runs behind a construct's R-square and Q-square texts, and no box covers them.
void checkResultTexts(const ProjectModel& model, int radius) {
    const gui::DiagramLayout layout(model, radius);
    std::vector<Segment> lines;
    for (int p = 0; p < model.nPath; ++p) lines.push_back(*VisiblePathPart(model, model.paths[p], radius));
    std::vector<LabelBox> boxes;
    for (int i = 0; i < model.nIndicator; ++i) {
        const IndicatorPlace& place = *layout.indicatorPlaces()[i];
        lines.push_back({place.circleX, place.circleY, place.boxX, place.boxY});
        boxes.push_back(place.box);
        boxes.push_back(*layout.indicatorFigureBoxes()[i]);
    }
    for (const auto& label : layout.pathLabelBoxes()) boxes.push_back(*label);
    for (int c = 0; c < model.nConstruct; ++c) {
        const Construct& k = model.constructs[c];
        for (const QRectF& text : {gui::DiagramLayout::textBox(layout.rSquarePoint(c), QString::fromStdString(RSquareLabel(model, c))),
                                   gui::DiagramLayout::textBox(layout.q2Point(c), QString::fromStdString(Q2Label(k)))}) {
            const LabelBox box{text.left(), text.top(), text.width(), text.height()};
            for (const Segment& line : lines)
                QVERIFY2(!SegmentCrossesBox(line, box), qPrintable(QString("a line behind the texts of ") + k.caption.c_str()));
            for (const LabelBox& other : boxes)
                QVERIFY2(!box.overlaps(other), qPrintable(QString("a box on the texts of ") + k.caption.c_str()));
        }
    }
}

QString describe(const LabelBox& box) {
    return QString("(%1,%2 %3x%4)").arg(box.left).arg(box.top).arg(box.width).arg(box.height);
}

// Every path carries a label, and no label meets another, a circle or a caption.
void checkLabels(const ProjectModel& model, int radius) {
    const gui::DiagramLayout layout(model, radius);
    const auto& boxes = layout.pathLabelBoxes();
    QCOMPARE(int(boxes.size()), model.nPath);
    for (int a = 0; a < model.nPath; ++a) {
        QVERIFY2(boxes[a], qPrintable(QString("path %1 has no label").arg(a)));
        for (int b = a + 1; b < model.nPath; ++b)
            QVERIFY2(!boxes[a]->overlaps(*boxes[b]),
                     qPrintable(QString("labels %1 %2 and %3 %4").arg(a).arg(describe(*boxes[a])).arg(b).arg(describe(*boxes[b]))));
        for (int c = 0; c < model.nConstruct; ++c) {
            const Construct& k = model.constructs[c];
            QVERIFY2(!boxes[a]->coversCircle(k.x, k.y, radius), qPrintable(QString("label %1 on %2").arg(a).arg(k.caption.c_str())));
            const QRectF caption = gui::DiagramLayout::textBox(layout.captionPoint(c), QString::fromStdString(k.caption));
            QVERIFY2(!gui::toRect(*boxes[a]).intersects(caption), qPrintable(QString("label %1 on caption %2").arg(a).arg(c)));
        }
    }
}

}  // namespace

class DiagramLegibilityTest : public QObject {
    Q_OBJECT
private slots:
    void defaultColoursReadAtFourAndAHalfToOne();
    void ecsiLabelsNeverOverlap();
    void ecsiLabelsNeverOverlapWithTValues();
    void ecsiLabelsNeverOverlapInTheGroupView();
    void aPathLabelIsOneOpaqueLabelAtTheMiddle();
    void shapesAreSmoothed();
};

void DiagramLegibilityTest::defaultColoursReadAtFourAndAHalfToOne() {
    const gui::DiagramColours colours = gui::DiagramColours::of(EnvironmentSettings{});
    for (const auto& [text, ground] : colours.textOnGround())
        QVERIFY2(gui::ContrastRatio(text, ground) >= 4.5,
                 qPrintable(text.name() + " on " + ground.name() + ": " + QString::number(gui::ContrastRatio(text, ground))));
    // The ratio itself: black on white is 21, a colour on itself 1, light grey on grey about 1.6.
    QVERIFY(std::abs(gui::ContrastRatio(Qt::black, Qt::white) - 21) < 1e-9);
    QVERIFY(std::abs(gui::ContrastRatio(QColor(12, 34, 56), QColor(12, 34, 56)) - 1) < 1e-9);
    QVERIFY(gui::ContrastRatio(QColor(192, 192, 192), QColor(240, 240, 240)) < 1.7);
}

void DiagramLegibilityTest::ecsiLabelsNeverOverlap() {
    EcsiWorkbench ecsi;
    giveResults(ecsi.model(), false);
    checkLabels(ecsi.model(), 25);
}

void DiagramLegibilityTest::ecsiLabelsNeverOverlapWithTValues() {
    EcsiWorkbench ecsi;
    giveResults(ecsi.model(), true);
    checkLabels(ecsi.model(), 25);
    checkIndicators(ecsi.model(), 25);
    checkResultTexts(ecsi.model(), 25);
}

void DiagramLegibilityTest::ecsiLabelsNeverOverlapInTheGroupView() {
    EcsiWorkbench ecsi;
    giveResults(ecsi.model(), true);
    ecsi.model().groupRun = true;
    for (int mode : {0, 1, 2}) {
        ecsi.model().groupDisplayMode = mode;
        checkLabels(ecsi.model(), 25);
        checkIndicators(ecsi.model(), 25);
        checkResultTexts(ecsi.model(), 25);
    }
}

void DiagramLegibilityTest::aPathLabelIsOneOpaqueLabelAtTheMiddle() {
    ProjectModel model;
    model.addConstruct(100, 100);
    model.addConstruct(400, 100);
    model.addPath(0, 1);
    model.paths[0].coefficient = 0.557f;
    model.paths[0].coefficientT = 12.5f;
    const gui::DiagramLayout layout(model, 25);
    const QRectF box = gui::toRect(*layout.pathLabelBoxes()[0]);
    QCOMPARE(box.center(), QPointF(250, 100));
    QImage image(500, 200, QImage::Format_RGB32);
    const gui::DiagramColours colours = gui::DiagramColours::of(EnvironmentSettings{});
    image.fill(colours.background);
    {
        QPainter painter(&image);
        gui::DiagramPainter(painter, model, colours, 25).paintAll({});
    }
    // The label's background covers the line: inside its edges the line's row is background.
    QCOMPARE(image.pixelColor(int(box.left()) + 1, 100), colours.background);
    QCOMPARE(image.pixelColor(int(box.right()) - 1, 100), colours.background);
    // Outside the label the line shows.
    QVERIFY(image.pixelColor(int(box.left()) - 10, 100) != colours.background);
    QVERIFY(image.pixelColor(int(box.right()) + 10, 100) != colours.background);
}

void DiagramLegibilityTest::shapesAreSmoothed() {
    ProjectModel model;
    model.addConstruct(100, 100);
    QImage image(200, 200, QImage::Format_RGB32);
    image.fill(Qt::white);
    const gui::DiagramColours colours = gui::DiagramColours::of(EnvironmentSettings{});
    {
        QPainter painter(&image);
        gui::DiagramPainter(painter, model, colours, 25).paintAll({});
    }
    // Along the circle's edge the outline blends with the fill: grey levels between the two.
    QSet<QRgb> edge;
    for (int x = 100; x < 130; ++x) edge.insert(image.pixel(x, 100 - int(std::sqrt(std::max(0, 625 - (x - 100) * (x - 100))))));
    QVERIFY2(edge.size() > 3, qPrintable(QString::number(edge.size())));
}

QTEST_MAIN(DiagramLegibilityTest)
#include "DiagramLegibilityTest.moc"
