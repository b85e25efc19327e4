#pragma once

#include <string>

namespace qv {

// What the desktop does for the core: open a file with its associated program or with the
// configured text editor, and play the finish sound.
class Desktop {
public:
    virtual ~Desktop() = default;
    virtual void openWithDesktop(const std::string& path) = 0;
    virtual void openWithEditor(const std::string& path, const std::string& editor) = 0;
    virtual void playSound(const std::string& path) = 0;
};

}  // namespace qv
