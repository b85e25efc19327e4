#include "gui/app/ModelParameterDialog.h"

#include <QSignalBlocker>

#include "gui/app/TextConversion.h"
#include "ui_ModelParameterDialog.h"

namespace qv::gui {
namespace {

struct ListField {
    QComboBox* list;
    int ModelParameters::*field;
};
struct EntryField {
    QLineEdit* entry;
    std::string ModelParameters::*field;
};

std::vector<ListField> listFields(Ui::TForm7& ui) {
    return {{ui.ComboBox1, &ModelParameters::blindfolding},
            {ui.ComboBox2, &ModelParameters::iterationCycle},
            {ui.ComboBox3, &ModelParameters::specification},
            {ui.ComboBox4, &ModelParameters::result},
            {ui.ComboBox5, &ModelParameters::innerWeighting},
            {ui.ComboBox6, &ModelParameters::metric},
            {ui.ComboBox7, &ModelParameters::blindFoldingType},
            {ui.ComboBox8, &ModelParameters::blindFoldingDistance}};
}

std::vector<EntryField> entryFields(Ui::TForm7& ui) {
    return {{ui.Edit1, &ModelParameters::missingValue},
            {ui.Edit2, &ModelParameters::maxIteration},
            {ui.Edit3, &ModelParameters::decimal}};
}

}  // namespace

ModelParameterDialog::ModelParameterDialog(ModelParameters& parameters, QWidget* parent)
    : QDialog(parent), ui_(std::make_unique<Ui::TForm7>()), parameters_(parameters) {
    ui_->setupUi(this);
    for (const ListField& f : listFields(*ui_))
        connect(f.list, &QComboBox::currentIndexChanged, this,
                [this, f](int position) { parameters_.*f.field = position; });
    for (const EntryField& f : entryFields(*ui_))
        connect(f.entry, &QLineEdit::textChanged, this,
                [this, f](const QString& text) { parameters_.*f.field = toStdString(text); });
    connect(ui_->CB_Consistent, &QCheckBox::toggled, this, [this](bool on) { parameters_.consistent = on; });
    connect(ui_->BTN_ResetToDefault, &QPushButton::clicked, this, [this] { resetToDefault(); });
    connect(ui_->BTN_OK, &QPushButton::clicked, this, &QDialog::accept);
    connect(ui_->BTN_Cancel, &QPushButton::clicked, this, &QDialog::reject);
}

ModelParameterDialog::~ModelParameterDialog() = default;

bool ModelParameterDialog::showCurrent() {
    load();
    return exec() == QDialog::Accepted;
}

void ModelParameterDialog::resetToDefault() {
    parameters_ = ModelParameters::resetValues();
    load();
}

void ModelParameterDialog::load() {
    const ModelParameters values = parameters_;  // loading one field must not clobber the next
    for (const ListField& f : listFields(*ui_)) {
        const QSignalBlocker blocker(f.list);
        f.list->setCurrentIndex(values.*f.field);
    }
    for (const EntryField& f : entryFields(*ui_)) {
        const QSignalBlocker blocker(f.entry);
        f.entry->setText(toQString(values.*f.field));
    }
    const QSignalBlocker blocker(ui_->CB_Consistent);
    ui_->CB_Consistent->setChecked(values.consistent);
}

}  // namespace qv::gui
