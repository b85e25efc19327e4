#pragma once

#include "lvpls/Problem.h"
#include "lvpls/ProblemSplitter.h"

#include <memory>
#include <string>

namespace lvpls {

// The cards and the data records that a problem's SAMPLE lines draw from, read once and
// shared by every problem that draws from them.
struct SampleSource {
    int number = 0;     // the problem whose cards and records these are
    Problem problem;    // every record, before missing values are replaced
    std::string error;  // why the cards or the records cannot be read; empty when they can
};

// The source of a problem that ends in a SAMPLE line.
std::shared_ptr<const SampleSource> readSampleSource(const ProblemText& text);

// The problem of a SAMPLE line: the source's cards, the records the line selects, and the
// line's title (the source problem's own title for its own SAMPLE line). `problem` keeps the
// memory of its data matrix when the size stays. Throws ProblemError naming the line.
void drawProblem(const ProblemText& text, const SampleSource* source, Problem& problem);

}  // namespace lvpls
