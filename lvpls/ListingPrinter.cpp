#include "lvpls/ListingPrinter.h"

#include "lvpls/NumberField.h"

#include <algorithm>
#include <charconv>

namespace lvpls {
namespace {

constexpr int kPanelColumns = 12;
constexpr std::string_view kScheme[] = {"", "path", "centroid", "factor"};

void appendHeading(std::string& out, std::string_view heading) {
    appendLine(out, heading);
    appendLine(out, std::string(heading.size(), '='));
}

std::string shortNumber(double value) {
    char buffer[32];
    return std::string(buffer, std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific, 1).ptr);
}

void appendColumnHeaders(std::string& out, const PathModel& model, int first, int last) {
    std::string line(kFieldWidth, ' ');
    for (int k = first; k < last; ++k) appendRightAligned(line, " " + printable(model.block(k).name), kFieldWidth);
    appendLine(out, line);
}

// Panels of 12 columns; a later panel starts 8 lines after the previous one's last row.
// A lower triangle starts each panel at its first column's row and stops at the diagonal.
void appendPanels(std::string& out, std::string_view heading, const PathModel& model, const Eigen::MatrixXd& values,
                  bool lowerTriangle) {
    const int blocks = model.blockCount();
    for (int first = 0; first < blocks; first += kPanelColumns) {
        if (first > 0) out.append("\r\n\r\n\r\n\r\n");
        appendHeading(out, heading);
        appendLine(out, "");
        const int last = std::min(blocks, first + kPanelColumns);
        appendColumnHeaders(out, model, first, last);
        for (int row = lowerTriangle ? first : 0; row < blocks; ++row) {
            std::string line;
            appendPadded(line, printable(model.block(row).name), kFieldWidth);
            const int end = lowerTriangle ? std::min(last, row + 1) : last;
            for (int column = first; column < end; ++column) appendField(line, values(row, column));
            appendLine(out, line);
        }
    }
}

std::string replacementText(const ProblemReport& report) {
    std::string text;
    for (std::size_t i = 0; i < report.replacedCells.size(); ++i) {
        if (report.replacedCells[i] == 0) continue;
        text += " " + printable(report.problem.model.indicatorName(int(i))) + " " + std::to_string(report.replacedCells[i]);
    }
    return text.empty() ? " none" : text;
}

}  // namespace

void appendLine(std::string& out, std::string_view text) {
    out.append(text);
    out.append("\r\n");
}

std::string printable(std::string_view text) {
    std::string result(text);
    for (char& c : result) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7f) c = '?';
    }
    return result;
}

void appendProblemHead(std::string& out, int number, std::string_view title) {
    std::string banner = "---- Problem " + std::to_string(number) + " ";
    banner.append(std::max<std::size_t>(4, 72 - banner.size()), '-');
    appendLine(out, banner);
    appendLine(out, printable(title) + " ");
}

void appendErrorLine(std::string& out, std::string_view reason) { appendLine(out, "Error: " + printable(reason)); }

void appendClosingLine(std::string& out, int problems) {
    appendLine(out, "---- End of listing: problems " + std::to_string(problems) + " ----");
}

void appendEcho(std::string& out, const ProblemReport& report) {
    const Problem& problem = report.problem;
    const PlsEstimate& estimate = report.estimate;
    appendLine(out, "Blocks " + std::to_string(problem.model.blockCount()) + ", indicators " +
                        std::to_string(problem.model.indicatorCount()) + ", cases " + std::to_string(problem.data.rows()));
    appendLine(out, "Inner weighting " + std::string(kScheme[int(problem.settings.scheme)]) + ", metric " +
                        std::to_string(int(problem.metric)));
    if (!problem.missingCodes.empty()) appendLine(out, "Missing values replaced by means:" + replacementText(report));
    if (problem.blindfold.distance > 0) {
        appendLine(out, std::string("Blindfolding: ") + (problem.blindfold.redundancy ? "redundancy" : "communality") +
                            " of block " + printable(problem.model.block(problem.blindfold.targetBlock).name) +
                            ", omission distance " + std::to_string(problem.blindfold.distance));
    }
    const int limit = std::min(problem.settings.maxIterations, kIterationLimit);
    appendLine(out, "Iterations " + std::to_string(estimate.iterations) + " of at most " + std::to_string(limit) + ": " +
                        (estimate.converged ? "converged" : "not converged") + " (largest weight change " +
                        shortNumber(estimate.lastChange) + ", criterion " + shortNumber(problem.settings.tolerance) + ")");
}

void appendPathCoefficients(std::string& out, const ProblemReport& report) {
    appendLine(out, "");
    appendPanels(out, "Path coefficients", report.problem.model, report.estimate.pathCoefficients, false);
}

