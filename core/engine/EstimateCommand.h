#pragma once

#include <filesystem>
#include <string>

#include "core/app/LanguageTexts.h"
#include "core/app/StartupFolders.h"
#include "core/engine/EngineRunner.h"
#include "core/model/ModelParameters.h"
#include "core/model/ProjectModel.h"
#include "core/ports/Ports.h"
#include "core/rawdata/RawDataTable.h"

namespace qv {

class Workbench;

// What an estimate reads and fills, owned by the Workbench.
struct EstimateContext {
    ProjectModel& model;
    RawDataTable& table;
    const ModelParameters& parameters;
    ProjectFiles& files;
    const LanguageTexts& texts;
    Ports& ports;
    StartupFolders folders;  // the engine, its work folder and the finish sound
    bool beep = false;
};

// Run PLS Algorithm: checks the model and its data, computes the product and (for
// second-order models) score columns, writes the control file, runs the engine, reads its
// listing into the model and keeps the control file and listing under the project's names.
class EstimateCommand {
public:
    explicit EstimateCommand(EstimateContext context);
    // The estimate of the Workbench's model, with its settings.
    explicit EstimateCommand(Workbench& workbench);

    // Returns true when results were read. groupRun: started by the two-group comparison.
    bool run(bool groupRun = false);

    // View LVPLS Code: the control file of the current model, written under the PLS name
    // and shown in the viewer.
    bool viewCode();

    // View LVPLS Result: the listing kept under the Result name, in the viewer.
    void viewResult();

private:
    bool replaceEmptyCells();
    bool checkEngine();
    bool checkConstructs(bool anyOrder, const char* format);
    // Refuses output names that would overwrite the model, the data or one another.
    bool outputNamesApart();
    bool estimateFirstStage();
    void appendScoreIndicators();
    bool writeControlFile(const std::string& text, const std::filesystem::path& path);
    std::string finalRuns();
    bool runEngine(int stage, int problems);
    bool keepFiles(bool secondStage);
    void setUpBlindfolding();
    void tell(const std::string& key, const std::string& detail = {}, const char* format = "%s %s");
    void tellText(const std::string& text);
    void showStatus(const std::string& key, bool running);
    void restoreIndicatorCount();

    EstimateContext c_;
    EngineFiles engineFiles_;
    int finalProblems_ = 1;  // the problems of the control file finalRuns wrote
};

}  // namespace qv
