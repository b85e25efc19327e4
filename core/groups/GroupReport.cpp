#include "core/groups/GroupReport.h"

#include "core/app/Workbench.h"
#include "core/groups/GroupReportFormat.h"
#include "core/groups/GroupStatistic.h"
#include "core/model/ConsistentCaption.h"
#include "core/model/WholeFile.h"
#include "core/ports/WriteFailure.h"
#include "core/report/PictureArea.h"
#include "core/report/ReportFolder.h"
#include "core/report/WebReportFormat.h"

namespace qv {

std::optional<std::filesystem::path> WriteGroupReport(Workbench& workbench, const std::tm& now) {
    ProjectModel& model = workbench.model();
    model.groupDisplayMode = 2;  // the picture shows both groups' figures
    const ReportFolder prepared =
        PrepareReportFolder(workbench.files().project, "_groups", workbench.folders().dataDir);
    Prompts& prompts = workbench.ports().prompts;
    if (!WriteSucceeded(prompts, prepared.error)) return std::nullopt;
    const std::filesystem::path& folder = prepared.path;
    const SavedPicture picture = SaveDiagramPicture(workbench.ports().picture, model, folder / "Model.bmp");
    if (!WriteSucceeded(prompts, picture.failure)) return std::nullopt;
    const std::filesystem::path report = folder / "WebOutput.html";
    const std::string page = FormatGroupReport(GroupComparisonRows(model), model.groupDf, ReportDateText(now),
                                               picture.saved, picture.shown,
                                               workbench.parameters().consistent ? kConsistentGroupNote : "");
    if (!WriteSucceeded(prompts, WriteWholeFile(report, page))) return std::nullopt;
    workbench.ports().desktop.openWithDesktop(report.string());
    return report;
}

}  // namespace qv
