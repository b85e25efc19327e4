#pragma once

#include <QDialog>
#include <functional>
#include <memory>

#include "core/editing/ConstructProductTerms.h"

namespace Ui {
class TForm12;
}

namespace qv {
class Workbench;
}

namespace qv::gui {

// "Generate Product Terms from Constructs" (TForm12), modeless: every indicator of the
// predictor construct times every indicator of the moderator construct. The fields are read
// into the model side before each button and its lists and texts shown after it.
class ConstructTermsDialog final : public QDialog {
public:
    // `changed` runs after OK has added product indicators, so the caller can rebuild the tree.
    ConstructTermsDialog(Workbench& workbench, std::function<void()> changed, QWidget* parent = nullptr);
    ~ConstructTermsDialog() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void read();
    void shown();
    void generate();
    void removeAll();
    void accept() override;

    std::unique_ptr<Ui::TForm12> ui_;
    Workbench& workbench_;
    std::function<void()> changed_;
    std::unique_ptr<ConstructProductTerms> terms_;
};

}  // namespace qv::gui
