#pragma once

#include <QDialog>
#include <functional>
#include <memory>

#include "core/editing/IndicatorProductTerms.h"

namespace Ui {
class TForm13;
}

namespace qv {
class Workbench;
}

namespace qv::gui {

// "Generate Product Terms from Indiviaul Items" (TForm13), modeless: one chosen pair of
// indicators at a time joins the pending list; OK turns the list into product indicators.
class IndicatorTermsDialog final : public QDialog {
public:
    // `changed` runs after OK has added product indicators, so the caller can rebuild the tree.
    IndicatorTermsDialog(Workbench& workbench, std::function<void()> changed, QWidget* parent = nullptr);
    ~IndicatorTermsDialog() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void read();
    void shown();
    void generate();
    void removePending();
    void accept() override;

    std::unique_ptr<Ui::TForm13> ui_;
    Workbench& workbench_;
    std::function<void()> changed_;
    std::unique_ptr<IndicatorProductTerms> terms_;
};

}  // namespace qv::gui
