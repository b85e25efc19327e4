#pragma once

#include <QString>
#include <string>

namespace qv::gui {

// The core keeps texts as 8-bit strings in UTF-8; the widgets want QString.
inline QString toQString(const std::string& text) { return QString::fromStdString(text); }
inline std::string toStdString(const QString& text) { return text.toStdString(); }

}  // namespace qv::gui
