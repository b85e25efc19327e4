// The File menu's open, save, close and exit commands of the Workbench.
#include "core/app/DerivedFileNames.h"
#include "core/app/VariableMatch.h"
#include "core/app/Workbench.h"
#include "core/app/Refusal.h"
#include "core/model/IniFile.h"
#include "core/model/ModelFile.h"
#include "core/rawdata/StoredCaseFilter.h"
#include "core/rawdata/RawDataReader.h"

namespace qv {

namespace fs = std::filesystem;

namespace {
constexpr const char* kModelOpenFilter = "Quorvanta control file|*.qvt;*.cps";
constexpr const char* kModelSaveFilter = "Quorvanta control file|*.qvt";
}  // namespace

bool Workbench::confirmAndSave() {
    switch (ports_.prompts.askSaveDiscardCancel(texts_.message("MSG_ConfirmSave", "MNU_Save"))) {
        case SaveAnswer::Save: return save();
        case SaveAnswer::Discard: return true;
        case SaveAnswer::Cancel: break;
    }
    return false;
}

bool Workbench::openModel() {
    if (hasUnsavedChanges() && !confirmAndSave()) return false;
    const auto file = ports_.files.chooseFileToOpen(kModelOpenFilter, settings_.workingDir);
    if (!file) return false;
    return openModelByName(*file);
}

bool Workbench::openRecent(int index) {
    if (index < 0 || index >= RecentModels::kCount) return false;
    const std::string file = settings_.recentModels.entry(index);
    if (file.empty()) return false;
    if (hasUnsavedChanges() && !confirmAndSave()) return false;
    return openModelByName(file);
}

namespace {

// A long list of damaged entries is shown up to this many lines.
constexpr size_t kProblemLinesShown = 20;

std::string problemList(const std::vector<ModelFileProblem>& problems) {
    std::string lines;
    for (size_t n = 0; n < problems.size() && n < kProblemLinesShown; ++n) lines += "\n" + problems[n].describe();
    if (problems.size() > kProblemLinesShown)
        lines += "\n(" + std::to_string(problems.size() - kProblemLinesShown) + " more)";
    return lines;
}

}  // namespace

// A file that is not a model opens nothing; a model whose data are missing opens with all its
// constructs, paths and assignments, and asks for the data when they are needed.
bool Workbench::openModelByName(const std::string& name) {
    std::error_code error;
    if (!fs::is_regular_file(name, error)) {
        tell("MSG_FileNotFound", name);
        return false;
    }
    const std::string file = fs::absolute(name, error).lexically_normal().string();
    auto opened = std::make_unique<ProjectModel>();
    ModelSettings stored;
    ModelFileRead read = ModelFile::read(file, *opened, stored);
    if (!read.refusal.empty()) {
        tell("MSG_NotAModelFile", file + "\n(" + read.refusal + ")");
        return false;
    }
    // The model's own case selection applies from the first reading of its data.
    caseFilter_ = ReadCaseFilter(IniFile(file), read.storedVariables, read.problems);
    savedCaseFilter_ = CaseFilterText(caseFilter_);
    if (!read.problems.empty()) {
        Message message = MessageWithDetail(texts_, "MSG_ModelFileDamaged", file);
        message.text += problemList(read.problems);
        ports_.prompts.tell(message);
    }
    opened->radius = settings_.radius;
    *model_ = *opened;
    // The current folder changes to the model's, so a data file named without a folder is
    // found beside the model.
    fs::current_path(fs::path(file).parent_path(), error);
    files_ = stored.files;
    files_.project = file;
    parameters_ = stored.parameters;
    resampling_ = stored.resampling;
    predict_ = stored.predict;
    storedVariables_ = read.storedVariables;
    rawData_.clear();
    rawData_.raw = stored.raw;
    rawData_.sheet = stored.sheet;
    dataMissing_ = true;
    if (!stored.raw.empty() && loadRawData()) attachLoadedData();
    model_->modified = rawData_.raw != stored.raw || model_->modified;
    DeriveFileNames(files_);
    model_->modelOpen = true;
    configuration_ = {rawData_.raw, file};
    useWorkingDirOf(file);
    addToRecentList(file);
    if (dataMissing_) showStatus(texts_.lookup("MSG_DataFileNotFound") + ": " + rawData_.raw, false);
    return true;
}

// The model meets the data just loaded: assignments follow the variables by name.
void Workbench::attachLoadedData() {
    dataMissing_ = false;
    matchStoredVariables(storedVariables_);
    model_->syncIndicatorCount(rawData_.nFields());
    storedVariables_ = rawData_.nFields();
}

bool Workbench::ensureRawData() {
    if (!dataMissing_ || !model_->modelOpen) return true;
    const std::string named = rawData_.raw;
    if (named.empty()) {
        // The model names no data file: the user chooses one.
        const auto chosen = ports_.files.chooseFileToOpen(kDataFileFilter, settings_.workingDir);
        if (!chosen) return false;
        rawData_.raw = *chosen;
    }
    if (!loadRawData()) {
        tell("MSG_DataFileNotFound", rawData_.raw);
        return false;
    }
    attachLoadedData();
    model_->modified = model_->modified || rawData_.raw != named;
    configuration_.rawFile = rawData_.raw;
    DeriveFileNames(files_);
    showStatus("", false);
    return true;
}

// The data file may have changed since the model was saved: assignments follow the variables
// by name, never by position, and the user is told what changed.
void Workbench::matchStoredVariables(int storedVariables) {
    const std::vector<std::string> current = variableNames();
    VariableChanges changes = compareVariables(*model_, storedVariables, current);
    if (!changes.any()) return;
    matchIndicatorsToVariables(*model_, storedVariables, current, changes);
    model_->modified = true;  // the model no longer matches its file
    Message message = texts_.message("MSG_DataVariablesChanged");
    message.text += "\n" + changes.describe();
    ports_.prompts.tell(message);
}

// Without its data a model keeps the variables it was read with, so nothing of it is lost.
bool Workbench::writeModel(const std::string& file) {
    const int rawVariables = dataMissing_ ? storedVariables_ : rawData_.nFields();
    model_->syncIndicatorCount(rawVariables);
    const ModelSettings settings{rawData_.raw, files_, parameters_, resampling_, rawData_.sheet, predict_};
    const auto cases = [this](IniFile& ini) { WriteCaseFilter(ini, caseFilter_); };
    if (auto error = ModelFile::write(file, *model_, settings, rawVariables, cases)) {
        tell("MSG_SaveFail", *error);
        return false;
    }
    savedCaseFilter_ = CaseFilterText(caseFilter_);
    addToRecentList(file);
    return true;
}

void Workbench::addToRecentList(const std::string& file) {
    if (settings_.recentModels.add(file)) writeSettings();
}

// Without an open model there is nothing to save: an empty model is never written.
bool Workbench::save() {
    if (!model_->modelOpen) return false;
    if (files_.project.empty()) return saveAs();
    if (!writeModel(files_.project)) return false;
    savedTo(files_.project);
    return true;
}

// Save As moves the project to the new file: the title, the recent list and the next Save
// follow it, as do output names that were the old file's defaults.
bool Workbench::saveAs() {
    if (!model_->modelOpen) return false;
    const auto chosen = ports_.files.chooseFileToSave(kModelSaveFilter, "qvt", settings_.workingDir);
    if (!chosen) return false;
    const std::string file = fs::absolute(*chosen).lexically_normal().string();
    if (!writeModel(file)) return false;
    if (file != files_.project) {
        clearDefaultOutputNames(files_);
        files_.project = file;
        DeriveFileNames(files_);
        configuration_.projectFile = file;
        useWorkingDirOf(file);
    }
    savedTo(file);
    return true;
}

// A save says so in the status line only: a box to close after every save is in the way.
void Workbench::savedTo(const std::string& file) {
    showStatus(texts_.lookup("MSG_SaveOK") + " " + file, false);
    model_->modified = false;
}

bool Workbench::closeModel() {
    if (hasUnsavedChanges() && !confirmAndSave()) return false;
    model_->nIndicator = model_->nPath = model_->nConstruct = 0;
    rawData_.clear();
    caseFilter_.reset();
    dataMissing_ = false;
    model_->modelOpen = false;
    // Nothing is left that a later save could write over the model file.
    model_->modified = false;
    return true;
}

bool Workbench::exit() {
    return !hasUnsavedChanges() || confirmAndSave();
}

}  // namespace qv
