#pragma once

#include <QDialog>
#include <memory>

namespace Ui {
class TForm17;
}

namespace qv {
class CaseFilter;
class LanguageTexts;
class Prompts;
class RawDataTable;
}  // namespace qv

namespace qv::gui {

class ConditionEditor;

// The Select Cases dialog (TForm17). It edits the program's case filter at once: the radio
// buttons switch AllCases, the buttons add and remove conditions. OK and Cancel both keep the
// edits; the caller reads the data again afterwards.
class SelectCasesDialog final : public QDialog {
public:
    SelectCasesDialog(CaseFilter& filter, const RawDataTable& table, const LanguageTexts& texts,
                      Prompts& prompts, QWidget* parent = nullptr);
    ~SelectCasesDialog() override;

    bool showFor();

private:
    void prepare();
    void setAllCases(bool all);

    std::unique_ptr<Ui::TForm17> ui_;
    CaseFilter& filter_;
    ConditionEditor* editor_;
};

}  // namespace qv::gui
