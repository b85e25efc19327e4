#pragma once

#include <iosfwd>

#include "core/ports/Ports.h"

namespace qv {

// The user of a batch run: messages go to standard error, questions take their default
// answers (OK, and No to the locate-a-file question) unless told to cancel, file dialogs
// are cancelled, and nothing is opened or played. A batch run never writes the user's model
// file: the save question is answered Discard (Cancel when told to cancel).
class BatchPorts final : public Prompts,
                         public FileChooser,
                         public ProgressView,
                         public StatusLine,
                         public Desktop {
public:
    BatchPorts(std::ostream& errors, bool answerCancel) : errors_(errors), answerCancel_(answerCancel) {}

    Ports ports() { return Ports{*this, *this, *this, *this, *this}; }

    void tell(const Message& message) override;
    bool askOkCancel(const Message& message) override;
    bool askYesNo(const Message& message) override;
    SaveAnswer askSaveDiscardCancel(const Message& message) override;
    std::optional<std::string> chooseFileToOpen(const std::string&, const std::string&) override {
        return std::nullopt;
    }
    std::optional<std::string> chooseFileToSave(const std::string&, const std::string&,
                                                const std::string&) override {
        return std::nullopt;
    }
    void start(const std::string&, int) override {}
    void setPosition(int) override {}
    // SIGINT, SIGTERM or the time limit (BatchInterrupt.h).
    bool cancelRequested() override;
    void finish() override {}
    void showStatus(const std::string&, const std::string&) override {}
    void showCounts(const std::string&) override {}
    void openWithDesktop(const std::string&) override {}
    void showText(const std::string&) override {}
    void playSound(const std::string&) override {}

private:
    void write(const Message& message, const char* answer);

    std::ostream& errors_;
    bool answerCancel_;
};

}  // namespace qv
