#pragma once

#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/app/EnvironmentSettings.h"
#include "core/app/LanguageTexts.h"
#include "core/app/StartupFolders.h"
#include "core/model/ModelParameters.h"
#include "core/model/PredictOptions.h"
#include "core/model/ProjectModel.h"
#include "core/ports/Ports.h"
#include "core/rawdata/CaseFilter.h"
#include "core/rawdata/RawDataTable.h"

namespace qv {

// What the user typed into the Configuration dialog's two file fields (the four output names
// are edited in files() directly).
struct ConfigurationEntries {
    std::string rawFile;      // Edit1
    std::string projectFile;  // Edit6
};

// Owns the one model, its raw data and settings, and carries out the menu commands. Every
// question and message goes through the ports; the caller refreshes its views afterwards.
class Workbench {
public:
    explicit Workbench(Ports ports, StartupFolders folders = std::filesystem::current_path());
    // The work folder goes with the program.
    ~Workbench();
    Workbench(const Workbench&) = delete;
    Workbench& operator=(const Workbench&) = delete;

    ProjectModel& model() { return *model_; }
    RawDataTable& rawData() { return rawData_; }
    CaseFilter& caseFilter() { return caseFilter_; }
    EnvironmentSettings& settings() { return settings_; }
    LanguageTexts& texts() { return texts_; }
    ModelParameters& parameters() { return parameters_; }
    ResamplingOptions& resampling() { return resampling_; }
    PredictOptions& predict() { return predict_; }
    const PredictOptions& predict() const { return predict_; }
    ProjectFiles& files() { return files_; }
    Ports& ports() { return ports_; }
    const ConfigurationEntries& configuration() const { return configuration_; }
    const StartupFolders& folders() const { return folders_; }

    // Reads conf.ini and the language file and prepares TempDir. Returns the start-up error
    // ("<MSG_CreateDirFail>: <folder>") that ends the program.
    std::optional<std::string> startUp();

    // WriteSettings into conf.ini. The first failure is told, later ones are not: a settings
    // folder that cannot be written would otherwise interrupt every zoom step.
    void writeSettings();

    // The File menu. Each returns whether it was carried out.
    bool newModel();
    bool openModel();  // through the open dialog
    bool openModelByName(const std::string& name);
    bool openRecent(int index);  // 0..2
    bool save();
    bool saveAs();
    bool closeModel();
    // Exit and closing the main window in any other way: true when the program may end.
    bool exit();
    // Asks whether to save a modified model: Save, Discard or Cancel. False when the command
    // that would close the model must stop: the user cancelled, or wanted the save but it did
    // not happen (cancelled dialog, failed write).
    bool confirmAndSave();

    // The Configuration dialog's OK: true when the dialog may close.
    bool configurationOk(const ConfigurationEntries& entries, bool newModelMode);
    // After the Resampling Options dialog's OK: the four entries go into the model file at once.
    bool resamplingOk();
    // After the Predict dialog's OK: its options go into the saved model file at once, as the
    // resampling options do; false when they could not be written (told).
    bool predictOk();

    // Shows the message of a refused model edit ("<text> <detail>"); returns whether it was done.
    bool report(const EditResult& result);

    // ShowStatus: the message panel, and the state panel Running or Ready.
    void showStatus(const std::string& text, bool running);

    // LoadRawData of the file named by the raw data table, through the case filter; a file
    // located instead of a missing one clears the output names so they are derived again.
    bool loadRawData();

    // Whether closing the model would lose something: its tables or its case selection
    // changed since it was opened or saved.
    bool hasUnsavedChanges() const;
    // "Cases: 241 of 250 selected" while a selection is in force, else "Cases: 250".
    std::string caseCountText() const;

    // Whether the open model's data file was not found (the status line says so).
    bool dataMissing() const { return dataMissing_; }
    // Before a command that needs the data: a model opened without them asks for the data file
    // (locate it, or choose one when the model names none). False when there are still none.
    bool ensureRawData();

private:
    void tell(const std::string& key, const std::string& detail = "");
    std::vector<std::string> variableNames() const;
    bool writeModel(const std::string& file);
    void savedTo(const std::string& file);
    void addToRecentList(const std::string& file);
    void useWorkingDirOf(const std::string& file);
    void tellSettingsFailure(const std::optional<std::string>& error);
    std::string inWorkingDir(const std::string& name) const;
    void clearRunFlags();
    void attachLoadedData();
    bool selectsCases() const;
    int countCasesInFile() const;
    void matchStoredVariables(int storedVariables);
    bool writeOptions(const std::function<std::optional<std::string>()>& write);

    Ports ports_;
    StartupFolders folders_;
    std::unique_ptr<ProjectModel> model_;  // large fixed tables: kept off the stack
    RawDataTable rawData_;
    CaseFilter caseFilter_;
    EnvironmentSettings settings_;
    LanguageTexts texts_;
    ModelParameters parameters_;
    ResamplingOptions resampling_;
    PredictOptions predict_;
    ProjectFiles files_;
    ConfigurationEntries configuration_;
    bool workFolderMade_ = false;
    bool settingsFailureTold_ = false;
    // The model is open but its data file was not read: it keeps the raw-data variables it
    // was stored with until the data are found.
    bool dataMissing_ = false;
    int storedVariables_ = 0;
    // The case selection as the model file holds it, to tell a changed one.
    std::string savedCaseFilter_;
    int casesInFile_ = 0;  // the data file's cases, selected or not
};

}  // namespace qv
