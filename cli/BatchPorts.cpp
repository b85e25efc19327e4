#include "cli/BatchPorts.h"

#include <ostream>

namespace qv {

void BatchPorts::write(const Message& message, const char* answer) {
    if (!message.caption.empty()) errors_ << message.caption << ": ";
    errors_ << message.text;
    if (answer) errors_ << " [" << answer << "]";
    errors_ << '\n';
}

void BatchPorts::tell(const Message& message) { write(message, nullptr); }

bool BatchPorts::askOkCancel(const Message& message) {
    write(message, answerCancel_ ? "Cancel" : "OK");
    return !answerCancel_;
}

bool BatchPorts::askYesNo(const Message& message) {
    write(message, "No");
    return false;
}

}  // namespace qv
