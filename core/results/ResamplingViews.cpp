#include "core/results/ResamplingViews.h"

#include "core/app/DerivedFileNames.h"
#include "core/app/Workbench.h"
#include "core/results/ResamplingSummary.h"

namespace qv {

bool ResamplingViews::confirm(bool flag) {
    return flag || workbench_.ports().prompts.askOkCancel(
                       workbench_.texts().message("MSG_InvalidModel", "MSG_Invalid"));
}

bool ResamplingViews::viewSummary(SampleKind kind) {
    if (!confirm(workbench_.model().estimated)) return false;
    const ResamplingFileNames names = resamplingFileNames(workbench_.files().project);
    workbench_.ports().desktop.showText(
        kind == SampleKind::Jackknife ? names.jackknifeSummary : names.bootstrapSummary);
    return true;
}

void ResamplingViews::viewCard(SampleKind kind) {
    const ProjectFiles& files = workbench_.files();
    workbench_.ports().desktop.showText(
        kind == SampleKind::Jackknife ? files.jackKnife : files.bootStrap);
}

void ResamplingViews::viewListing(SampleKind kind) {
    const ResamplingFileNames names = resamplingFileNames(workbench_.files().project);
    workbench_.ports().desktop.showText(
        kind == SampleKind::Jackknife ? names.jackknifeListing : names.bootstrapListing);
}

bool ResamplingViews::openCsvSummary(SampleKind kind) {
    if (!confirm(workbench_.model().resampled)) return false;
    workbench_.ports().desktop.openWithDesktop(
        ResamplingSummaryNames(kind, workbench_.files().project, workbench_.folders().tempDir).csv);
    return true;
}

}  // namespace qv
