#pragma once

#include <QString>
#include <QStringList>

#include "core/ports/Desktop.h"

namespace qv::gui {

// The program that "open with the editor" starts: the setting as an existing program file or a
// name found on the search path; empty when there is none, and the desktop opens the file.
QString editorProgram(const std::string& editor);

// The editor the user's variables name, $VISUAL before $EDITOR, as the program and its
// arguments; empty when neither names a program that exists.
QStringList variableEditor(const QString& visual, const QString& editor);

// Files handed to the desktop or the editor, and the finish sound.
class DesktopLauncher final : public Desktop {
public:
    void openWithDesktop(const std::string& path) override;
    void openWithEditor(const std::string& path, const std::string& editor) override;
    void playSound(const std::string& path) override;
};

}  // namespace qv::gui
