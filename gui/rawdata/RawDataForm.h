#pragma once

#include <QDialog>
#include <memory>

namespace Ui {
class TForm3;
}

namespace qv {
class Workbench;
}

namespace qv::gui {

class RawDataGridModel;
class SelectCasesDialog;
class VariableSummaryModel;

// The Raw Data form (TForm3): the raw data table in a read-only grid, and below it one line
// per variable with its summary figures. Showing it reads the data file again; the buttons choose another file, drop the file, or edit the case selection.
class RawDataForm final : public QDialog {
public:
    enum class Caller { MainWindow, Configuration };

    RawDataForm(Workbench& workbench, QWidget* parent = nullptr);
    ~RawDataForm() override;

    // Main window: OK and Select Cases. Configuration dialog: OK, Open Another, Cancel RawData.
    // True when closed with OK.
    bool showFor(Caller caller);

private:
    bool reload();
    void selectCases();
    void openAnother();
    void cancelRawData();

    std::unique_ptr<Ui::TForm3> ui_;
    Workbench& workbench_;
    RawDataGridModel* grid_;
    VariableSummaryModel* variables_;
    SelectCasesDialog* selectCases_;
};

}  // namespace qv::gui
