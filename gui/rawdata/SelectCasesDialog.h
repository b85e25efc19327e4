#pragma once

#include <QDialog>
#include <memory>

namespace Ui {
class TForm17;
}

namespace qv {
class CaseFilter;
struct CaseCondition;
class LanguageTexts;
class Prompts;
class RawDataTable;
}  // namespace qv

namespace qv::gui {

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
    void addCondition();
    void removeCondition();
    void showCondition(int row);
    QString conditionLine(const CaseCondition& condition) const;

    std::unique_ptr<Ui::TForm17> ui_;
    CaseFilter& filter_;
    const RawDataTable& table_;
    const LanguageTexts& texts_;
    Prompts& prompts_;
};

}  // namespace qv::gui
