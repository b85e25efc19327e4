// The File menu's open, save, close and exit commands of the Workbench.
#include "core/app/DerivedFileNames.h"
#include "core/app/VariableMatch.h"
#include "core/app/Workbench.h"
#include "core/model/ModelFile.h"

namespace qv {

namespace fs = std::filesystem;

namespace {
constexpr const char* kModelOpenFilter = "Quorvanta control file|*.qvt;*.cps";
constexpr const char* kModelSaveFilter = "Quorvanta control file|*.qvt";
}  // namespace

bool Workbench::confirmAndSave() {
    if (!ports_.prompts.askOkCancel(texts_.message("MSG_ConfirmSave", "MNU_Save"))) return true;
    return save();
}

bool Workbench::openModel() {
    if (model_->modified && !confirmAndSave()) return false;
    const auto file = ports_.files.chooseFileToOpen(kModelOpenFilter, settings_.workingDir);
    if (!file) return false;
    const bool opened = openModelByName(*file);
    caseFilter_.reset();
    return opened;
}

bool Workbench::openRecent(int index) {
    if (index < 0 || index >= RecentModels::kCount) return false;
    const std::string file = settings_.recentModels.entry(index);
    if (file.empty()) return false;
    if (model_->modified && !confirmAndSave()) return false;
    return openModelByName(file);
}

void Workbench::emptyModelAfterFailedOpen() {
    model_->nIndicator = model_->nPath = model_->nConstruct = model_->nTextLabel = 0;
    model_->nProduct = 0;
    model_->hasSecondOrder = false;
}

bool Workbench::openModelByName(const std::string& name) {
    std::error_code error;
    if (!fs::is_regular_file(name, error)) {
        tell("MSG_FileNotFound", name);
        return false;
    }
    // The current folder changes to the model's, so a relative name would point elsewhere.
    const std::string file = fs::absolute(name, error).lexically_normal().string();
    fs::current_path(fs::path(file).parent_path(), error);
    files_.project = file;
    ModelSettings stored;
    const ModelFileRead read = ModelFile::read(file, *model_, stored);
    rawData_.raw = stored.raw;
    files_.pls = stored.files.pls;
    files_.bootStrap = stored.files.bootStrap;
    files_.jackKnife = stored.files.jackKnife;
    files_.result = stored.files.result;
    parameters_ = stored.parameters;
    resampling_ = stored.resampling;
    if (read.countsCut || read.repairedReferences > 0) tell("MSG_ModelFileDamaged", file);
    if (!loadRawData()) {
        emptyModelAfterFailedOpen();
        return false;
    }
    clearRunFlags();
    model_->modified = false;
    matchStoredVariables(read.storedVariables);
    model_->syncIndicatorCount(rawData_.nFields());
    DeriveFileNames(files_);
    model_->modelOpen = true;
    configuration_ = {rawData_.raw, file};
    useWorkingDirOf(file);
    addToRecentList(file);
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

bool Workbench::writeModel(const std::string& file) {
    model_->syncIndicatorCount(rawData_.nFields());
    const ModelSettings settings{rawData_.raw, files_, parameters_, resampling_};
    if (auto error = ModelFile::write(file, *model_, settings, rawData_.nFields())) {
        tell("MSG_SaveFail", *error);
        return false;
    }
    addToRecentList(file);
    return true;
}

void Workbench::addToRecentList(const std::string& file) {
    if (settings_.recentModels.add(file)) writeSettings();
}

bool Workbench::save() {
    std::string target = files_.project;
    if (target.empty()) {
        const auto chosen = ports_.files.chooseFileToSave(kModelSaveFilter, "qvt", settings_.workingDir);
        if (!chosen) return false;
        target = *chosen;
    }
    if (!writeModel(target)) return false;
    showStatus(texts_.lookup("MSG_SaveOK"), false);
    tell("MSG_SaveOK");
    model_->modified = false;
    return true;
}

bool Workbench::saveAs() {
    const auto chosen = ports_.files.chooseFileToSave(kModelSaveFilter, "qvt", settings_.workingDir);
    if (!chosen || !writeModel(*chosen)) return false;
    showStatus(texts_.lookup("MSG_SaveOK"), false);
    model_->modified = false;
    return true;
}

bool Workbench::closeModel() {
    if (model_->modified && !confirmAndSave()) return false;
    model_->nIndicator = model_->nPath = model_->nConstruct = 0;
    rawData_.clear();
    model_->modelOpen = false;
    // Nothing is left that a later save could write over the model file.
    model_->modified = false;
    return true;
}

bool Workbench::exit() {
    return !model_->modified || confirmAndSave();
}

}  // namespace qv
