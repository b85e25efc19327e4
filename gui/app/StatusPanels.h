#pragma once

#include <QWidget>

#include "core/ports/StatusLine.h"

class QLabel;

namespace qv::gui {

// The main window's status bar: the state, the current message and the model counts.
class StatusPanels final : public QWidget, public StatusLine {
public:
    explicit StatusPanels(QWidget* parent = nullptr);

    void showStatus(const std::string& state, const std::string& message) override;
    void showCounts(const std::string& counts) override;

    QString state() const;
    QString message() const;
    QString counts() const;

private:
    QLabel* state_;
    QLabel* message_;
    QLabel* counts_;
};

}  // namespace qv::gui
