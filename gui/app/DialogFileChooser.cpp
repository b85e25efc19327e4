#include "gui/app/DialogFileChooser.h"

#include <QApplication>
#include <QFileDialog>
#include <QStringList>

#include "gui/app/TextConversion.h"

namespace qv::gui {
namespace {

std::optional<std::string> runDialog(QFileDialog& dialog) {
    dialog.setObjectName("FileDialog");
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return toStdString(dialog.selectedFiles().first());
}

}  // namespace

QString qtFileFilter(const std::string& filter) {
    const QStringList parts = toQString(filter).split('|');
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        const QString patterns = QString(parts[i + 1]).replace(';', ' ');
        filters << parts[i] + " (" + patterns + ")";
    }
    return filters.join(";;");
}

std::optional<std::string> DialogFileChooser::chooseFileToOpen(const std::string& filter,
                                                                const std::string& startDir) {
    QFileDialog dialog(QApplication::activeWindow(), QString(), toQString(startDir),
                       qtFileFilter(filter));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    return runDialog(dialog);
}

std::optional<std::string> DialogFileChooser::chooseFileToSave(const std::string& filter,
                                                                const std::string& defaultExtension,
                                                                const std::string& startDir) {
    QFileDialog dialog(QApplication::activeWindow(), QString(), toQString(startDir),
                       qtFileFilter(filter));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(toQString(defaultExtension));
    return runDialog(dialog);
}

}  // namespace qv::gui
