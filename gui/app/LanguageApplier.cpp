#include "gui/app/LanguageApplier.h"

#include <QAbstractButton>
#include <QAction>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QToolButton>
#include <QWidget>

#include "core/app/LanguageTexts.h"
#include "gui/app/TextConversion.h"

namespace qv::gui {
namespace {

void translateObject(QObject& object, const QString& caption) {
    // The language file holds plain texts: a "&" in them is shown, not taken as a shortcut mark.
    QString text = caption;
    if (!qobject_cast<QLabel*>(&object)) text.replace('&', "&&");
    if (auto* action = qobject_cast<QAction*>(&object)) {
        action->setText(text);
        // Tool bar buttons show the same text as their hint.
        if (object.objectName().startsWith("BTN_")) action->setToolTip(caption);
    } else if (auto* menu = qobject_cast<QMenu*>(&object)) {
        menu->setTitle(text);
    } else if (auto* toolButton = qobject_cast<QToolButton*>(&object)) {
        // A tool bar button follows its action; a small browse button only has a hint.
        if (!toolButton->defaultAction()) toolButton->setToolTip(caption);
    } else if (auto* button = qobject_cast<QAbstractButton*>(&object)) {
        button->setText(text);
    } else if (auto* label = qobject_cast<QLabel*>(&object)) {
        label->setText(text);
    } else if (auto* group = qobject_cast<QGroupBox*>(&object)) {
        group->setTitle(text);
    }
}

void translateChildren(QObject& parent, const LanguageTexts& texts) {
    for (QObject* child : parent.children()) {
        if (qobject_cast<QDialog*>(child)) continue;
        const QString name = child->objectName();
        if (!name.isEmpty()) {
            const std::string text = texts.lookup(toStdString(name));
            if (!text.empty()) translateObject(*child, toQString(text));
        }
        translateChildren(*child, texts);
    }
}

}  // namespace

void translateForm(QWidget& form, const LanguageTexts& texts) {
    const QString key = form.objectName().startsWith('T') ? form.objectName().mid(1) : form.objectName();
    const std::string caption = texts.lookup(toStdString(key));
    form.setWindowTitle(caption.empty() ? QStringLiteral("Quorvanta") : toQString(caption));
    const std::string fontName = texts.lookup("FontName");
    if (!fontName.empty()) {
        QFont font = form.font();
        font.setFamily(toQString(fontName));
        form.setFont(font);
    }
    translateChildren(form, texts);
}

}  // namespace qv::gui
