#pragma once

#include <QImage>
#include <QRectF>
#include <QString>

#include "gui/diagram/DiagramColours.h"

namespace qv {
struct ProjectModel;
}

namespace qv::gui {

// The whole drawing of a model as a picture to keep: without a selection, sized to the box that
// holds everything drawn plus a margin, as a bitmap at a scale, as SVG or as PDF. The drawing
// is the one the surface shows, with the results when there are some.
class DiagramPictures {
public:
    // The picture holds at least the rectangle, in diagram coordinates, when one is given.
    DiagramPictures(const ProjectModel& model, const DiagramColours& colours, int radius, QRectF atLeast = {},
                    bool indicators = true);

    // The picture's size at scale 1, in diagram pixels; empty for a model without constructs.
    QSizeF size() const { return area_.size(); }
    QImage image(double scale) const;
    // The picture as the bytes of a 24-bit bitmap; empty when there is none.
    QByteArray bitmap(double scale) const;
    // Each returns false when the file could not be written.
    bool writePng(const QString& file, double scale) const;
    bool writeSvg(const QString& file) const;
    bool writePdf(const QString& file) const;

private:
    void paint(QPainter& painter) const;

    const ProjectModel& model_;
    DiagramColours colours_;
    int radius_;
    bool indicators_;
    QRectF area_;
};

}  // namespace qv::gui
