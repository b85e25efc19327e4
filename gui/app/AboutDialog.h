#pragma once

#include <QDialog>
#include <memory>

namespace Ui {
class TForm6;
}

namespace qv::gui {

// The about box (TForm6): name, version and what the program does.
class AboutDialog final : public QDialog {
public:
    explicit AboutDialog(QWidget* parent = nullptr);
    ~AboutDialog() override;

private:
    std::unique_ptr<Ui::TForm6> ui_;
};

}  // namespace qv::gui
