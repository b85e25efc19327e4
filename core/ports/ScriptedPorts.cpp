#include "core/ports/ScriptedPorts.h"

#include <algorithm>

namespace qv {

std::vector<Message> ScriptedPorts::messages() const {
    std::vector<Message> told;
    for (const Event& event : events_)
        if (event.kind == Kind::Tell) told.push_back(event.message);
    return told;
}

std::vector<std::string> ScriptedPorts::messageKeys() const {
    std::vector<std::string> keys;
    for (const Message& message : messages()) keys.push_back(message.key);
    return keys;
}

bool ScriptedPorts::told(const std::string& key) const {
    const auto keys = messageKeys();
    return std::find(keys.begin(), keys.end(), key) != keys.end();
}

void ScriptedPorts::tell(const Message& message) { events_.push_back({Kind::Tell, message}); }

bool ScriptedPorts::askOkCancel(const Message& message) {
    return nextAnswer(Kind::AskOkCancel, message);
}

bool ScriptedPorts::askYesNo(const Message& message) { return nextAnswer(Kind::AskYesNo, message); }

bool ScriptedPorts::nextAnswer(Kind kind, const Message& message) {
    bool answer = false;
    if (answers_.empty() || !std::holds_alternative<bool>(answers_.front())) {
        ++unanswered_;
    } else {
        answer = std::get<bool>(answers_.front());
        answers_.pop_front();
    }
    events_.push_back({kind, message, answer});
    return answer;
}

SaveAnswer ScriptedPorts::askSaveDiscardCancel(const Message& message) {
    SaveAnswer answer = SaveAnswer::Cancel;
    if (answers_.empty() || !std::holds_alternative<SaveAnswer>(answers_.front())) {
        ++unanswered_;
    } else {
        answer = std::get<SaveAnswer>(answers_.front());
        answers_.pop_front();
    }
    events_.push_back({Kind::AskSave, message, answer == SaveAnswer::Save, answer});
    return answer;
}

std::optional<std::string> ScriptedPorts::nextFile(Kind kind, const std::string& filter) {
    std::optional<std::string> chosen;
    if (files_.empty()) {
        ++unanswered_;
    } else {
        chosen = files_.front();
        files_.pop_front();
    }
    events_.push_back({kind, Message{"", chosen.value_or(""), filter}, chosen.has_value()});
    return chosen;
}

std::optional<std::string> ScriptedPorts::chooseFileToOpen(const std::string& filter,
                                                           const std::string&) {
    return nextFile(Kind::OpenDialog, filter);
}

std::optional<std::string> ScriptedPorts::chooseFileToSave(const std::string& filter,
                                                           const std::string&,
                                                           const std::string&) {
    return nextFile(Kind::SaveDialog, filter);
}

void ScriptedPorts::start(const std::string& caption, int) {
    events_.push_back({Kind::ProgressStart, Message{"", caption, ""}});
}

void ScriptedPorts::setPosition(int) { ++polls_; }

bool ScriptedPorts::cancelRequested() {
    return cancelAfterPolls_ >= 0 && polls_ >= cancelAfterPolls_;
}

void ScriptedPorts::finish() { events_.push_back({Kind::ProgressFinish, Message{}}); }

void ScriptedPorts::showStatus(const std::string& state, const std::string& message) {
    lastState_ = state;
    lastStatus_ = message;
    events_.push_back({Kind::Status, Message{"", message, state}});
}

void ScriptedPorts::showCounts(const std::string& counts) {
    events_.push_back({Kind::Counts, Message{"", counts, ""}});
}

void ScriptedPorts::openWithDesktop(const std::string& path) {
    events_.push_back({Kind::OpenWithDesktop, Message{"", path, ""}});
}

void ScriptedPorts::showText(const std::string& path) {
    events_.push_back({Kind::ShowText, Message{"", path, ""}});
}

void ScriptedPorts::playSound(const std::string& path) {
    events_.push_back({Kind::PlaySound, Message{"", path, ""}});
}

bool ScriptedPorts::showConfiguration(bool newModelMode) {
    // The showing comes first in the record; what the user does inside it follows.
    const size_t shown = events_.size();
    events_.push_back({Kind::ShowConfiguration, Message{"", newModelMode ? "new" : "view", ""}});
    if (dialogActions_.empty()) {
        ++unanswered_;
        return false;
    }
    const DialogAction action = std::move(dialogActions_.front());
    dialogActions_.pop_front();
    const bool closedWithOk = action(newModelMode);
    events_[shown].answer = closedWithOk;
    return closedWithOk;
}

// A stand-in for the bitmap: its header's magic and the rectangle.
std::optional<std::string> ScriptedPorts::bitmap(const PictureRectangle& rectangle) {
    pictureRectangle_ = rectangle;
    events_.push_back({Kind::WriteBitmap, Message{}, surface_.has_value()});
    if (!surface_) return std::nullopt;
    return "BM " + std::to_string(rectangle.left) + " " + std::to_string(rectangle.top) + " " +
           std::to_string(rectangle.right) + " " + std::to_string(rectangle.bottom);
}

}  // namespace qv
