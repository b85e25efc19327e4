#include "lvpls/SampleSource.h"

#include "lvpls/CardParser.h"
#include "lvpls/CardScanner.h"
#include "lvpls/CaseSelection.h"
#include "lvpls/ProblemError.h"
#include "lvpls/ProblemFailure.h"

namespace lvpls {
namespace {

// The source's cards, whose data matrix takes the selected records.
void copyCards(const Problem& from, Problem& to) {
    to.model = from.model;
    to.settings = from.settings;
    to.metric = from.metric;
    to.blindfold = from.blindfold;
    to.missingCodes = from.missingCodes;
}

// A sample that draws no case (the only record omitted) stays empty for the estimate to refuse;
// an empty matrix has no element to take the address of.
void copyRecords(const Eigen::MatrixXd& from, const std::vector<int>& rows, Eigen::MatrixXd& to) {
    to.resize(Eigen::Index(rows.size()), from.cols());
    if (rows.empty()) return;
    for (Eigen::Index column = 0; column < from.cols(); ++column) {
        const double* values = from.data() + column * from.rows();
        double* target = to.data() + column * to.rows();
        for (std::size_t r = 0; r < rows.size(); ++r) target[r] = values[rows[r]];
    }
}

// The source with its own SAMPLE line, or the source of a lone SAMPLE line.
const Problem& usableSource(const ProblemText& text, const SampleSource* source) {
    if (!source) throw ProblemError("the SAMPLE line follows no data records");
    if (source->error.empty()) return source->problem;
    if (source->number == text.number) throw ProblemError(source->error);
    throw ProblemError("the data records of problem " + std::to_string(source->number) +
                       ", which this SAMPLE line draws from, cannot be read");
}

}  // namespace

std::shared_ptr<const SampleSource> readSampleSource(const ProblemText& text) {
    auto source = std::make_shared<SampleSource>();
    source->number = text.number;
    source->error = problemFailure([&] { parseProblem(text, source->problem); });
    return source;
}

void drawProblem(const ProblemText& text, const SampleSource* source, Problem& problem) {
    const Problem& from = usableSource(text, source);
    const long lineNumber = text.firstLine + long(text.lineCount());
    const std::string at = "line " + std::to_string(lineNumber) + ": ";
    if (!text.cutLine.empty()) {
        throw ProblemError(text.cutLine + " is longer than the limit of " +
                           std::to_string(LineReader::kMaxLineLength) + " characters");
    }
    if (!isSampleLine(text.sampleLine)) {
        throw ProblemError(at + "expected a SAMPLE line or a COMMENT card, found " + quoted(text.sampleLine));
    }
    const SampleLine sample = splitSampleLine(text.sampleLine);
    if (!text.drawsFromBefore() && !sample.title.empty()) {
        throw ProblemError(at + "the SAMPLE line after the data records takes the problem's title and carries none");
    }
    std::vector<int> rows;
    try {
        rows = selectedRecords(sample.selection, int(from.data.rows()));
    } catch (const ProblemError& error) {
        throw ProblemError(at + error.what());
    }
    copyCards(from, problem);
    problem.title = text.drawsFromBefore() ? sample.title : from.title;
    copyRecords(from.data, rows, problem.data);
}

}  // namespace lvpls
