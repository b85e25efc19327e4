#include "gui/editing/ProductTermReviewDialog.h"

#include "core/app/Workbench.h"
#include "gui/editing/ListItems.h"
#include "ui_ProductTermReviewDialog.h"

namespace qv::gui {

ProductTermReviewDialog::ProductTermReviewDialog(Workbench& workbench, QWidget* parent)
    : QDialog(parent), ui_(std::make_unique<Ui::TForm14>()), workbench_(workbench) {
    ui_->setupUi(this);
    connect(ui_->ComboBox1, &QComboBox::activated, this, &ProductTermReviewDialog::chooseFilter);
    connect(ui_->BTN_SelectAll, &QToolButton::clicked, this, &ProductTermReviewDialog::selectAll);
    connect(ui_->ListBox1, &QListWidget::itemSelectionChanged, this, &ProductTermReviewDialog::clickLine);
    // clicked, not toggled: only the user's own change of a box changes the selected terms.
    connect(ui_->CK_Standardized, &QCheckBox::clicked, this, [this](bool checked) { review_->setStandardized(checked); });
    connect(ui_->CK_MeanCentered, &QCheckBox::clicked, this, [this](bool checked) { review_->setMeanCentered(checked); });
    connect(ui_->BTN_RemoveProductIndicators, &QToolButton::clicked, this, &ProductTermReviewDialog::deleteSelected);
    connect(ui_->BTN_OK, &QPushButton::clicked, this, &QDialog::accept);
    connect(ui_->BTN_Cancel, &QPushButton::clicked, this, &QDialog::reject);
}

ProductTermReviewDialog::~ProductTermReviewDialog() = default;

bool ProductTermReviewDialog::review() {
    review_ = std::make_unique<ProductTermReview>(DialogContext::of(workbench_));
    {
        const QSignalBlocker quiet(ui_->ComboBox1);
        ui_->ComboBox1->clear();
        ui_->ComboBox1->addItems(toQStringList(review_->filterChoices()));
        ui_->ComboBox1->setCurrentIndex(0);
    }
    shown();
    return exec() == QDialog::Accepted;
}

// The list, the selection, the two boxes and both status panels as the model side holds them.
void ProductTermReviewDialog::shown() {
    refill(*ui_->ListBox1, review_->lines());
    {
        const QSignalBlocker quiet(ui_->ListBox1);
        for (int row = 0; row < ui_->ListBox1->count(); ++row)
            ui_->ListBox1->item(row)->setSelected(review_->selection()[row]);
    }
    ui_->CK_Standardized->setChecked(review_->standardized());
    ui_->CK_MeanCentered->setChecked(review_->meanCentered());
    ui_->StatusBar1Panel0->setText(toQString(review_->countStatus()));
    ui_->StatusBar1Panel1->setText(toQString(review_->selectionStatus()));
}

void ProductTermReviewDialog::chooseFilter(int item) {
    review_->chooseFilter(item);
    shown();
}

void ProductTermReviewDialog::selectAll() {
    review_->selectAll();
    shown();
}

void ProductTermReviewDialog::clickLine() {
    const QListWidgetItem* focused = ui_->ListBox1->currentItem();
    const int focusedLine = focused && focused->isSelected() ? ui_->ListBox1->row(focused) : -1;
    review_->clickLine(selectedRows(*ui_->ListBox1), focusedLine);
    ui_->CK_Standardized->setChecked(review_->standardized());
    ui_->CK_MeanCentered->setChecked(review_->meanCentered());
    ui_->StatusBar1Panel1->setText(toQString(review_->selectionStatus()));
}

void ProductTermReviewDialog::deleteSelected() {
    review_->deleteSelected();
    shown();
}

}  // namespace qv::gui
