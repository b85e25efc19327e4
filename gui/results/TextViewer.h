#pragma once

#include <QWidget>
#include <string>

class QLineEdit;
class QPlainTextEdit;

namespace qv {
class FileChooser;
}

namespace qv::gui {

// A text file shown inside the program, read-only: the control file, the listing, the
// resampling summaries and cards. Monospaced so the engine's columns line up; Ctrl+F finds
// text (Enter finds the next occurrence, from the top again after the last), Save As writes
// a copy through the file chooser. The window deletes itself when closed.
class TextViewer final : public QWidget {
public:
    TextViewer(const std::string& path, FileChooser& files, QWidget* parent = nullptr);

    QPlainTextEdit& text() const { return *text_; }
    QLineEdit& findField() const { return *find_; }
    // Selects the next occurrence of what the find field holds; false when there is none.
    bool findNext();
    // Asks for a name and writes the file's bytes there as they were read; false when cancelled
    // or failed (the window's title then says why).
    bool saveAs();

private:
    void showFind();

    std::string path_;
    std::string bytes_;
    FileChooser& files_;
    QPlainTextEdit* text_;
    QLineEdit* find_;
};

}  // namespace qv::gui
