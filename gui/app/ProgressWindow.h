#pragma once

#include <QDialog>
#include <memory>

#include "core/ports/ProgressView.h"

namespace Ui {
class TForm8;
}

namespace qv::gui {

// The progress window (TForm8) shown while the engine runs. It is application-modal, so while
// it is up no other window takes input and no second command can start; every poll of the
// engine keeps it painted and lets its Cancel button be pressed.
class ProgressWindow final : public QDialog, public ProgressView {
public:
    explicit ProgressWindow(QWidget* parent = nullptr);
    ~ProgressWindow() override;

    void start(const std::string& caption, int maximum) override;
    void setPosition(int position) override;
    bool cancelRequested() override;
    void finish() override;

private:
    void keepPainted();

    std::unique_ptr<Ui::TForm8> ui_;
    bool cancelled_ = false;
};

}  // namespace qv::gui
