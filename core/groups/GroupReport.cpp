#include "core/groups/GroupReport.h"

#include <fstream>

#include "core/app/Workbench.h"
#include "core/groups/GroupReportFormat.h"
#include "core/groups/GroupStatistic.h"
#include "core/report/PictureArea.h"
#include "core/report/ReportFolder.h"
#include "core/report/WebReportFormat.h"

namespace qv {

std::optional<std::filesystem::path> WriteGroupReport(Workbench& workbench, const std::tm& now) {
    ProjectModel& model = workbench.model();
    model.groupDisplayMode = 2;  // the picture shows both groups' figures
    const std::filesystem::path folder =
        PrepareReportFolder(workbench.files().project, "_groups", workbench.folders().dataDir);
    const bool picture = SaveDiagramPicture(workbench.ports().picture, model, folder / "Model.bmp");
    const std::filesystem::path report = folder / "WebOutput.html";
    std::ofstream out(report, std::ios::binary | std::ios::trunc);
    out << FormatGroupReport(GroupComparisonRows(model), model.groupDf, ReportDateText(now),
                             picture);
    if (!out.flush()) {
        Message message = workbench.texts().message("MSG_OpenError");
        message.text += "\n(" + report.string() + ")";
        workbench.ports().prompts.tell(message);
        return std::nullopt;
    }
    out.close();
    workbench.ports().desktop.openWithDesktop(report.string());
    return report;
}

}  // namespace qv
