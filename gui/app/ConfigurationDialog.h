#pragma once

#include <QDialog>
#include <memory>

namespace Ui {
class TForm2;
}

namespace qv {
class Workbench;
}

namespace qv::gui {

class RawDataForm;

// The Configuration dialog (TForm2): the project file, the raw data file (with its sheet
// when it is a workbook of several) and the four output names. The output fields edit the Workbench's file names directly; OK asks the Workbench
// whether the entries are acceptable and stays open until they are.
class ConfigurationDialog final : public QDialog {
public:
    ConfigurationDialog(Workbench& workbench, RawDataForm& rawDataForm, QWidget* parent = nullptr);
    ~ConfigurationDialog() override;

    // New-model mode: empty fields, both browse buttons and Cancel, an editable project field.
    // View mode: the current names, read-only, no browse buttons and no Cancel.
    bool showFor(bool newModelMode);

private:
    void prepare(bool newModelMode);
    void browseProject();
    void browseRawData();
    void showSheets();
    void chooseSheet(int index);
    void completeProjectName();
    void tryAccept();

    std::unique_ptr<Ui::TForm2> ui_;
    Workbench& workbench_;
    RawDataForm& rawDataForm_;
    bool newModelMode_ = false;
};

}  // namespace qv::gui
