#include "gui/editing/ConstructTermsDialog.h"

#include "core/app/Workbench.h"
#include "gui/editing/ListItems.h"
#include "ui_ConstructTermsDialog.h"

namespace qv::gui {

ConstructTermsDialog::ConstructTermsDialog(Workbench& workbench, std::function<void()> changed, QWidget* parent)
    : QDialog(parent), ui_(std::make_unique<Ui::TForm12>()), workbench_(workbench), changed_(std::move(changed)) {
    ui_->setupUi(this);
    setModal(false);
    ui_->ListBox1->addAction(ui_->RemoveallIndicators1);
    connect(ui_->BTN_Generate, &QPushButton::clicked, this, &ConstructTermsDialog::generate);
    connect(ui_->RemoveallIndicators1, &QAction::triggered, this, &ConstructTermsDialog::removeAll);
    connect(ui_->BTN_RemoveProductIndicators, &QToolButton::clicked, this, &ConstructTermsDialog::removeAll);
    connect(ui_->BTN_OK, &QPushButton::clicked, this, &ConstructTermsDialog::accept);
    connect(ui_->BTN_Cancel, &QPushButton::clicked, this, &QDialog::reject);
}

ConstructTermsDialog::~ConstructTermsDialog() = default;

// Every showing starts afresh on the model as it is now (it may have been opened anew).
void ConstructTermsDialog::showEvent(QShowEvent* event) {
    terms_ = std::make_unique<ConstructProductTerms>(DialogContext::of(workbench_));
    const QStringList constructs = toQStringList(terms_->constructChoices());
    for (QComboBox* box : {ui_->ComboBox1, ui_->ComboBox2}) {
        box->clear();
        box->addItems(constructs);
        box->setCurrentIndex(-1);
    }
    ui_->Edit1->clear();
    ui_->Edit2->clear();
    shown();
    QDialog::showEvent(event);
}

void ConstructTermsDialog::read() {
    terms_->predictor = ui_->ComboBox1->currentIndex();
    terms_->moderator = ui_->ComboBox2->currentIndex();
    terms_->predictorAlias = toStdString(ui_->Edit1->text());
    terms_->moderatorAlias = toStdString(ui_->Edit2->text());
    terms_->flags = {ui_->CK_Standardized->isChecked(), ui_->CheckBox2->isChecked()};
}

void ConstructTermsDialog::shown() {
    refill(*ui_->ListBox1, terms_->previewLines());
    ui_->BTN_Generate->setText(toQString(terms_->generateCaption()));
    ui_->CK_Standardized->setChecked(terms_->flags.standardized);
    ui_->CheckBox2->setChecked(terms_->flags.meanCentered);
    ui_->StatusBar1->setText(toQString(terms_->status()));
}

void ConstructTermsDialog::generate() {
    read();
    const GenerateResult result = terms_->generate();
    if (result.focus == AliasField::Predictor) ui_->Edit1->setFocus();
    if (result.focus == AliasField::Moderator) ui_->Edit2->setFocus();
    shown();
}

void ConstructTermsDialog::removeAll() {
    terms_->removeAll();
    shown();
}

void ConstructTermsDialog::accept() {
    read();
    const bool created = !terms_->previewLines().empty();
    if (!terms_->ok()) return;
    if (created && changed_) changed_();
    QDialog::accept();
}

}  // namespace qv::gui
