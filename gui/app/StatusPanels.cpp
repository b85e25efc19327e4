#include "gui/app/StatusPanels.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>

#include "gui/app/TextConversion.h"

namespace qv::gui {
namespace {

QLabel* panel(const char* name, QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setFrameShape(QFrame::StyledPanel);
    label->setFrameShadow(QFrame::Sunken);
    label->setContentsMargins(4, 0, 4, 0);
    return label;
}

}  // namespace

StatusPanels::StatusPanels(QWidget* parent)
    : QWidget(parent),
      state_(panel("StatusState", this)),
      message_(panel("StatusMessage", this)),
      counts_(panel("StatusCounts", this)) {
    setObjectName("StatusBar1");
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    state_->setMinimumWidth(80);
    state_->setText("Ready");
    counts_->setMinimumWidth(320);
    layout->addWidget(state_);
    layout->addWidget(message_, 1);
    layout->addWidget(counts_);
}

void StatusPanels::showStatus(const std::string& state, const std::string& message) {
    state_->setText(toQString(state));
    message_->setText(toQString(message));
    // The state must be visible before a long command goes on.
    repaint();
}

void StatusPanels::showCounts(const std::string& counts) { counts_->setText(toQString(counts)); }

QString StatusPanels::state() const { return state_->text(); }
QString StatusPanels::message() const { return message_->text(); }
QString StatusPanels::counts() const { return counts_->text(); }

}  // namespace qv::gui
