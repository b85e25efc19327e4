#pragma once

#include <string>

#include "core/ports/Prompts.h"

namespace qv::gui {

// Passes every message and question on, and remembers the key of the last message told, so
// the window can follow up on what a command said (the about box after "engine not found").
class RememberingPrompts final : public Prompts {
public:
    explicit RememberingPrompts(Prompts& user) : user_(user) {}

    void tell(const Message& message) override {
        lastKey_ = message.key;
        user_.tell(message);
    }
    bool askOkCancel(const Message& message) override { return user_.askOkCancel(message); }
    bool askYesNo(const Message& message) override { return user_.askYesNo(message); }
    SaveAnswer askSaveDiscardCancel(const Message& message) override {
        return user_.askSaveDiscardCancel(message);
    }

    const std::string& lastKey() const { return lastKey_; }
    void forget() { lastKey_.clear(); }

private:
    Prompts& user_;
    std::string lastKey_;
};

}  // namespace qv::gui
