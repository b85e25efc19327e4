#include "gui/results/TextViewer.h"

#include <QAction>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <filesystem>

#include "core/model/WholeFile.h"
#include "core/ports/FileChooser.h"
#include "gui/app/TextConversion.h"

namespace qv::gui {

TextViewer::TextViewer(const std::string& path, FileChooser& files, QWidget* parent)
    : QWidget(parent, Qt::Window), path_(path), files_(files), text_(new QPlainTextEdit), find_(new QLineEdit) {
    setObjectName("TextViewer");
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(toQString(std::filesystem::path(path).filename().string()));
    std::string reason;
    const auto bytes = ReadWholeFile(path, reason);
    text_->setObjectName("ViewedText");
    text_->setReadOnly(true);
    text_->setLineWrapMode(QPlainTextEdit::NoWrap);
    text_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    bytes_ = bytes.value_or("");
    text_->setPlainText(bytes ? QString::fromUtf8(bytes_.data(), static_cast<qsizetype>(bytes_.size())).remove('\r')
                              : toQString("cannot read " + path + ": " + reason));
    find_->setObjectName("FindText");
    find_->setPlaceholderText(tr("Find"));
    find_->setClearButtonEnabled(true);
    connect(find_, &QLineEdit::returnPressed, this, &TextViewer::findNext);
    auto* save = new QPushButton(tr("Save As…"));
    save->setObjectName("BTN_SaveAs");
    connect(save, &QPushButton::clicked, this, &TextViewer::saveAs);
    auto* bar = new QHBoxLayout;
    bar->addWidget(find_, 1);
    bar->addWidget(save);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text_, 1);
    layout->addLayout(bar);
    auto* findKey = new QAction(this);
    findKey->setShortcut(QKeySequence::Find);
    connect(findKey, &QAction::triggered, this, &TextViewer::showFind);
    addAction(findKey);
    resize(900, 640);
}

void TextViewer::showFind() {
    find_->setFocus();
    find_->selectAll();
}

bool TextViewer::findNext() {
    const QString wanted = find_->text();
    if (wanted.isEmpty()) return false;
    if (text_->find(wanted)) return true;
    // After the last occurrence the search starts again at the top.
    QTextCursor top = text_->textCursor();
    top.movePosition(QTextCursor::Start);
    text_->setTextCursor(top);
    return text_->find(wanted);
}

bool TextViewer::saveAs() {
    const auto chosen = files_.chooseFileToSave("All File|*.*", "", std::filesystem::path(path_).parent_path().string());
    if (!chosen) return false;
    const auto failure = WriteWholeFile(*chosen, bytes_);
    setWindowTitle(toQString(failure ? *failure : std::filesystem::path(*chosen).filename().string()));
    return !failure;
}

}  // namespace qv::gui
