#pragma once

#include "core/ports/Desktop.h"
#include "core/ports/FileChooser.h"
#include "core/ports/ProgressView.h"
#include "core/ports/Prompts.h"

namespace qv::gui {

// The ports the main window takes from outside: message boxes, file dialogs, the progress
// window and the desktop in the program, a script in tests. The status line and the option
// dialogs belong to the main window itself.
struct UserPorts {
    Prompts& prompts;
    FileChooser& files;
    ProgressView& progress;
    Desktop& desktop;
};

}  // namespace qv::gui
