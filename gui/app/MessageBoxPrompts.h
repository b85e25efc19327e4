#pragma once

#include "core/ports/Prompts.h"

namespace qv::gui {

// Messages and questions as modal message boxes over the active window.
class MessageBoxPrompts final : public Prompts {
public:
    void tell(const Message& message) override;
    bool askOkCancel(const Message& message) override;
    bool askYesNo(const Message& message) override;
    SaveAnswer askSaveDiscardCancel(const Message& message) override;
};

}  // namespace qv::gui
