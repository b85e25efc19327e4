#pragma once

namespace qv {

// The option dialogs a command opens. The dialog edits the Workbench's settings in place and
// calls the Workbench's OK logic itself; show returns true when it closed with OK.
class OptionDialogs {
public:
    virtual ~OptionDialogs() = default;
    // newModelMode: all fields empty, both browse buttons and Cancel shown, project editable.
    virtual bool showConfiguration(bool newModelMode) = 0;

    // For front ends that show no dialogs: every dialog is cancelled.
    static OptionDialogs& none();
};

inline OptionDialogs& OptionDialogs::none() {
    struct Cancelled final : OptionDialogs {
        bool showConfiguration(bool) override { return false; }
    };
    static Cancelled cancelled;
    return cancelled;
}

}  // namespace qv
