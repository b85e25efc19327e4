#pragma once

#include <QDialog>
#include <array>
#include <cstdint>
#include <memory>

#include "core/app/EnvironmentSettings.h"

namespace Ui {
class TForm10;
}

class QPushButton;

namespace qv::gui {

// The Environment dialog (TForm10): editor, the four diagram colours, the finish sound, the
// language and the character set. It edits a copy; the caller takes the values back on OK.
class EnvironmentDialog final : public QDialog {
public:
    explicit EnvironmentDialog(QWidget* parent = nullptr);
    ~EnvironmentDialog() override;

    void load(const EnvironmentSettings& settings);
    void store(EnvironmentSettings& settings) const;

    // Background, construct, path, text.
    const std::array<std::int32_t, 4>& colors() const { return colors_; }

private:
    void resetToDefault();
    void chooseColor(int index);
    void showColors();

    std::unique_ptr<Ui::TForm10> ui_;
    std::array<std::int32_t, 4> colors_{};
    std::array<QPushButton*, 4> swatches_{};
};

}  // namespace qv::gui
