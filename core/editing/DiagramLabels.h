#pragma once

#include <string>

#include "core/model/Records.h"

namespace qv {

// The result labels of the diagram, formatted as drawn. An empty text draws nothing.
std::string RSquareLabel(const Construct& construct);
std::string Q2Label(const Construct& construct);
std::string CoefficientLabel(const Path& path);
std::string StatisticLabel(const Path& path);

}  // namespace qv
