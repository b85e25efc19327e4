#include "core/results/ResamplingSummary.h"

#include <fstream>

#include "core/app/DerivedFileNames.h"
#include "core/results/ResamplingProcessSections.h"
#include "core/results/ResamplingSummaryHtml.h"
#include "core/results/ResamplingSummaryText.h"
#include "core/results/ResamplingSummaryTable.h"

namespace qv {
namespace {

bool writeFile(const std::string& name, const std::string& text) {
    std::ofstream out(name, std::ios::binary | std::ios::trunc);
    out << text;
    return static_cast<bool>(out.flush());
}

}  // namespace

SummaryFileNames ResamplingSummaryNames(SampleKind kind, const std::string& projectFile,
                                        const std::filesystem::path& tempDir) {
    const bool jackknife = kind == SampleKind::Jackknife;
    const std::string stem = modelStem(projectFile);
    return SummaryFileNames{
        modelFileName(projectFile, jackknife ? "_jk.out" : "_bt.out"),
        modelFileName(projectFile, jackknife ? "_jack.csv" : "_boot.csv"),
        (tempDir / (stem + (jackknife ? "_jk.html" : "_bt.html"))).string()};
}

std::optional<std::string> WriteResamplingSummaries(const ProjectModel& model,
                                                    const ResamplingStore& store,
                                                    const SummaryRequest& request) {
    const SummaryTable table = BuildSummaryTable(model, request.kind, request.cases);
    std::string text = FormatSummaryText(table, '\t');
    std::string csv = FormatSummaryText(table, ',');
    if (request.process) {
        text += FormatTextProcess(model, store);
        csv += FormatCsvProcess(model, store);
    }
    const SummaryFileNames& names = request.names;
    if (!writeFile(names.text, text)) return names.text;
    if (!writeFile(names.csv, csv)) return names.csv;
    if (!writeFile(names.html, FormatSummaryHtml(table))) return names.html;
    return std::nullopt;
}

}  // namespace qv