namespace {

// The Outer Model layout, with the figures of `scaled`.
void appendOuterRows(std::string& out, std::string_view heading, const ProblemReport& report,
                     const ScaledOuterModel& scaled) {
    const PathModel& model = report.problem.model;
    appendLine(out, "");
    appendHeading(out, heading);
    appendLine(out, "Variable      Weight   Loading  Location  Residual  Communal    Redund");
    for (int j = 0; j < model.blockCount(); ++j) {
        const Block& block = model.block(j);
        appendLine(out, "");
        appendLine(out, printable(block.name) + (block.mode == OuterMode::A ? "  (Mode A)" : "  (Mode B)"));
        for (int i = block.firstIndicator; i < block.firstIndicator + block.indicatorCount; ++i) {
            const double communality = report.estimate.loadings(i) * report.estimate.loadings(i);
            std::string line;
            appendPadded(line, printable(model.indicatorName(i)), kFieldWidth);
            for (double value : {scaled.weights(i), scaled.loadings(i), scaled.locations(i), scaled.residuals(i),
                                 communality, communality * report.estimate.rSquare(j)}) {
                appendField(line, value);
            }
            appendLine(out, line);
        }
    }
}

}  // namespace

void appendOuterModel(std::string& out, const ProblemReport& report) {
    appendOuterRows(out, "Outer Model", report, report.scaled);
}

void appendStandardizedOuterModel(std::string& out, const ProblemReport& report) {
    const Metric metric = report.problem.metric;
    if (metric == Metric::UnitVariance || metric == Metric::Binary) return;
    appendOuterRows(out, "Standardized weights and loadings", report,
                    standardizedFigures(report.estimate, report.problem.model.blockCount()));
}

void appendInnerModel(std::string& out, const ProblemReport& report) {
    const PathModel& model = report.problem.model;
    appendLine(out, "");
    appendHeading(out, "Inner Model");
    appendLine(out, "");
    appendLine(out, "Block       Location     Scale  R-square  AvResVar  AvCommun  AvRedund");
    for (int j = 0; j < model.blockCount(); ++j) {
        const Block& block = model.block(j);
        const double communality =
            report.estimate.loadings.segment(block.firstIndicator, block.indicatorCount).squaredNorm() /
            block.indicatorCount;
        const double rSquare = report.estimate.rSquare(j);
        std::string line;
        appendPadded(line, printable(block.name), kFieldWidth);
        for (double value : {report.scaled.latentLocations(j), report.scaled.latentScales(j), rSquare,
                             1.0 - communality, communality, communality * rSquare}) {
            appendField(line, value);
        }
        appendLine(out, line);
    }
}

void appendLatentCorrelations(std::string& out, const ProblemReport& report) {
    appendLine(out, "");
    appendPanels(out, "Correlations of latent variables", report.problem.model, report.estimate.latentCorrelations, true);
}

void appendCrossvalidation(std::string& out, const ProblemReport& report) {
    const BlindfoldResult& result = *report.blindfold;
    const BlindfoldSettings& settings = report.problem.blindfold;
    std::string target = printable(report.problem.model.block(settings.targetBlock).name);
    std::replace(target.begin(), target.end(), ' ', '_');  // keeps "Total " out of the heading
    appendLine(out, "");
    appendHeading(out, std::string("Crossvalidated ") + (settings.redundancy ? "redundancy" : "communality") +
                           " of block " + target + ", omission distance " + std::to_string(settings.distance));
    appendLine(out, "Round              SSE       SSO    Points        Q2      Mean       Min       Max"
                    "                      SD");
    for (std::size_t d = 0; d < result.rounds.size(); ++d) {
        std::string line;
        appendPadded(line, "Round " + std::to_string(d + 1), 12);
        const BlindfoldRound& round = result.rounds[d];
        appendField(line, round.sse);
        appendField(line, round.sso);
        appendRightAligned(line, std::to_string(round.omittedPoints), kFieldWidth);
        appendField(line, round.q2);
        appendLine(out, line);
    }
    std::string total;
    appendPadded(total, "Total", 12);
    appendField(total, result.sse);
    appendField(total, result.sso);
    appendRightAligned(total, std::to_string(result.omittedPoints), kFieldWidth);
    for (double value : {result.q2, result.roundMean, result.roundMin, result.roundMax}) appendField(total, value);
    total.append(14, ' ');
    appendField(total, result.roundDeviation);
    appendLine(out, total);
}

void appendCrossvalidationFailure(std::string& out, const std::string& reason) {
    appendLine(out, "");
    appendLine(out, "No cross-validation for this problem: " + printable(reason));
}

}  // namespace lvpls
