#pragma once

#include <QDialog>
#include <memory>

#include "core/model/PredictOptions.h"

namespace Ui {
class TFormPredict;
}

namespace qv::gui {

// The options of Execute ▸ Predict (TFormPredict): folds, repetitions, seed and technique.
// The options change only when the user answers OK.
class PredictDialog final : public QDialog {
public:
    explicit PredictDialog(PredictOptions& options, QWidget* parent = nullptr);
    ~PredictDialog() override;

    // Shows the options; true after OK, with the options holding the entries.
    bool showCurrent();

private:
    void store();

    std::unique_ptr<Ui::TFormPredict> ui_;
    PredictOptions& options_;
};

}  // namespace qv::gui
