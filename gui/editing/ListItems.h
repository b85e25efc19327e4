#pragma once

#include <QListWidget>
#include <QStringList>
#include <string>
#include <vector>

#include "gui/app/TextConversion.h"

namespace qv::gui {

inline QStringList toQStringList(const std::vector<std::string>& texts) {
    QStringList items;
    for (const std::string& text : texts) items << toQString(text);
    return items;
}

// The rows the user has selected, in list order.
inline std::vector<int> selectedRows(const QListWidget& list) {
    std::vector<int> rows;
    for (int row = 0; row < list.count(); ++row)
        if (list.item(row)->isSelected()) rows.push_back(row);
    return rows;
}

// Replaces a list's items without reporting the change as a user's selection.
inline void refill(QListWidget& list, const std::vector<std::string>& texts) {
    const QSignalBlocker quiet(list);
    list.clear();
    list.addItems(toQStringList(texts));
}

}  // namespace qv::gui
