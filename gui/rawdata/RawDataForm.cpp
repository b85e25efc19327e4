#include "gui/rawdata/RawDataForm.h"

#include "core/app/Workbench.h"
#include "core/rawdata/RawDataReader.h"
#include "core/rawdata/VariableSummary.h"
#include "gui/app/TextConversion.h"
#include "gui/rawdata/RawDataGridModel.h"
#include "gui/rawdata/SelectCasesDialog.h"
#include "gui/rawdata/VariableSummaryModel.h"
#include "ui_RawDataForm.h"

namespace qv::gui {

RawDataForm::RawDataForm(Workbench& workbench, QWidget* parent)
    : QDialog(parent), ui_(std::make_unique<Ui::TForm3>()), workbench_(workbench),
      grid_(new RawDataGridModel(workbench.rawData(), this)),
      variables_(new VariableSummaryModel(this)),
      selectCases_(new SelectCasesDialog(workbench.caseFilter(), workbench.rawData(),
                                         workbench.texts(), workbench.ports().prompts, this)) {
    ui_->setupUi(this);
    ui_->StringGrid1->setModel(grid_);
    ui_->StringGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    ui_->VariableGrid->setModel(variables_);
    ui_->VariableGrid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    connect(ui_->BTN_OK, &QPushButton::clicked, this, &QDialog::accept);
    connect(ui_->BtnSelectCase, &QPushButton::clicked, this, [this] { selectCases(); });
    connect(ui_->BTN_OpenAnother, &QPushButton::clicked, this, [this] { openAnother(); });
    connect(ui_->BTN_CancelRawData, &QPushButton::clicked, this, [this] { cancelRawData(); });
}

RawDataForm::~RawDataForm() = default;

bool RawDataForm::showFor(Caller caller) {
    const bool fromMainWindow = caller == Caller::MainWindow;
    ui_->BtnSelectCase->setVisible(fromMainWindow);
    ui_->BTN_OpenAnother->setVisible(!fromMainWindow);
    ui_->BTN_CancelRawData->setVisible(!fromMainWindow);
    reload();
    return exec() == QDialog::Accepted;
}

bool RawDataForm::reload() {
    const bool ok = workbench_.loadRawData();
    const QString file = toQString(workbench_.rawData().raw);
    setWindowTitle(ok ? file : QString("%1 not found.").arg(file));
    ui_->StatusBar1->setText(ok ? toQString(workbench_.rawData().statusText) : QString());
    grid_->refresh();
    variables_->show(SummarizeVariables(workbench_.rawData()));
    return ok;
}

// Whatever way the selection dialog closes, the data are read again through the new selection.
void RawDataForm::selectCases() {
    selectCases_->showFor();
    reload();
}

void RawDataForm::openAnother() {
    const auto chosen = workbench_.ports().files.chooseFileToOpen(kDataFileFilter,
                                                                  workbench_.settings().workingDir);
    if (!chosen) return;
    workbench_.rawData().raw = *chosen;
    if (!reload()) workbench_.rawData().raw.clear();
}

void RawDataForm::cancelRawData() {
    if (!workbench_.ports().prompts.askOkCancel(workbench_.texts().message("MSG_Sure", "MSG_CancelRawData")))
        return;
    workbench_.rawData().raw.clear();
    reject();
}

}  // namespace qv::gui
