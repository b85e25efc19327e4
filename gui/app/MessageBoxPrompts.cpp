#include "gui/app/MessageBoxPrompts.h"

#include <QApplication>
#include <QMessageBox>

#include "gui/app/TextConversion.h"

namespace qv::gui {
namespace {

QMessageBox::StandardButton showBox(const Message& message, QMessageBox::Icon icon,
                                    QMessageBox::StandardButtons buttons) {
    // An empty caption would leave the box untitled; the program's name stands in.
    const QString caption =
        message.caption.empty() ? QApplication::applicationDisplayName() : toQString(message.caption);
    QMessageBox box(icon, caption, toQString(message.text), buttons, QApplication::activeWindow());
    box.setObjectName("MessageBox");
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

}  // namespace

void MessageBoxPrompts::tell(const Message& message) {
    showBox(message, QMessageBox::Information, QMessageBox::Ok);
}

bool MessageBoxPrompts::askOkCancel(const Message& message) {
    return showBox(message, QMessageBox::Question, QMessageBox::Ok | QMessageBox::Cancel) ==
           QMessageBox::Ok;
}

bool MessageBoxPrompts::askYesNo(const Message& message) {
    return showBox(message, QMessageBox::Question, QMessageBox::Yes | QMessageBox::No) ==
           QMessageBox::Yes;
}

SaveAnswer MessageBoxPrompts::askSaveDiscardCancel(const Message& message) {
    // Escape and the title bar's close box mean Cancel: nothing is lost by either.
    switch (showBox(message, QMessageBox::Warning,
                    QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel)) {
        case QMessageBox::Save: return SaveAnswer::Save;
        case QMessageBox::Discard: return SaveAnswer::Discard;
        default: return SaveAnswer::Cancel;
    }
}

}  // namespace qv::gui
