#include "core/results/ResamplingSummaryText.h"

#include "core/engine/AppendFormat.h"
#include "core/model/ConsistentCaption.h"
#include "core/results/CsvText.h"

namespace qv {
namespace {

constexpr const char* kRule = "------------------------------------------\n";
// No separator inside: the CSV summary shares the text.
constexpr const char* kSignedValues =
    "Each subsample's constructs turned to the orientation of the entire sample; means and "
    "standard errors are those of the signed values\n";

void appendHeading(std::string& out, const char* heading) {
    out += kRule;
    out += heading;
    out += kRule;
}

void appendHeaderLines(std::string& out, SampleKind kind, char c) {
    if (kind != SampleKind::Jackknife) {
        const char* format = "                %c               %c%8s%c%8s%c%8s%c%8s\n";
        AppendFormat(out, format, c, c, "Entire", c, "Mean of", c, "Standard", c, "T-Statistic");
        AppendFormat(out, format, c, c, "Sample", c, "subsamples", c, "error", c, "");
        AppendFormat(out, format, c, c, "estimate", c, "", c, "", c, "");
        return;
    }
    const char* format = "                %c               %c%8s%c%8s%c%8s%c%8s%c%8s";
    AppendFormat(out, format, c, c, "Entire", c, "Mean of", c, "Jackknife", c, "Standard", c,
                 "T-Statistic");
    AppendFormat(out, "%c%8s%c%8s\n", c, "Standard", c, "T-Statistic");
    AppendFormat(out, format, c, c, "Sample", c, "subsamples", c, "estimate", c, "error", c, "");
    AppendFormat(out, "%c%8s%c%8s\n", c, "error", c, "(Adjusted)");
    AppendFormat(out, "                %c               %c%8s%c%8s%c%8s%c%8s%c%8s%c%8s%c%8s\n", c,
                 c, "estimate", c, "", c, "", c, "", c, "", c, "(Adjusted)", c, "");
}

// notAvailable: how a figure without value is printed in this table.
void appendFigures(std::string& out, const Figures& figures, char c, const char* notAvailable) {
    for (const std::optional<double>& figure : figures) {
        out += c;
        if (figure)
            AppendFormat(out, "%8.4f", *figure);
        else
            out += notAvailable;
    }
    out += '\n';
}

void appendIndicatorRows(std::string& out, const std::vector<SummaryRow>& rows, char c,
                         const char* notAvailable) {
    for (const SummaryRow& row : rows) {
        if (row.first) out += '\n';
        out += SeparatedText(Formatted("%8s", row.construct.c_str()), c) + c +
               SeparatedText(Formatted("%18s", row.name.c_str()), c);
        appendFigures(out, row.figures, c, notAvailable);
    }
}

}  // namespace

std::string FormatSummaryText(const SummaryTable& table, char c) {
    std::string out;
    AppendFormat(out, "==================Result of Estimate (%s)==================\n",
                 KindWord(table.kind));
    out += kSignedValues;
    if (table.consistent) out += std::string(kConsistentCaption) + ": " + kConsistentResampling + "\n";
    if (table.leftOut > 0)
        AppendFormat(out, "Subsamples left out: %d of %d (the engine rejected them)\n",
                     table.leftOut, table.subsamples + table.leftOut);
    out += '\n';
    appendHeading(out, "1.Measurement Mode (loading)\n");
    appendHeaderLines(out, table.kind, c);
    appendIndicatorRows(out, table.loadings, c, "N.A.");
    out += "\n\n";
    appendHeading(out, "1.Measurement Mode (weight)\n");
    appendHeaderLines(out, table.kind, c);
    appendIndicatorRows(out, table.weights, c, " N.A. ");
    out += "\n\n";
    appendHeading(out, "2.Structure Model\n");
    appendHeaderLines(out, table.kind, c);
    for (const SummaryRow& row : table.paths) {
        out += Formatted("%8s", "") + c +
               SeparatedText(Formatted("%8s->%-8s", row.name.c_str(), row.dest.c_str()), c);
        appendFigures(out, row.figures, c, " N.A. ");
    }
    return out;
}

}  // namespace qv
