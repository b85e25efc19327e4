#include "core/results/ResamplingSummary.h"

#include <iterator>

#include "core/app/DerivedFileNames.h"
#include "core/files/ReplacedFile.h"
#include "core/results/ResamplingProcessSections.h"
#include "core/results/ResamplingSummaryHtml.h"
#include "core/results/ResamplingSummaryText.h"
#include "core/results/ResamplingSummaryTable.h"

namespace qv {

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
                                                    const SummaryRequest& request,
                                                    const SummaryStep& beforeReplacing) {
    SummaryTable table = BuildSummaryTable(model, request.kind, request.cases);
    table.subsamples = store.subsamples();
    table.leftOut = request.leftOut;
    table.consistent = request.consistent;
    std::string text = FormatSummaryText(table, '\t');
    std::string csv = FormatSummaryText(table, ',');
    if (request.process) {
        text += FormatTextProcess(model, store);
        csv += FormatCsvProcess(model, store);
    }
    const SummaryFileNames& names = request.names;
    ReplacedFile files[] = {ReplacedFile(names.text), ReplacedFile(names.csv), ReplacedFile(names.html)};
    const std::string contents[] = {std::move(text), std::move(csv), FormatSummaryHtml(table)};
    for (size_t f = 0; f < std::size(files); ++f) {
        files[f].write(contents[f]);
        if (const auto failure = files[f].finish()) return failure;
    }
    if (beforeReplacing)
        if (auto failure = beforeReplacing()) return failure;
    for (ReplacedFile& file : files)
        if (const auto failure = file.commit()) return failure;
    return std::nullopt;
}

}  // namespace qv
