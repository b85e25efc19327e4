#pragma once

#include <string>

namespace qv {

// What the desktop does for the core: open a file with its associated program, show a text
// file (control file, listing, summary) read-only in the program's own viewer, and play the
// finish sound.
class Desktop {
public:
    virtual ~Desktop() = default;
    virtual void openWithDesktop(const std::string& path) = 0;
    virtual void showText(const std::string& path) = 0;
    virtual void playSound(const std::string& path) = 0;
};

}  // namespace qv
