#pragma once

#include <ctime>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <utility>

#include "core/engine/ControlFileWriter.h"
#include "core/report/WebReportContents.h"
#include "core/results/ResultCommandFrame.h"
#include "core/results/ResultContext.h"

namespace qv {

struct Assessment;

// "PLS Report in Web Format": gathers the last estimate into "WebOutput.html" in the folder
// "<stem>_report" beside the model, with "Model.bmp" when the diagram can be pictured, and
// hands the page to the desktop. The data table ends with the raw values as read.
class WebReport {
public:
    using Clock = std::function<std::tm()>;  // the time the head shows

    explicit WebReport(ResultContext context, Clock clock = localNow);
    explicit WebReport(Workbench& workbench);

    // The report's path, or nothing when it was not written (the reason has been told).
    std::optional<std::filesystem::path> run();

    // A section of the prediction made of the estimated model, after the resampling sections.
    void addPrediction(FigureSection section) { prediction_ = std::move(section); }

    static std::tm localNow();

private:
    void copyFactorStructure(WebReportContents& contents, const Assessment* assessment);
    bool addEstimateTables(WebReportContents& contents);
    bool addCorrelations(WebReportContents& contents, const Assessment* assessment);
    void addAssessment(WebReportContents& contents, const std::optional<Assessment>& assessment);
    std::optional<std::string> readFragment(const std::filesystem::path& path, const char* separator);
    std::optional<std::string> readFragment(SampleKind kind);
    bool failed(const std::string& error) const;

    ResultContext c_;
    ResultCommandFrame frame_;
    Clock clock_;
    std::optional<FigureSection> prediction_;
};

}  // namespace qv
