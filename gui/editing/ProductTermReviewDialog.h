#pragma once

#include <QDialog>
#include <memory>

#include "core/editing/ProductTermReview.h"

namespace Ui {
class TForm14;
}

namespace qv {
class Workbench;
}

namespace qv::gui {

// "Product Terms change/deletion" (TForm14), modal: lists the product terms, filters them by
// construct, changes their flags and deletes them. Every change reaches the model at once, so
// the caller rebuilds the tree whatever the dialog's result.
class ProductTermReviewDialog final : public QDialog {
public:
    explicit ProductTermReviewDialog(Workbench& workbench, QWidget* parent = nullptr);
    ~ProductTermReviewDialog() override;

    // Shows the dialog modally on the current model; true when it was closed with OK.
    bool review();

private:
    void shown();
    void chooseFilter(int item);
    void selectAll();
    void clickLine();
    void deleteSelected();

    std::unique_ptr<Ui::TForm14> ui_;
    Workbench& workbench_;
    std::unique_ptr<ProductTermReview> review_;
};

}  // namespace qv::gui
