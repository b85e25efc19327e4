// The table commands of the assessment: each writes its file beside the model and opens it.
#include "core/assessment/AssessmentCommand.h"
#include "gui/app/MainWindow.h"

namespace qv::gui {

void MainWindow::htmtTable() { AssessmentCommand(*workbench_).writeTable("_htmt.csv"); }
void MainWindow::vifTable() { AssessmentCommand(*workbench_).writeTable("_vif.csv"); }
void MainWindow::f2Table() { AssessmentCommand(*workbench_).writeTable("_f2.csv"); }
void MainWindow::assessedReliabilityTable() { AssessmentCommand(*workbench_).writeTable("_reliability.csv"); }
void MainWindow::effectsTable() { AssessmentCommand(*workbench_).writeTable("_effects.csv"); }
void MainWindow::fitTable() { AssessmentCommand(*workbench_).writeTable("_fit.csv"); }
void MainWindow::inferenceTable() { AssessmentCommand(*workbench_).writeInferenceTable(); }

}  // namespace qv::gui
