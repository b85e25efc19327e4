#pragma once

#include <QDialog>
#include <memory>

#include "core/model/ModelParameters.h"

namespace Ui {
class TForm4;
}

namespace qv::gui {

// The Resampling Options dialog (TForm4): its entries edit the options in place as typed; the
// caller writes them into the model file after OK.
class ResamplingOptionsDialog final : public QDialog {
public:
    explicit ResamplingOptionsDialog(ResamplingOptions& options, QWidget* parent = nullptr);
    ~ResamplingOptionsDialog() override;

    bool showCurrent();

private:
    void resetToDefault();
    void load();

    std::unique_ptr<Ui::TForm4> ui_;
    ResamplingOptions& options_;
};

}  // namespace qv::gui
