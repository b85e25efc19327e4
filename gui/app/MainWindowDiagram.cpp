// The main window's commands on the diagram as a picture: export to a file and copy.
#include <QApplication>
#include <QClipboard>
#include <QMimeData>

#include "core/app/Workbench.h"
#include "gui/app/MainWindow.h"
#include "gui/app/TextConversion.h"
#include "gui/diagram/DiagramPictures.h"
#include "gui/diagram/DiagramView.h"

namespace qv::gui {

void MainWindow::exportPng1() { exportDiagram(DiagramFormat::Png, 1); }
void MainWindow::exportPng2() { exportDiagram(DiagramFormat::Png, 2); }
void MainWindow::exportPng3() { exportDiagram(DiagramFormat::Png, 3); }
void MainWindow::exportSvg() { exportDiagram(DiagramFormat::Svg, 1); }
void MainWindow::exportPdf() { exportDiagram(DiagramFormat::Pdf, 1); }

void MainWindow::exportDiagram(DiagramFormat format, double scale) {
    const struct {
        const char* filter;
        const char* extension;
    } kinds[] = {{"PNG picture|*.png", "png"}, {"SVG drawing|*.svg", "svg"}, {"PDF document|*.pdf", "pdf"}};
    const auto& kind = kinds[int(format)];
    if (workbench_->model().nConstruct == 0) {
        prompts_.tell(Message{"", "The diagram is empty: there is no picture to export.", ""});
        return;
    }
    const auto file = ports_.files.chooseFileToSave(kind.filter, kind.extension, workbench_->settings().workingDir);
    if (!file) return;
    const DiagramPictures pictures = diagram_->pictures();
    const QString name = toQString(*file);
    const bool written = format == DiagramFormat::Png   ? pictures.writePng(name, scale)
                         : format == DiagramFormat::Svg ? pictures.writeSvg(name)
                                                        : pictures.writePdf(name);
    if (!written) {
        prompts_.tell(Message{"", "The diagram could not be written to " + *file + ".", ""});
        return;
    }
    workbench_->showStatus("Diagram exported to " + *file, false);
}

// The clipboard gets the picture at twice the screen size, sharp when pasted into a document.
void MainWindow::copyDiagram() {
    if (workbench_->model().nConstruct == 0) return;
    QApplication::clipboard()->setImage(diagram_->pictures().image(2));
    workbench_->showStatus("Diagram copied", false);
}

}  // namespace qv::gui
