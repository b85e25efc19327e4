#pragma once

#include "core/ports/Desktop.h"

namespace qv {
class FileChooser;
}

namespace qv::gui {

// Files handed to the desktop, text files shown in the program's own viewer (no external
// editor is needed or started), and the finish sound.
class DesktopLauncher final : public Desktop {
public:
    explicit DesktopLauncher(FileChooser& files) : files_(files) {}

    void openWithDesktop(const std::string& path) override;
    // The viewer window.
    void showText(const std::string& path) override;
    void playSound(const std::string& path) override;

private:
    FileChooser& files_;
};

}  // namespace qv::gui
