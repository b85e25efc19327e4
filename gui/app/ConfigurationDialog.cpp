#include "gui/app/ConfigurationDialog.h"

#include "core/app/DerivedFileNames.h"
#include "core/app/Workbench.h"
#include "core/rawdata/RawDataReader.h"
#include "core/rawdata/formats/WorkbookSheets.h"
#include "gui/app/TextConversion.h"
#include "gui/rawdata/RawDataForm.h"
#include "ui_ConfigurationDialog.h"

namespace qv::gui {
namespace {
constexpr const char* kProjectFilter = "Quorvanta control file|*.qvt";
}

ConfigurationDialog::ConfigurationDialog(Workbench& workbench, RawDataForm& rawDataForm,
                                         QWidget* parent)
    : QDialog(parent), ui_(std::make_unique<Ui::TForm2>()), workbench_(workbench),
      rawDataForm_(rawDataForm) {
    ui_->setupUi(this);
    ProjectFiles& files = workbench_.files();
    const std::pair<QLineEdit*, std::string*> outputs[] = {
        {ui_->Edit2, &files.pls}, {ui_->Edit3, &files.bootStrap},
        {ui_->Edit4, &files.jackKnife}, {ui_->Edit5, &files.result}};
    for (const auto& [edit, name] : outputs)
        // Copied into the lambda by name: clang 14 cannot capture a structured binding.
        connect(edit, &QLineEdit::textEdited, this,
                [target = name](const QString& text) { *target = toStdString(text); });
    connect(ui_->Edit6, &QLineEdit::editingFinished, this, [this] { completeProjectName(); });
    connect(ui_->SpeedButton1, &QToolButton::clicked, this, [this] { browseRawData(); });
    connect(ui_->SpeedButton2, &QToolButton::clicked, this, [this] { browseProject(); });
    connect(ui_->CB_Sheet, &QComboBox::currentIndexChanged, this, [this](int index) { chooseSheet(index); });
    connect(ui_->BTN_OK, &QPushButton::clicked, this, [this] { tryAccept(); });
    connect(ui_->BTN_Cancel, &QPushButton::clicked, this, &QDialog::reject);
}

ConfigurationDialog::~ConfigurationDialog() = default;

bool ConfigurationDialog::showFor(bool newModelMode) {
    prepare(newModelMode);
    return exec() == QDialog::Accepted;
}

void ConfigurationDialog::prepare(bool newModelMode) {
    newModelMode_ = newModelMode;
    const ProjectFiles& files = workbench_.files();
    ui_->Edit1->setText(toQString(newModelMode ? workbench_.configuration().rawFile : workbench_.rawData().raw));
    ui_->Edit6->setText(toQString(newModelMode ? workbench_.configuration().projectFile : files.project));
    ui_->Edit2->setText(toQString(files.pls));
    ui_->Edit3->setText(toQString(files.bootStrap));
    ui_->Edit4->setText(toQString(files.jackKnife));
    ui_->Edit5->setText(toQString(files.result));
    ui_->Edit6->setReadOnly(!newModelMode);
    ui_->SpeedButton1->setVisible(newModelMode);
    ui_->SpeedButton2->setVisible(newModelMode);
    ui_->BTN_Cancel->setVisible(newModelMode);
    showSheets();
    (newModelMode ? ui_->Edit6 : ui_->Edit2)->setFocus();
}

// A workbook of several sheets offers them; the sheet is chosen with the file, for a new model.
void ConfigurationDialog::showSheets() {
    const RawDataTable& data = workbench_.rawData();
    std::string error;
    const std::vector<std::string> sheets = WorkbookSheets(data.raw, error);
    const QSignalBlocker quiet(ui_->CB_Sheet);
    ui_->CB_Sheet->clear();
    for (const std::string& sheet : sheets) ui_->CB_Sheet->addItem(toQString(sheet));
    ui_->CB_Sheet->setCurrentIndex(std::max(0, ui_->CB_Sheet->findText(toQString(data.sheet))));
    ui_->CB_Sheet->setEnabled(newModelMode_);
    ui_->CB_Sheet->setVisible(sheets.size() > 1);
    ui_->LB_Sheet->setVisible(sheets.size() > 1);
}

// The first sheet is stored as no choice, so a model of a one-sheet workbook names none.
void ConfigurationDialog::chooseSheet(int index) {
    workbench_.rawData().sheet = index > 0 ? toStdString(ui_->CB_Sheet->itemText(index)) : std::string();
    workbench_.loadRawData();
}

void ConfigurationDialog::completeProjectName() {
    if (ui_->Edit6->isReadOnly()) return;
    ui_->Edit6->setText(toQString(withModelExtension(toStdString(ui_->Edit6->text()))));
}

void ConfigurationDialog::browseProject() {
    const auto chosen = workbench_.ports().files.chooseFileToSave(kProjectFilter, "qvt",
                                                                  workbench_.settings().workingDir);
    if (!chosen) return;
    ui_->Edit6->setText(toQString(*chosen));
    workbench_.files().project = *chosen;
}

void ConfigurationDialog::browseRawData() {
    const auto chosen = workbench_.ports().files.chooseFileToOpen(kDataFileFilter,
                                                                  workbench_.settings().workingDir);
    if (!chosen) return;
    workbench_.rawData().raw = *chosen;
    workbench_.rawData().sheet.clear();
    if (rawDataForm_.showFor(RawDataForm::Caller::Configuration))
        ui_->Edit1->setText(toQString(workbench_.rawData().raw));
    showSheets();
}

void ConfigurationDialog::tryAccept() {
    completeProjectName();
    const ConfigurationEntries entries{toStdString(ui_->Edit1->text()), toStdString(ui_->Edit6->text())};
    if (workbench_.configurationOk(entries, newModelMode_)) {
        accept();
        return;
    }
    if (entries.rawFile.empty())
        ui_->Edit1->setFocus();
    else if (entries.projectFile.empty())
        ui_->Edit6->setFocus();
}

}  // namespace qv::gui
