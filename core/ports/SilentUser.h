#pragma once

#include "core/ports/FileChooser.h"
#include "core/ports/Prompts.h"

namespace qv {

// A user who is not asked: for work done behind the scenes (reading a file a second time to
// count it). Messages are dropped, every question is cancelled, no file is chosen.
class SilentUser final : public Prompts, public FileChooser {
public:
    void tell(const Message&) override {}
    bool askOkCancel(const Message&) override { return false; }
    bool askYesNo(const Message&) override { return false; }
    SaveAnswer askSaveDiscardCancel(const Message&) override { return SaveAnswer::Cancel; }
    std::optional<std::string> chooseFileToOpen(const std::string&, const std::string&) override {
        return std::nullopt;
    }
    std::optional<std::string> chooseFileToSave(const std::string&, const std::string&,
                                                const std::string&) override {
        return std::nullopt;
    }
};

}  // namespace qv
