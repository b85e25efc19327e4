#include "core/results/ResultCommandFrame.h"

#include <fstream>

#include "core/app/DerivedFileNames.h"

namespace qv {

bool ResultCommandFrame::confirmEstimated() const {
    if (c_.model.estimated) return true;
    return c_.ports.prompts.askOkCancel(c_.texts.message("MSG_InvalidModel", "MSG_Invalid"));
}

std::string ResultCommandFrame::fileName(const std::string& suffix) const {
    return modelFileName(c_.files.project, suffix);
}

bool ResultCommandFrame::write(const std::string& path, const std::string& text) const {
    std::ofstream out(std::filesystem::path(path), std::ios::binary | std::ios::trunc);
    if (out.is_open() && out.write(text.data(), static_cast<std::streamsize>(text.size())).flush())
        return true;
    Message message = c_.texts.message("MSG_OpenError");
    message.text += "\n(" + path + ")";
    c_.ports.prompts.tell(message);
    return false;
}

bool ResultCommandFrame::writeAndOpen(const std::string& path, const std::string& text) const {
    if (!write(path, text)) return false;
    c_.ports.desktop.openWithDesktop(path);
    return true;
}

void ResultCommandFrame::tellText(const std::string& text) const {
    c_.ports.prompts.tell(Message{"", text, ""});
}

}  // namespace qv
