#pragma once

#include <optional>
#include <string>

namespace qv {

// File dialogs. Filters use the "Description|*.a;*.b|..." form; an empty result means the
// user cancelled.
class FileChooser {
public:
    virtual ~FileChooser() = default;
    virtual std::optional<std::string> chooseFileToOpen(const std::string& filter,
                                                        const std::string& startDir) = 0;
    virtual std::optional<std::string> chooseFileToSave(const std::string& filter,
                                                        const std::string& defaultExtension,
                                                        const std::string& startDir) = 0;
};

}  // namespace qv
