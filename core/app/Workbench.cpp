#include "core/app/Workbench.h"

#include "core/app/DerivedFileNames.h"
#include "core/app/LanguageFile.h"
#include "core/app/Refusal.h"
#include "core/model/ModelFile.h"
#include "core/ports/SilentUser.h"
#include "core/rawdata/StoredCaseFilter.h"
#include "core/rawdata/RawDataReader.h"
#include "core/results/OutputNameClash.h"

namespace qv {

namespace fs = std::filesystem;

Workbench::Workbench(Ports ports, StartupFolders folders)
    : ports_(ports), folders_(std::move(folders)), model_(std::make_unique<ProjectModel>()) {}

Workbench::~Workbench() {
    if (workFolderMade_) removeTempDir(folders_);
}

std::optional<std::string> Workbench::startUp() {
    settings_.read(folders_.configDir, folders_.startDir);
    model_->resetToEmpty();
    model_->modelOpen = false;
    model_->radius = settings_.radius;
    // The texts come first so that a start-up error can be worded.
    loadLanguageTexts(folders_.dataDir, settings_.lang, texts_);
    savedCaseFilter_ = CaseFilterText(caseFilter_);
    if (auto error = prepareTempDir(folders_)) return texts_.lookup("MSG_CreateDirFail") + ": " + *error;
    workFolderMade_ = true;
    return std::nullopt;
}

void Workbench::writeSettings() { tellSettingsFailure(settings_.write(folders_.configDir)); }

void Workbench::tellSettingsFailure(const std::optional<std::string>& error) {
    if (!error || settingsFailureTold_) return;
    settingsFailureTold_ = true;
    tell("MSG_SettingsNotSaved", *error);
}

void Workbench::tell(const std::string& key, const std::string& detail) {
    ports_.prompts.tell(MessageWithDetail(texts_, key, detail));
}

bool Workbench::report(const EditResult& result) {
    return TellIfRefused(result, texts_, ports_.prompts);
}

void Workbench::showStatus(const std::string& text, bool running) {
    ports_.status.showStatus(texts_.lookup(running ? "MSG_Running" : "MSG_Ready"), text);
}

std::vector<std::string> Workbench::variableNames() const {
    std::vector<std::string> names;
    for (int c = 1; c <= rawData_.nFields(); ++c) names.push_back(rawData_.cell(c, 0));
    return names;
}

bool Workbench::loadRawData() {
    // The grid shows the file's empty cells again; the next estimate asks about them anew.
    rawData_.emptyCellCode.reset();
    const RawDataLoad load = LoadRawData(rawData_, caseFilter_, texts_, ports_.prompts, ports_.files,
                                         settings_.workingDir);
    casesInFile_ = load.ok && selectsCases() ? countCasesInFile() : rawData_.caseCount();
    if (load.relocated) {
        // Another file was located: the output names are derived again from the project.
        files_.pls.clear();
        files_.bootStrap.clear();
        files_.jackKnife.clear();
        files_.result.clear();
        configuration_.rawFile = rawData_.raw;
    }
    // Without a code the engine cannot tell a missing value: say so now, not at the estimate.
    if (load.ok && parameters_.missingValue.empty()) ReportMissingWithoutCode(rawData_, ports_.prompts);
    return load.ok;
}

bool Workbench::selectsCases() const { return caseFilter_.allCases == 0 && caseFilter_.nCondition() > 0; }

// The cases of the data file without the selection: the file read once more, unfiltered.
int Workbench::countCasesInFile() const {
    RawDataTable all;
    all.raw = rawData_.raw;
    all.sheet = rawData_.sheet;
    SilentUser silent;
    LoadRawData(all, CaseFilter{}, texts_, silent, silent);
    return all.caseCount();
}

std::string Workbench::caseCountText() const {
    std::string text = texts_.lookup("RPT_nCase") + ": " + std::to_string(rawData_.caseCount());
    if (selectsCases()) text += " of " + std::to_string(casesInFile_) + " selected";
    return text;
}

bool Workbench::hasUnsavedChanges() const {
    return model_->modelOpen && (model_->modified || CaseFilterText(caseFilter_) != savedCaseFilter_);
}

void Workbench::clearRunFlags() {
    model_->estimated = model_->resampled = model_->bootstrapDone = model_->jackknifeDone = false;
    model_->nScoreIndicator = 0;
}

void Workbench::useWorkingDirOf(const std::string& file) {
    settings_.workingDir = fs::path(file).parent_path().string();
    tellSettingsFailure(settings_.storeWorkingDir(folders_.configDir));
}

// A name typed without a folder lies in the working folder, where the file dialogs start.
std::string Workbench::inWorkingDir(const std::string& name) const {
    if (name.empty() || fs::path(name).is_absolute()) return name;
    return (fs::path(settings_.workingDir) / name).lexically_normal().string();
}

bool Workbench::newModel() {
    if (model_->modelOpen &&
        !ports_.prompts.askOkCancel(texts_.message("MSG_CreateNewModel", "MSG_NewModel")))
        return false;
    if (hasUnsavedChanges() && !confirmAndSave()) return false;
    // A cancelled dialog leaves the names and the selection as they were; a new model starts
    // with all cases.
    const ConfigurationEntries previousEntries = configuration_;
    const ProjectFiles previousFiles = files_;
    const std::string previousRaw = rawData_.raw, previousSheet = rawData_.sheet;
    const CaseFilter previousFilter = caseFilter_;
    configuration_ = {};
    files_.pls = files_.bootStrap = files_.jackKnife = files_.result = "";
    rawData_.raw.clear();
    rawData_.sheet.clear();
    caseFilter_.reset();
    model_->nScoreIndicator = 0;
    if (!ports_.dialogs.showConfiguration(true)) {
        configuration_ = previousEntries;
        files_ = previousFiles;
        rawData_.raw = previousRaw;
        rawData_.sheet = previousSheet;
        caseFilter_ = previousFilter;
        return false;
    }
    savedCaseFilter_ = CaseFilterText(caseFilter_);
    model_->nPath = model_->nConstruct = model_->nProduct = 0;
    model_->hasSecondOrder = false;
    dataMissing_ = false;
    model_->rebuildIndicators(variableNames());
    files_.project = configuration_.projectFile;
    DeriveFileNames(files_);
    model_->modelOpen = true;
    parameters_ = ModelParameters::resetValues();
    clearRunFlags();
    model_->modified = false;
    useWorkingDirOf(files_.project);
    return true;
}

namespace {

// The output names a run of that model file would write: the defaults follow the model file.
ProjectFiles withProject(ProjectFiles files, const std::string& projectFile) {
    clearDefaultOutputNames(files);
    files.project = projectFile;
    DeriveFileNames(files);
    return files;
}

}  // namespace

bool Workbench::configurationOk(const ConfigurationEntries& entries, bool newModelMode) {
    configuration_ = {inWorkingDir(entries.rawFile), inWorkingDir(entries.projectFile)};
    if (newModelMode) configuration_.projectFile = withModelExtension(configuration_.projectFile);
    bool mayClose = false;
    if (configuration_.rawFile.empty()) {
        tell("MSG_NoRawData");
    } else if (configuration_.projectFile.empty()) {
        tell("MSG_NoPLSProject");
    } else if (const std::string clash = OutputNameClash(withProject(files_, configuration_.projectFile),
                                                         configuration_.rawFile);
               !clash.empty()) {
        ports_.prompts.tell(Message{"", clash, ""});
    } else if (newModelMode && fs::exists(configuration_.projectFile)) {
        mayClose = ports_.prompts.askOkCancel(texts_.message("MSG_OverwriteProject", "MSG_Overwrite"));
        // The data were read when the file was chosen; read them only if they were not.
        if (mayClose && (rawData_.raw != configuration_.rawFile || rawData_.nFields() == 0)) {
            rawData_.raw = configuration_.rawFile;
            mayClose = loadRawData();
            if (!mayClose) tell("MSG_RawDataOpenError");
        }
    } else if (!newModelMode && configuration_.rawFile == rawData_.raw && !dataMissing_) {
        mayClose = true;  // the same data: the grid and the selection stay as they are
    } else {
        // Other data: the selection named the old file's variables.
        if (configuration_.rawFile != rawData_.raw) {
            caseFilter_.reset();
            rawData_.sheet.clear();
        }
        rawData_.raw = configuration_.rawFile;
        mayClose = loadRawData();
        if (!mayClose) tell("MSG_RawDataOpenError");
        else if (!newModelMode && dataMissing_) attachLoadedData();
        else if (!newModelMode) model_->syncIndicatorCount(rawData_.nFields());
    }
    return mayClose;
}

bool Workbench::resamplingOk() {
    return writeOptions([this] { return ModelFile::writeResampling(files_.project, resampling_); });
}

bool Workbench::predictOk() {
    return writeOptions([this] { return ModelFile::writePredict(files_.project, predict_); });
}

// A model not yet saved gets the entries with its first save.
bool Workbench::writeOptions(const std::function<std::optional<std::string>()>& write) {
    if (files_.project.empty() || !fs::exists(files_.project)) return true;
    if (auto error = write()) {
        ports_.prompts.tell(Message{"", *error, ""});
        return false;
    }
    return true;
}

}  // namespace qv
