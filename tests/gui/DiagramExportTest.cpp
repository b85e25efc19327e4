// The diagram as a picture to keep: File > Export Diagram as PNG at three scales, SVG and PDF,
// and Edit > Copy Diagram, each checked by reading the written file back.
#include <QAction>
#include <QClipboard>
#include <QFile>
#include <QXmlStreamReader>
#include <QtTest>
#include <cmath>

#include "core/app/Workbench.h"
#include "gui/diagram/DiagramColours.h"
#include "gui/diagram/DiagramPictures.h"
#include "tests/gui/EcsiWindow.h"

using namespace qv;
using namespace qv::test;

namespace {

struct Session : EcsiWindow {
    // Exports through the named menu item into a file of the work folder.
    QString exportAs(const char* item, const char* name) {
        const std::string file = (folder.work() / name).string();
        script.chooseFile(file);
        window.findChild<QAction*>(item)->trigger();
        return QString::fromStdString(file);
    }
    QSize drawingSize(double scale) {
        Workbench& w = window.workbench();
        const QSizeF size = gui::DiagramPictures(w.model(), gui::DiagramColours::of(w.settings()), 25).size();
        return {int(std::ceil(size.width() * scale)), int(std::ceil(size.height() * scale))};
    }
};

QByteArray bytesOf(const QString& file) {
    QFile in(file);
    return in.open(QIODevice::ReadOnly) ? in.readAll() : QByteArray();
}

// How many pixels differ from the top-left one, the background.
int paintedPixels(const QImage& image) {
    int painted = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) painted += image.pixel(x, y) != image.pixel(0, 0);
    return painted;
}

}  // namespace

class DiagramExportTest : public QObject {
    Q_OBJECT
private slots:
    void pngDecodesAtTheAskedScale();
    void svgParsesAndHoldsTheCaptions();
    void pdfIsAPdfDocumentOfOnePage();
    void copyPutsTheTwiceSizedPictureOnTheClipboard();
    void theDrawingsBoxHoldsEveryCircleAndLabel();
};

void DiagramExportTest::pngDecodesAtTheAskedScale() {
    Session s;
    const QSize one = s.drawingSize(1);
    QVERIFY(one.width() > 500 && one.height() > 250);  // ECSI spans 80..560 by 80..330
    const struct {
        const char* item;
        double scale;
    } scales[] = {{"MNU_ExportPng1", 1}, {"MNU_ExportPng2", 2}, {"MNU_ExportPng3", 3}};
    for (const auto& [item, scale] : scales) {
        const QImage picture(s.exportAs(item, "diagram.png"), "PNG");
        QVERIFY2(!picture.isNull(), item);
        QCOMPARE(picture.size(), s.drawingSize(scale));
        QVERIFY(paintedPixels(picture) > 1000 * scale * scale);
    }
    QVERIFY(s.script.messages().empty());
}

void DiagramExportTest::svgParsesAndHoldsTheCaptions() {
    Session s;
    const QByteArray svg = bytesOf(s.exportAs("MNU_ExportSvg", "diagram.svg"));
    QXmlStreamReader reader(svg);
    QString root;
    QStringList texts;
    while (!reader.atEnd()) {
        reader.readNext();
        if (reader.isStartElement() && root.isEmpty()) root = reader.name().toString();
        if (reader.isCharacters() && !reader.isWhitespace()) texts << reader.text().toString().trimmed();
    }
    QVERIFY2(!reader.hasError(), qPrintable(reader.errorString()));
    QCOMPARE(root, QString("svg"));
    for (const char* caption : {"IMAG", "EXPE", "QUAL", "VAL", "SAT", "COM", "LOY"})
        QVERIFY2(texts.contains(caption), caption);
}

void DiagramExportTest::pdfIsAPdfDocumentOfOnePage() {
    Session s;
    const QByteArray pdf = bytesOf(s.exportAs("MNU_ExportPdf", "diagram.pdf"));
    QVERIFY(pdf.startsWith("%PDF"));
    QCOMPARE(pdf.count("/Type /Page\n") + pdf.count("/Type /Page\r") + pdf.count("/Type /Page "), qsizetype(1));
    // A file that cannot be written is said, with its name.
    s.exportAs("MNU_ExportPdf", "no/such/folder/diagram.pdf");
    QCOMPARE(s.script.messages().size(), size_t(1));
    QVERIFY(s.script.messages()[0].text.find("no/such/folder/diagram.pdf") != std::string::npos);
}

void DiagramExportTest::copyPutsTheTwiceSizedPictureOnTheClipboard() {
    Session s;
    s.window.findChild<QAction*>("MNU_CopyDiagram")->trigger();
    const QImage copied = QApplication::clipboard()->image();
    if (copied.isNull()) QSKIP("this platform keeps no clipboard");
    QCOMPARE(copied.size(), s.drawingSize(2));
}

void DiagramExportTest::theDrawingsBoxHoldsEveryCircleAndLabel() {
    Session s;
    ProjectModel& model = s.window.workbench().model();
    // A construct far to the right with a long caption: the picture grows to take it in.
    const QSize before = s.drawingSize(1);
    model.constructs[5].x = 900;
    model.constructs[5].caption = "COMPLAINTS";
    const QSize after = s.drawingSize(1);
    QCOMPARE(after.height(), before.height());
    QVERIFY(after.width() >= before.width() + 900 - 560);
    const QImage picture = gui::DiagramPictures(model, gui::DiagramColours::of(s.window.workbench().settings()), 25).image(1);
    // The right edge is background: nothing is cut off.
    for (int y = 0; y < picture.height(); ++y) QCOMPARE(picture.pixel(picture.width() - 1, y), picture.pixel(0, 0));
}

QTEST_MAIN(DiagramExportTest)
#include "DiagramExportTest.moc"
