#pragma once

class QWidget;

namespace qv {
class LanguageTexts;
}

namespace qv::gui {

// ApplyLanguage for one form: its caption from the form's key ("TForm2" reads "Form2", default
// "Quorvanta"), the font from FontName, and the captions and hints of its named controls, menus
// and actions; a control whose key is missing keeps its caption. Dialogs owned by the form are
// translated on their own.
void translateForm(QWidget& form, const LanguageTexts& texts);

}  // namespace qv::gui
