#pragma once

#include <QDialog>
#include <memory>

#include "core/editing/SecondOrderMembership.h"

namespace Ui {
class TForm16;
}

namespace qv {
class Workbench;
}

namespace qv::gui {

// "Configuration of 2nd-order Construct" (TForm16): names a second-order construct, sets its
// mode and moves first-order constructs between the free list and its members.
class SecondOrderDialog final : public QDialog {
public:
    explicit SecondOrderDialog(Workbench& workbench, QWidget* parent = nullptr);
    ~SecondOrderDialog() override;

    // Shows the dialog modally for one second-order construct; true when closed with OK.
    bool editSecondOrder(int construct);

private:
    void shown();
    void assign();
    void remove();
    void accept() override;

    std::unique_ptr<Ui::TForm16> ui_;
    Workbench& workbench_;
    std::unique_ptr<SecondOrderMembership> membership_;
};

}  // namespace qv::gui
