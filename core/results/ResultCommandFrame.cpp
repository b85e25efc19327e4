#include "core/results/ResultCommandFrame.h"

#include "core/app/DerivedFileNames.h"
#include "core/model/WholeFile.h"
#include "core/ports/WriteFailure.h"

namespace qv {

bool ResultCommandFrame::confirmEstimated() const {
    if (c_.model.estimated) return true;
    return c_.ports.prompts.askOkCancel(c_.texts.message("MSG_InvalidModel", "MSG_Invalid"));
}

std::string ResultCommandFrame::fileName(const std::string& suffix) const {
    return modelFileName(c_.files.project, suffix);
}

bool ResultCommandFrame::write(const std::string& path, const std::string& text) const {
    return WriteSucceeded(c_.ports.prompts, WriteWholeFile(path, text));
}

bool ResultCommandFrame::writeAndOpen(const std::string& path, const std::string& text) const {
    if (!write(path, text)) return false;
    // Said first: a desktop without a program for the file shows nothing.
    c_.ports.status.showStatus(c_.texts.lookup("MSG_Ready"), "Written to " + path);
    c_.ports.desktop.openWithDesktop(path);
    return true;
}

void ResultCommandFrame::tellText(const std::string& text) const {
    c_.ports.prompts.tell(Message{"", text, ""});
}

}  // namespace qv
