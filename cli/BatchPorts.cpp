#include "cli/BatchPorts.h"

#include <ostream>

#include "cli/BatchInterrupt.h"

namespace qv {

// Each message names the program, as errors of command-line programs do.
void BatchPorts::write(const Message& message, const char* answer) {
    errors_ << "quorvanta-batch: ";
    if (!message.caption.empty()) errors_ << message.caption << ": ";
    errors_ << message.text;
    if (answer) errors_ << " [" << answer << "]";
    errors_ << '\n';
}

void BatchPorts::tell(const Message& message) { write(message, nullptr); }

bool BatchPorts::cancelRequested() { return BatchStopRequested(); }

bool BatchPorts::askOkCancel(const Message& message) {
    write(message, answerCancel_ ? "Cancel" : "OK");
    return !answerCancel_;
}

bool BatchPorts::askYesNo(const Message& message) {
    write(message, "No");
    return false;
}

SaveAnswer BatchPorts::askSaveDiscardCancel(const Message& message) {
    write(message, answerCancel_ ? "Cancel" : "Discard");
    return answerCancel_ ? SaveAnswer::Cancel : SaveAnswer::Discard;
}

}  // namespace qv
