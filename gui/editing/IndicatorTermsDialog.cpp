#include "gui/editing/IndicatorTermsDialog.h"

#include "core/app/Workbench.h"
#include "gui/editing/ListItems.h"
#include "ui_IndicatorTermsDialog.h"

namespace qv::gui {

IndicatorTermsDialog::IndicatorTermsDialog(Workbench& workbench, std::function<void()> changed, QWidget* parent)
    : QDialog(parent), ui_(std::make_unique<Ui::TForm13>()), workbench_(workbench), changed_(std::move(changed)) {
    ui_->setupUi(this);
    setModal(false);
    ui_->ListBox3->addAction(ui_->RemoveproductIndicator1);
    connect(ui_->BTN_Generate, &QPushButton::clicked, this, &IndicatorTermsDialog::generate);
    connect(ui_->RemoveproductIndicator1, &QAction::triggered, this, &IndicatorTermsDialog::removePending);
    connect(ui_->BTN_RemoveProductIndicators, &QToolButton::clicked, this, &IndicatorTermsDialog::removePending);
    connect(ui_->BTN_OK, &QPushButton::clicked, this, &IndicatorTermsDialog::accept);
    connect(ui_->BTN_Cancel, &QPushButton::clicked, this, &QDialog::reject);
}

IndicatorTermsDialog::~IndicatorTermsDialog() = default;

// Every showing starts afresh on the model as it is now (it may have been opened anew).
void IndicatorTermsDialog::showEvent(QShowEvent* event) {
    terms_ = std::make_unique<IndicatorProductTerms>(DialogContext::of(workbench_));
    const std::vector<std::string> indicators = terms_->indicatorChoices();
    refill(*ui_->ListBox1, indicators);
    refill(*ui_->ListBox2, indicators);
    ui_->Edit1->clear();
    ui_->Edit2->clear();
    shown();
    QDialog::showEvent(event);
}

void IndicatorTermsDialog::read() {
    terms_->predictor = ui_->ListBox1->selectedItems().isEmpty() ? -1 : ui_->ListBox1->currentRow();
    terms_->moderator = ui_->ListBox2->selectedItems().isEmpty() ? -1 : ui_->ListBox2->currentRow();
    terms_->predictorAlias = toStdString(ui_->Edit1->text());
    terms_->moderatorAlias = toStdString(ui_->Edit2->text());
    terms_->flags = {ui_->CK_Standardized->isChecked(), ui_->CK_MeanCentered->isChecked()};
}

void IndicatorTermsDialog::shown() {
    refill(*ui_->ListBox3, terms_->previewLines());
    ui_->BTN_Generate->setText(toQString(terms_->generateCaption()));
    ui_->CK_Standardized->setChecked(terms_->flags.standardized);
    ui_->CK_MeanCentered->setChecked(terms_->flags.meanCentered);
    ui_->StatusBar1->setText(toQString(terms_->status()));
}

void IndicatorTermsDialog::generate() {
    read();
    const GenerateResult result = terms_->generate();
    if (result.focus == AliasField::Predictor) ui_->Edit1->setFocus();
    if (result.focus == AliasField::Moderator) ui_->Edit2->setFocus();
    shown();
}

void IndicatorTermsDialog::removePending() {
    const std::vector<int> rows = selectedRows(*ui_->ListBox3);
    read();
    terms_->removePending(rows.empty() ? -1 : rows.front());
    shown();
}

void IndicatorTermsDialog::accept() {
    read();
    const bool created = !terms_->pending().empty();
    if (!terms_->ok()) {
        shown();  // a refusal may have emptied the pending list
        return;
    }
    if (created && changed_) changed_();
    QDialog::accept();
}

}  // namespace qv::gui
