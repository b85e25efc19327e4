#include "gui/app/AboutDialog.h"

#include "core/app/Version.h"
#include "ui_AboutDialog.h"

namespace qv::gui {

AboutDialog::AboutDialog(QWidget* parent) : QDialog(parent), ui_(std::make_unique<Ui::TForm6>()) {
    ui_->setupUi(this);
    QFont title = ui_->LB_Title->font();
    title.setPointSize(title.pointSize() * 2);
    title.setBold(true);
    ui_->LB_Title->setFont(title);
    ui_->LB_Version->setText(QStringLiteral("Version %1").arg(kProgramVersion));
    connect(ui_->BTN_OK, &QPushButton::clicked, this, &QDialog::accept);
}

AboutDialog::~AboutDialog() = default;

}  // namespace qv::gui
