#include "gui/editing/SecondOrderDialog.h"

#include "core/app/Workbench.h"
#include "gui/editing/ListItems.h"
#include "ui_SecondOrderDialog.h"

namespace qv::gui {

SecondOrderDialog::SecondOrderDialog(Workbench& workbench, QWidget* parent)
    : QDialog(parent), ui_(std::make_unique<Ui::TForm16>()), workbench_(workbench) {
    ui_->setupUi(this);
    connect(ui_->BTN_Assign, &QPushButton::clicked, this, &SecondOrderDialog::assign);
    connect(ui_->BTN_Remove, &QPushButton::clicked, this, &SecondOrderDialog::remove);
    connect(ui_->BTN_OK, &QPushButton::clicked, this, &SecondOrderDialog::accept);
    connect(ui_->BTN_Cancel, &QPushButton::clicked, this, &QDialog::reject);
}

SecondOrderDialog::~SecondOrderDialog() = default;

bool SecondOrderDialog::editSecondOrder(int construct) {
    const ProjectModel& model = workbench_.model();
    if (construct < 0 || construct >= model.nConstruct || model.constructs[construct].order != 2) return false;
    membership_ = std::make_unique<SecondOrderMembership>(DialogContext::of(workbench_), construct);
    membership_->show();
    const std::vector<std::string> modes = membership_->modeTexts();
    ui_->RB_Reflective->setText(toQString(modes[0]));
    ui_->RB_Formative->setText(toQString(modes[1]));
    (membership_->mode == 1 ? ui_->RB_Formative : ui_->RB_Reflective)->setChecked(true);
    ui_->Edit1->setText(toQString(membership_->name));
    shown();
    ui_->Edit1->setFocus();
    return exec() == QDialog::Accepted;
}

void SecondOrderDialog::shown() {
    refill(*ui_->ListBox1, membership_->captions(membership_->freeConstructs()));
    refill(*ui_->ListBox2, membership_->captions(membership_->members()));
}

void SecondOrderDialog::assign() {
    membership_->assign(selectedRows(*ui_->ListBox1));
    shown();
}

void SecondOrderDialog::remove() {
    membership_->remove(selectedRows(*ui_->ListBox2));
    shown();
}

void SecondOrderDialog::accept() {
    membership_->name = toStdString(ui_->Edit1->text());
    membership_->mode = ui_->RB_Formative->isChecked() ? 1 : 0;
    if (!membership_->ok()) {
        ui_->Edit1->setFocus();
        return;
    }
    QDialog::accept();
}

}  // namespace qv::gui
