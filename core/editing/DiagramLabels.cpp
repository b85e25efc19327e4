#include "core/editing/DiagramLabels.h"

#include <cstdio>

namespace qv {
namespace {

std::string printed(const char* layout, double value) {
    char text[64];
    std::snprintf(text, sizeof text, layout, value);
    return text;
}

}  // namespace

std::string RSquareLabel(const Construct& construct) {
    return construct.rSquare == 0 ? std::string() : printed("RSq=%5.3f", construct.rSquare);
}

// Only kind 1 is redundancy; every other kind is shown as communality.
std::string Q2Label(const Construct& construct) {
    if (construct.rSquare == 0 || construct.q2 == 0) return {};
    char text[64];
    std::snprintf(text, sizeof text, "Q2(%c)=%5.3f", construct.q2Kind == 1 ? 'R' : 'C', construct.q2);
    return text;
}

std::string CoefficientLabel(const Path& path) {
    return path.coefficient == 0 ? std::string() : printed("%5.3f", path.coefficient);
}

std::string StatisticLabel(const Path& path) {
    return path.coefficient == 0 || path.coefficientT == 0 ? std::string() : printed("(%5.3f)", path.coefficientT);
}

}  // namespace qv
