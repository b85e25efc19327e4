#include "core/results/ResamplingProcessSections.h"

#include <span>

#include "core/engine/AppendFormat.h"
#include "core/results/CsvText.h"

namespace qv {
namespace {

struct Layout {
    const char* rule;
    const char* headerIndent;     // the text header stands clear of the 20-character names
    const char* subsampleHeader;  // one per kept subsample
    const char* indicatorName;
    const char* pathName;
    const char* value;
    const char* sections[3];
    char separator;  // of the fields that hold captions
};

const Layout kText{
    "========================================\n",
    "                       ",
    "  S%-7d",
    "%-20s",
    "%8s->%-8s  ",
    "  %8.4f",
    {"1. Resampling results - Factor Loadings\n", "1. Resampling results - Factor Weights\n",
     "2. Resampling results - Path Coefficients\n"},
    ' '};
const Layout kCsv{
    "=================================\n",
    "",
    ",S%d",
    "%s",
    "%s->%s",
    ",%8.4f",
    {"1. Resampling results - Factor Loadings\n", "2. Resampling results - Factor Weights\n",
     "3. Resampling results - Path Coefficients\n"},
    ','};

void appendSectionHeading(std::string& out, const Layout& layout, int section) {
    out += "\n\n";
    out += layout.rule;
    out += layout.sections[section];
    out += layout.rule;
}

void appendValues(std::string& out, const Layout& layout, std::span<const float> values) {
    for (float value : values) AppendFormat(out, layout.value, value);
    out += '\n';
}

void appendIndicatorSection(std::string& out, const Layout& layout, int section,
                            const ProjectModel& model, const ResamplingStore& store) {
    appendSectionHeading(out, layout, section);
    out += layout.headerIndent;
    // Subsamples are numbered from 1 as the run drew them; one left out leaves a gap.
    for (int s = 0; s < store.subsamples(); ++s)
        AppendFormat(out, layout.subsampleHeader, store.number(s) + 1);
    out += '\n';
    for (int i = 0; i < model.nIndicator; ++i) {
        const Indicator& indicator = model.indicators[static_cast<size_t>(i)];
        if (indicator.construct < 0) continue;
        out += SeparatedText(Formatted(layout.indicatorName, indicator.caption.c_str()), layout.separator);
        appendValues(out, layout, section == 0 ? store.loadings(i) : store.weights(i));
    }
}

std::string formatProcess(const Layout& layout, const ProjectModel& model,
                          const ResamplingStore& store) {
    std::string out;
    appendIndicatorSection(out, layout, 0, model, store);
    appendIndicatorSection(out, layout, 1, model, store);
    appendSectionHeading(out, layout, 2);
    for (int p = 0; p < model.nPath; ++p) {
        const Path& path = model.paths[static_cast<size_t>(p)];
        out += SeparatedText(Formatted(layout.pathName,
                                       model.constructs[static_cast<size_t>(path.src)].caption.c_str(),
                                       model.constructs[static_cast<size_t>(path.dest)].caption.c_str()),
                             layout.separator);
        appendValues(out, layout, store.coefficients(p));
    }
    return out;
}

}  // namespace

std::string FormatTextProcess(const ProjectModel& model, const ResamplingStore& store) {
    return formatProcess(kText, model, store);
}

std::string FormatCsvProcess(const ProjectModel& model, const ResamplingStore& store) {
    return formatProcess(kCsv, model, store);
}

}  // namespace qv
