#pragma once

#include <QWidget>

namespace qv {
struct EnvironmentSettings;
}

namespace qv::gui {

// The drawing surface (PaintBox1): for now it only shows the diagram background in the
// colour of the settings; the diagram view takes its place.
class DiagramPlaceholder final : public QWidget {
public:
    explicit DiagramPlaceholder(const EnvironmentSettings& settings, QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const EnvironmentSettings& settings_;
};

}  // namespace qv::gui
