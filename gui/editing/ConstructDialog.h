#pragma once

#include <QDialog>
#include <memory>

class QListWidget;

namespace Ui {
class TForm5;
}

namespace qv {
class Workbench;
}

namespace qv::gui {

// The construct dialog (TForm5, "Indicators and Constructs"): names a construct, sets its
// mode and moves indicators between the unused list and the construct's own list. OK checks
// the name and commits everything; Cancel applies nothing of the lists.
class ConstructDialog final : public QDialog {
public:
    explicit ConstructDialog(Workbench& workbench, QWidget* parent = nullptr);
    ~ConstructDialog() override;

    // Shows the dialog modally for one construct; true when it was closed with OK.
    bool editConstruct(int construct);

private:
    void load();
    void move(QListWidget& from, QListWidget& to);
    void accept() override;

    std::unique_ptr<Ui::TForm5> ui_;
    Workbench& workbench_;
    int construct_ = -1;
};

}  // namespace qv::gui
