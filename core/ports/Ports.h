#pragma once

#include "core/ports/Desktop.h"
#include "core/ports/DiagramPicture.h"
#include "core/ports/Dialogs.h"
#include "core/ports/FileChooser.h"
#include "core/ports/ProgressView.h"
#include "core/ports/Prompts.h"
#include "core/ports/StatusLine.h"

namespace qv {

// Everything through which a command reaches the user, handed to the Workbench as one bundle.
struct Ports {
    Prompts& prompts;
    FileChooser& files;
    ProgressView& progress;
    StatusLine& status;
    Desktop& desktop;
    OptionDialogs& dialogs = OptionDialogs::none();
    DiagramPicture& picture = DiagramPicture::none();
};

}  // namespace qv
