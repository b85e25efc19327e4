#pragma once

#include <string>

#include "core/assessment/FigureTable.h"

namespace qv {

// A section of figure tables as the web report lays it out: a rule, the caption with its
// anchor and the link home, then each table under its title; the header row coloured, the
// first column left-aligned, the figures right-aligned. The texts are escaped.
void AppendFigureSection(std::string& page, const FigureSection& section);

// The contents entry that leads to the section.
std::string FigureSectionEntry(const FigureSection& section);

}  // namespace qv
