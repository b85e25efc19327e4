#pragma once

#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QtTest>
#include <fstream>
#include <map>
#include <sstream>
#include <vector>

#include "core/app/Workbench.h"
#include "tests/gui/GuiTestSupport.h"

namespace qv::test {

// A Workbench on the ECSI example, opened from its model file, with a scripted user.
struct EcsiWorkbench {
    StartFolder folder;
    ScriptedPorts script;
    Workbench workbench{script.ports(), folder.dir()};

    EcsiWorkbench() {
        workbench.startUp();
        workbench.openModelByName((folder.work() / "ecsi.qvt").string());
        script.clear();
    }
    ProjectModel& model() { return workbench.model(); }
    int constructNamed(const std::string& caption) {
        for (int c = 0; c < model().nConstruct; ++c)
            if (model().constructs[c].caption == caption) return c;
        return -1;
    }
    int indicatorNamed(const std::string& caption) {
        for (int i = 0; i < model().nIndicator; ++i)
            if (model().indicators[i].caption == caption) return i;
        return -1;
    }
    // The ECSI data file read on its own, column by variable name.
    std::map<std::string, std::vector<double>> dataFile() const {
        std::ifstream file(folder.work() / "mobi.txt");
        std::string line, name;
        std::getline(file, line);
        std::vector<std::string> names;
        for (std::istringstream header(line); header >> name;) names.push_back(name);
        std::map<std::string, std::vector<double>> columns;
        while (std::getline(file, line)) {
            std::istringstream values(line);
            double value = 0;
            for (size_t c = 0; c < names.size() && values >> value; ++c) columns[names[c]].push_back(value);
        }
        return columns;
    }
};

// Like onModal, but a failed check inside the action still closes the window, so the test
// reports the failure instead of waiting on the dialog for ever.
inline std::shared_ptr<bool> onModalClosing(const QString& name, std::function<void(QWidget&)> action) {
    return onModal(name, [action](QWidget& window) {
        action(window);
        if (window.isVisible()) window.close();
    });
}

inline QStringList itemsOf(const QListWidget& list) {
    QStringList items;
    for (int row = 0; row < list.count(); ++row) items << list.item(row)->text();
    return items;
}

inline QString labelText(QWidget& window, const char* name) {
    auto* label = window.findChild<QLabel*>(name);
    return label ? label->text() : QString("<no %1>").arg(name);
}

// Clicks the named items of a list, holding Ctrl after the first, as a user picks several.
inline void pick(QListWidget& list, const QStringList& captions) {
    list.clearSelection();
    bool first = true;
    for (const QString& caption : captions) {
        const auto found = list.findItems(caption, Qt::MatchExactly);
        QVERIFY2(!found.isEmpty(), qPrintable(caption));
        list.scrollToItem(found.front());
        const QPoint centre = list.visualItemRect(found.front()).center();
        QTest::mouseClick(list.viewport(), Qt::LeftButton, first ? Qt::KeyboardModifiers{} : Qt::ControlModifier, centre);
        first = false;
    }
}

inline void choose(QWidget& window, const char* comboName, const QString& caption) {
    auto* box = window.findChild<QComboBox*>(comboName);
    QVERIFY2(box, comboName);
    const int item = box->findText(caption);
    QVERIFY2(item >= 0, qPrintable(caption));
    box->setCurrentIndex(item);
    emit box->activated(item);
}

}  // namespace qv::test
