#include "gui/app/ResamplingOptionsDialog.h"

#include <QSignalBlocker>
#include <algorithm>
#include <iterator>

#include "gui/app/TextConversion.h"
#include "ui_ResamplingOptionsDialog.h"

namespace qv::gui {
namespace {

struct EntryField {
    QLineEdit* entry;
    std::string ResamplingOptions::*field;
};

std::vector<EntryField> entryFields(Ui::TForm4& ui) {
    return {{ui.Edit1, &ResamplingOptions::nSample},
            {ui.Edit2, &ResamplingOptions::cases},
            {ui.Edit3, &ResamplingOptions::jackKnife},
            {ui.Edit4, &ResamplingOptions::seed}};
}

// The confidence levels in the order the list shows them.
constexpr int kConfidenceLevels[] = {90, 95, 99};

}  // namespace

ResamplingOptionsDialog::ResamplingOptionsDialog(ResamplingOptions& options, QWidget* parent)
    : QDialog(parent), ui_(std::make_unique<Ui::TForm4>()), options_(options) {
    ui_->setupUi(this);
    for (const EntryField& f : entryFields(*ui_))
        connect(f.entry, &QLineEdit::textChanged, this,
                [this, f](const QString& text) { options_.*f.field = toStdString(text); });
    connect(ui_->CK_Process, &QCheckBox::toggled, this, [this](bool on) { options_.process = on; });
    connect(ui_->CB_Confidence, &QComboBox::currentIndexChanged, this, [this](int row) {
        if (row >= 0 && row < static_cast<int>(std::size(kConfidenceLevels))) options_.confidence = kConfidenceLevels[row];
    });
    connect(ui_->BTN_ResetToDefault, &QPushButton::clicked, this, [this] { resetToDefault(); });
    connect(ui_->BTN_OK, &QPushButton::clicked, this, &QDialog::accept);
    connect(ui_->BTN_Cancel, &QPushButton::clicked, this, &QDialog::reject);
}

ResamplingOptionsDialog::~ResamplingOptionsDialog() = default;

bool ResamplingOptionsDialog::showCurrent() {
    load();
    return exec() == QDialog::Accepted;
}

void ResamplingOptionsDialog::resetToDefault() {
    options_ = ResamplingOptions{};
    load();
}

void ResamplingOptionsDialog::load() {
    const ResamplingOptions values = options_;
    for (const EntryField& f : entryFields(*ui_)) {
        const QSignalBlocker blocker(f.entry);
        f.entry->setText(toQString(values.*f.field));
    }
    const QSignalBlocker blocker(ui_->CK_Process);
    ui_->CK_Process->setChecked(values.process);
    const QSignalBlocker listBlocker(ui_->CB_Confidence);
    const auto* level = std::find(std::begin(kConfidenceLevels), std::end(kConfidenceLevels), values.confidence);
    ui_->CB_Confidence->setCurrentIndex(level == std::end(kConfidenceLevels) ? 1
                                                                            : static_cast<int>(level - kConfidenceLevels));
}

}  // namespace qv::gui
