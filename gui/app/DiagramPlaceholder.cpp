#include "gui/app/DiagramPlaceholder.h"

#include <QPainter>

#include "core/app/EnvironmentSettings.h"
#include "gui/app/ColorValue.h"

namespace qv::gui {

DiagramPlaceholder::DiagramPlaceholder(const EnvironmentSettings& settings, QWidget* parent)
    : QWidget(parent), settings_(settings) {
    setObjectName("PaintBox1");
    setMinimumSize(400, 300);
}

void DiagramPlaceholder::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), colorFromValue(settings_.bgColor));
}

}  // namespace qv::gui
