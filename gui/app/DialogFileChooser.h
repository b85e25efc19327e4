#pragma once

#include <QString>

#include "core/ports/FileChooser.h"

namespace qv::gui {

// "Description|*.a;*.b|Other|*.c" as the file dialog's "Description (*.a *.b);;Other (*.c)".
QString qtFileFilter(const std::string& filter);

// Open and save dialogs over the active window.
class DialogFileChooser final : public FileChooser {
public:
    std::optional<std::string> chooseFileToOpen(const std::string& filter,
                                                const std::string& startDir) override;
    std::optional<std::string> chooseFileToSave(const std::string& filter,
                                                const std::string& defaultExtension,
                                                const std::string& startDir) override;
};

}  // namespace qv::gui
