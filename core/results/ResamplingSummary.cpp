#include "core/results/ResamplingSummary.h"

#include <fstream>

#include "core/app/DerivedFileNames.h"
#include "core/results/ResamplingProcessSections.h"
#include "core/results/ResamplingSummaryHtml.h"
#include "core/results/ResamplingSummaryText.h"
#include "core/results/ResamplingSummaryTable.h"

namespace qv {
namespace fs = std::filesystem;
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
    SummaryTable table = BuildSummaryTable(model, request.kind, request.cases);
    table.subsamples = store.subsamples();
    table.leftOut = request.leftOut;
    std::string text = FormatSummaryText(table, '\t');
    std::string csv = FormatSummaryText(table, ',');
    if (request.process) {
        text += FormatTextProcess(model, store);
        csv += FormatCsvProcess(model, store);
    }
    const SummaryFileNames& names = request.names;
    const std::pair<const std::string*, std::string> files[] = {
        {&names.text, std::move(text)},
        {&names.csv, std::move(csv)},
        {&names.html, FormatSummaryHtml(table)}};
    std::error_code error;
    const auto abandon = [&](const std::string& failed) {
        for (const auto& file : files) fs::remove(*file.first + kUnfinishedSuffix, error);
        return std::optional<std::string>(failed);
    };
    for (const auto& [name, content] : files)
        if (!writeFile(*name + kUnfinishedSuffix, content)) return abandon(*name);
    for (const auto& file : files) {
        fs::rename(*file.first + kUnfinishedSuffix, *file.first, error);
        if (error) return abandon(*file.first);
    }
    return std::nullopt;
}

}  // namespace qv
