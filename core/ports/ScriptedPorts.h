#pragma once

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "core/ports/Ports.h"

namespace qv {

// A user played from a script, for tests: every message is recorded with its key and final
// text, and questions and file dialogs take the queued answers in order. An unscripted
// question, or one whose queued answer is of another kind, is answered with Cancel/No and
// counted as unanswered, so a test notices it.
class ScriptedPorts final : public Prompts,
                            public FileChooser,
                            public ProgressView,
                            public StatusLine,
                            public Desktop,
                            public OptionDialogs,
                            public DiagramPicture {
public:
    enum class Kind { Tell, AskOkCancel, AskYesNo, AskSave, OpenDialog, SaveDialog, Status, Counts,
                      OpenWithDesktop, ShowText, PlaySound, ProgressStart, ProgressFinish,
                      ShowConfiguration, WriteBitmap };

    struct Event {
        Kind kind;
        Message message;  // key, text and caption; for file events text holds the path or filter
        bool answer = false;
        SaveAnswer saveAnswer = SaveAnswer::Cancel;  // for AskSave
    };

    Ports ports() { return Ports{*this, *this, *this, *this, *this, *this, *this}; }

    // What the user does in the next Configuration dialog: the action gets the dialog's mode
    // and returns whether the dialog closed with OK (typically after calling the Workbench's
    // OK logic until it lets the dialog close).
    using DialogAction = std::function<bool(bool newModelMode)>;
    void onConfiguration(DialogAction action) { dialogActions_.push_back(std::move(action)); }

    void answer(bool okOrYes) { answers_.push_back(okOrYes); }
    void answerSave(SaveAnswer choice) { answers_.push_back(choice); }
    void chooseFile(std::optional<std::string> path) { files_.push_back(std::move(path)); }
    void cancelProgressAfter(int polls) { cancelAfterPolls_ = polls; }
    // A painted diagram of this size; without one there is no picture to write.
    void paintDiagram(PictureSize surface) { surface_ = surface; }

    const std::vector<Event>& events() const { return events_; }
    // The rectangle of the last picture made.
    std::optional<PictureRectangle> pictureRectangle() const { return pictureRectangle_; }
    std::vector<Message> messages() const;           // the told messages, in order
    std::vector<std::string> messageKeys() const;    // their keys
    bool told(const std::string& key) const;
    int unansweredQuestions() const { return unanswered_; }
    int progressPolls() const { return polls_; }
    std::string lastState() const { return lastState_; }
    std::string lastStatus() const { return lastStatus_; }
    void clear() { events_.clear(); }
    // Drops the answers, files and dialog actions not used yet.
    void forgetScript() {
        answers_.clear();
        files_.clear();
        dialogActions_.clear();
    }

    void tell(const Message& message) override;
    bool askOkCancel(const Message& message) override;
    bool askYesNo(const Message& message) override;
    SaveAnswer askSaveDiscardCancel(const Message& message) override;
    std::optional<std::string> chooseFileToOpen(const std::string& filter,
                                                const std::string& startDir) override;
    std::optional<std::string> chooseFileToSave(const std::string& filter,
                                                const std::string& defaultExtension,
                                                const std::string& startDir) override;
    void start(const std::string& caption, int maximum) override;
    void setPosition(int position) override;
    bool cancelRequested() override;
    void finish() override;
    void showStatus(const std::string& state, const std::string& message) override;
    void showCounts(const std::string& counts) override;
    void openWithDesktop(const std::string& path) override;
    void showText(const std::string& path) override;
    void playSound(const std::string& path) override;
    bool showConfiguration(bool newModelMode) override;
    std::optional<PictureSize> surfaceSize() override { return surface_; }
    // Records the rectangle and the file (in the event's text) and writes nothing.
    std::optional<std::string> bitmap(const PictureRectangle& rectangle) override;

private:
    bool nextAnswer(Kind kind, const Message& message);
    std::optional<std::string> nextFile(Kind kind, const std::string& filter);

    std::vector<Event> events_;
    std::deque<std::variant<bool, SaveAnswer>> answers_;
    std::deque<std::optional<std::string>> files_;
    std::deque<DialogAction> dialogActions_;
    int unanswered_ = 0;
    int polls_ = 0;
    int cancelAfterPolls_ = -1;
    std::string lastState_;
    std::string lastStatus_;
    std::optional<PictureSize> surface_;
    std::optional<PictureRectangle> pictureRectangle_;
};

}  // namespace qv
