#include "core/editing/IndicatorLayout.h"

#include <algorithm>
#include <cmath>

namespace qv {
namespace {

constexpr double kGap = 6;               // between boxes
constexpr double kDistance = 48;         // from the circle to the boxes beside or below it
constexpr double kCaptionRoom = 20;      // the caption stands this high above the circle
constexpr double kFiguresRoom = 30;      // R-square and Q-square below the circle
constexpr std::size_t kPerRow = 4;

struct Direction {
    IndicatorSide side;
    double x, y;
};
constexpr Direction kSides[] = {{IndicatorSide::Above, 0, -1},
                                {IndicatorSide::Left, -1, 0},
                                {IndicatorSide::Right, 1, 0},
                                {IndicatorSide::Below, 0, 1}};

bool drawn(const Construct& construct) { return construct.construct == -1; }

std::vector<int> indicatorsOf(const ProjectModel& model, int construct, bool placed) {
    std::vector<int> held;
    for (int i = 0; i < model.nIndicator; ++i)
        if (model.indicators[i].construct == construct && model.indicators[i].boxPlaced == placed) held.push_back(i);
    return held;
}

// A box where the user put it; its arrow ends where the line from the construct's centre to
// the box's centre enters the box.
IndicatorPlace placedBox(const Indicator& indicator, const Construct& c, double width, double height) {
    const double x = c.x + indicator.boxDx, y = c.y + indicator.boxDy;
    IndicatorPlace place{{x - width / 2, y - height / 2, width, height}};
    const double dx = c.x - x, dy = c.y - y;
    const double reach = std::min(dx == 0 ? 1e300 : width / 2 / std::abs(dx), dy == 0 ? 1e300 : height / 2 / std::abs(dy));
    const double toEdge = std::min(reach, 1.0);
    place.boxX = x + toEdge * dx;
    place.boxY = y + toEdge * dy;
    return place;
}

// Rows of at most kPerRow boxes, each row centred on the construct; the first row nearest.
void placeRows(const std::vector<int>& held, const Construct& c, double radius, bool above,
               const std::vector<double>& widths, double height,
               std::vector<std::optional<IndicatorPlace>>& places) {
    const double nearest = above ? c.y - radius - kCaptionRoom - kDistance : c.y + radius + kFiguresRoom + kDistance;
    for (std::size_t first = 0; first < held.size(); first += kPerRow) {
        const std::size_t last = std::min(held.size(), first + kPerRow);
        double rowWidth = kGap * double(last - first - 1);
        for (std::size_t k = first; k < last; ++k) rowWidth += widths[held[k]];
        const double row = double(first / kPerRow) * (height + kGap);
        const double top = above ? nearest - height - row : nearest + row;
        double left = c.x - rowWidth / 2;
        for (std::size_t k = first; k < last; ++k) {
            const double width = widths[held[k]];
            IndicatorPlace place{{left, top, width, height}};
            place.boxX = left + width / 2;
            place.boxY = above ? top + height : top;
            places[held[k]] = place;
            left += width + kGap;
        }
    }
}

// A column centred on the construct, the boxes' near sides in line.
void placeColumn(const std::vector<int>& held, const Construct& c, double radius, bool left,
                 const std::vector<double>& widths, double height,
                 std::vector<std::optional<IndicatorPlace>>& places) {
    const double columnHeight = double(held.size()) * (height + kGap) - kGap;
    const double nearSide = left ? c.x - radius - kDistance : c.x + radius + kDistance;
    for (std::size_t k = 0; k < held.size(); ++k) {
        const double width = widths[held[k]];
        const double top = c.y - columnHeight / 2 + double(k) * (height + kGap);
        IndicatorPlace place{{left ? nearSide - width : nearSide, top, width, height}};
        place.boxX = nearSide;
        place.boxY = top + height / 2;
        places[held[k]] = place;
    }
}

}  // namespace

IndicatorSide FreestSide(const ProjectModel& model, int construct) {
    const Construct& c = model.constructs[construct];
    std::vector<std::pair<double, double>> towards;
    for (int p = 0; p < model.nPath; ++p) {
        const Path& path = model.paths[p];
        if (path.src != construct && path.dest != construct) continue;
        const Construct& other = model.constructs[path.src == construct ? path.dest : path.src];
        const double length = std::hypot(double(other.x - c.x), double(other.y - c.y));
        if (length > 0) towards.emplace_back((other.x - c.x) / length, (other.y - c.y) / length);
    }
    // The side whose nearest path is furthest from it: the smallest largest cosine.
    IndicatorSide best = IndicatorSide::Above;
    double bestNearest = 2;
    for (const Direction& side : kSides) {
        double nearest = -1;
        for (const auto& [x, y] : towards) nearest = std::max(nearest, side.x * x + side.y * y);
        if (nearest < bestNearest - 1e-9) {
            best = side.side;
            bestNearest = nearest;
        }
    }
    return best;
}

std::vector<std::optional<IndicatorPlace>> PlaceIndicators(const ProjectModel& model, double radius,
                                                           const std::vector<double>& widths, double height) {
    std::vector<std::optional<IndicatorPlace>> places(model.nIndicator);
    for (int c = 0; c < model.nConstruct; ++c) {
        const Construct& construct = model.constructs[c];
        if (!drawn(construct)) continue;
        const std::vector<int> laidOut = indicatorsOf(model, c, false), placed = indicatorsOf(model, c, true);
        if (!laidOut.empty()) {
            const IndicatorSide side = FreestSide(model, c);
            if (side == IndicatorSide::Above || side == IndicatorSide::Below)
                placeRows(laidOut, construct, radius, side == IndicatorSide::Above, widths, height, places);
            else
                placeColumn(laidOut, construct, radius, side == IndicatorSide::Left, widths, height, places);
        }
        for (int i : placed) places[i] = placedBox(model.indicators[i], construct, widths[i], height);
        // Each arrow leaves the circle towards the point where it meets its box.
        for (const std::vector<int>* held : {&laidOut, &placed})
            for (int i : *held) {
                IndicatorPlace& place = *places[i];
                const double dx = place.boxX - construct.x, dy = place.boxY - construct.y;
                const double length = std::hypot(dx, dy);
                const double ux = length > 0 ? dx / length : 0, uy = length > 0 ? dy / length : -1;
                place.circleX = construct.x + radius * ux;
                place.circleY = construct.y + radius * uy;
            }
    }
    return places;
}

}  // namespace qv
