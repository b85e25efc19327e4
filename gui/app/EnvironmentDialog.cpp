#include "gui/app/EnvironmentDialog.h"

#include <QColorDialog>

#include "core/app/EnvironmentSettings.h"
#include "gui/app/ColorValue.h"
#include "gui/app/TextConversion.h"
#include "ui_EnvironmentDialog.h"

namespace qv::gui {
namespace {
// The same colours a fresh start has.
constexpr std::array<std::int32_t, 4> kResetColors = {kDefaultBackgroundColor, kDefaultConstructColor,
                                                      kDefaultPathColor, kDefaultTextColor};
constexpr int kDefaultCharset = 1;
}  // namespace

EnvironmentDialog::EnvironmentDialog(QWidget* parent) : QDialog(parent), ui_(std::make_unique<Ui::TForm10>()) {
    ui_->setupUi(this);
    swatches_ = {ui_->Panel2, ui_->Panel3, ui_->Panel4, ui_->Panel5};
    for (int i = 0; i < 4; ++i)
        connect(swatches_[i], &QPushButton::clicked, this, [this, i] { chooseColor(i); });
    // Text views open in the program's own viewer; the editor stays in the settings file for
    // older versions, but choosing one here would change nothing.
    const QString viewerNote = tr("Text views open in the program's own viewer.");
    for (QWidget* editor : {static_cast<QWidget*>(ui_->Edit1), static_cast<QWidget*>(ui_->SpeedButton1)}) {
        editor->setEnabled(false);
        editor->setToolTip(viewerNote);
    }
    connect(ui_->BTN_ResetToDefault, &QPushButton::clicked, this, [this] { resetToDefault(); });
    connect(ui_->BTN_OK, &QPushButton::clicked, this, &QDialog::accept);
    connect(ui_->BTN_Cancel, &QPushButton::clicked, this, &QDialog::reject);
}

EnvironmentDialog::~EnvironmentDialog() = default;

void EnvironmentDialog::load(const EnvironmentSettings& settings) {
    ui_->Edit1->setText(toQString(settings.editor));
    colors_ = {settings.bgColor, settings.constructColor, settings.pathColor, settings.textColor};
    showColors();
    ui_->CK_Beep->setChecked(settings.beep);
    ui_->ComboBox1->clear();
    for (const std::string& language : settings.languages) ui_->ComboBox1->addItem(toQString(language));
    ui_->ComboBox1->setCurrentText(toQString(settings.lang));
    ui_->ComboBox2->setCurrentIndex(settings.charset);
}

void EnvironmentDialog::store(EnvironmentSettings& settings) const {
    settings.editor = toStdString(ui_->Edit1->text());
    settings.bgColor = colors_[0];
    settings.constructColor = colors_[1];
    settings.pathColor = colors_[2];
    settings.textColor = colors_[3];
    settings.beep = ui_->CK_Beep->isChecked();
    if (!ui_->ComboBox1->currentText().isEmpty()) settings.lang = toStdString(ui_->ComboBox1->currentText());
    settings.charset = ui_->ComboBox2->currentIndex();
}

// The editor and the sound option are left as they are.
void EnvironmentDialog::resetToDefault() {
    colors_ = kResetColors;
    showColors();
    ui_->ComboBox1->setCurrentIndex(0);
    ui_->ComboBox2->setCurrentIndex(kDefaultCharset);
    update();
}

void EnvironmentDialog::showColors() {
    for (int i = 0; i < 4; ++i)
        swatches_[i]->setStyleSheet(QString("background-color: %1; border: 1px solid gray;")
                                        .arg(colorFromValue(colors_[i]).name()));
}

void EnvironmentDialog::chooseColor(int index) {
    const QColor chosen = QColorDialog::getColor(colorFromValue(colors_[index]), this);
    if (!chosen.isValid()) return;
    colors_[index] = valueFromColor(chosen);
    showColors();
}

}  // namespace qv::gui
