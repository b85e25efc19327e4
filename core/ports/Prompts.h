#pragma once

#include "core/ports/Message.h"

namespace qv {

// The three answers to "save the changes?" before a modified model is closed: Cancel stops
// the command that would close it and keeps the model as it is.
enum class SaveAnswer { Save, Discard, Cancel };

// Messages and questions. The GUI shows message boxes, the batch front end answers
// from its options, tests answer from a script.
class Prompts {
public:
    virtual ~Prompts() = default;
    virtual void tell(const Message& message) = 0;
    virtual bool askOkCancel(const Message& message) = 0;  // true = OK
    virtual bool askYesNo(const Message& message) = 0;     // true = Yes
    virtual SaveAnswer askSaveDiscardCancel(const Message& message) = 0;
};

}  // namespace qv
