#pragma once

#include <QDialog>
#include <memory>

#include "core/model/ModelParameters.h"

namespace Ui {
class TForm7;
}

namespace qv::gui {

// The Model Parameter dialog (TForm7). Its fields edit the model parameters in place, so OK
// and Cancel both keep what was typed; the ranges in the labels are not checked.
class ModelParameterDialog final : public QDialog {
public:
    explicit ModelParameterDialog(ModelParameters& parameters, QWidget* parent = nullptr);
    ~ModelParameterDialog() override;

    // Shows the current values; true when closed with OK.
    bool showCurrent();

private:
    void resetToDefault();
    void load();

    std::unique_ptr<Ui::TForm7> ui_;
    ModelParameters& parameters_;
};

}  // namespace qv::gui
