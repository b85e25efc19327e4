#include "gui/app/PredictDialog.h"

#include "ui_PredictDialog.h"

namespace qv::gui {

PredictDialog::PredictDialog(PredictOptions& options, QWidget* parent)
    : QDialog(parent), ui_(std::make_unique<Ui::TFormPredict>()), options_(options) {
    ui_->setupUi(this);
    connect(ui_->BTN_OK, &QPushButton::clicked, this, &QDialog::accept);
    connect(ui_->BTN_Cancel, &QPushButton::clicked, this, &QDialog::reject);
}

PredictDialog::~PredictDialog() = default;

bool PredictDialog::showCurrent() {
    ui_->SE_Folds->setValue(options_.folds);
    ui_->SE_Repetitions->setValue(options_.repetitions);
    ui_->SE_Seed->setValue(options_.seed);
    ui_->CB_Technique->setCurrentIndex(options_.technique == PredictTechnique::DirectAntecedents ? 0 : 1);
    if (exec() != QDialog::Accepted) return false;
    store();
    return true;
}

void PredictDialog::store() {
    options_.folds = ui_->SE_Folds->value();
    options_.repetitions = ui_->SE_Repetitions->value();
    options_.seed = ui_->SE_Seed->value();
    options_.technique = ui_->CB_Technique->currentIndex() == 0 ? PredictTechnique::DirectAntecedents
                                                                : PredictTechnique::EarliestAntecedents;
}

}  // namespace qv::gui
