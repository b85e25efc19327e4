#pragma once

#include "core/ports/Message.h"

namespace qv {

// Messages and questions. The GUI shows message boxes, the batch front end answers
// from its options, tests answer from a script.
class Prompts {
public:
    virtual ~Prompts() = default;
    virtual void tell(const Message& message) = 0;
    virtual bool askOkCancel(const Message& message) = 0;  // true = OK
    virtual bool askYesNo(const Message& message) = 0;     // true = Yes
};

}  // namespace qv
