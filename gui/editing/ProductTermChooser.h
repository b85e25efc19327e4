#pragma once

#include <QDialog>
#include <memory>

namespace Ui {
class TForm11;
}

namespace qv::gui {

// The product-term chooser (TForm11): picks the construct-level or the indicator-level
// generation dialog, hides itself and shows the chosen one beside the main window.
class ProductTermChooser final : public QDialog {
public:
    ProductTermChooser(QDialog& constructLevel, QDialog& indicatorLevel, QWidget* parent = nullptr);
    ~ProductTermChooser() override;

private:
    // Not named open: that would hide QDialog::open.
    void showLevel(QDialog& level);

    std::unique_ptr<Ui::TForm11> ui_;
};

}  // namespace qv::gui
