#include "gui/editing/ProductTermChooser.h"

#include "ui_ProductTermChooser.h"

namespace qv::gui {

ProductTermChooser::ProductTermChooser(QDialog& constructLevel, QDialog& indicatorLevel, QWidget* parent)
    : QDialog(parent), ui_(std::make_unique<Ui::TForm11>()) {
    ui_->setupUi(this);
    connect(ui_->BTN_Constructs, &QPushButton::clicked, this, [this, &constructLevel] { showLevel(constructLevel); });
    connect(ui_->BTN_Indicators, &QPushButton::clicked, this, [this, &indicatorLevel] { showLevel(indicatorLevel); });
}

ProductTermChooser::~ProductTermChooser() = default;

// Not modal: the main window stays usable while terms are generated.
void ProductTermChooser::showLevel(QDialog& level) {
    hide();
    level.show();
    level.raise();
    level.activateWindow();
}

}  // namespace qv::gui
