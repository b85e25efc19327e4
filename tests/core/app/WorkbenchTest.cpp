#include "core/app/Workbench.h"

#include <gtest/gtest.h>

#include "core/model/ModelFile.h"
#include "core/ports/ScriptedPorts.h"
#include "core/support/TempFolder.h"

namespace qv {
namespace {

namespace fs = std::filesystem;
using testing::readBytes;
using testing::TempFolder;
using Kind = ScriptedPorts::Kind;

// A started workbench in a fresh start folder with the bundled English texts and a data file.
class WorkbenchTest : public ::testing::Test {
protected:
    WorkbenchTest() : workbench_(user_.ports(), folder_ / "start") {
        fs::create_directories(folder_ / "start");
        fs::copy_file(fs::path(QV_START_DIR) / "English.ini", folder_ / "start" / "English.ini");
        data_ = folder_.write("study.dat", "x1 x2 x3\r\n1 2 3\r\n4 5 6\r\n").string();
        project_ = (folder_ / "study.qvt").string();
        EXPECT_FALSE(workbench_.startUp().has_value());
    }

    std::string text(const std::string& key) { return workbench_.texts().lookup(key); }

    // The user fills in the Configuration dialog and presses OK once.
    void answerConfiguration(const std::string& raw, const std::string& project) {
        user_.onConfiguration([this, raw, project](bool newModelMode) {
            return workbench_.configurationOk({raw, project}, newModelMode);
        });
    }

    // A new model on the data file with two constructs, one path and two assignments.
    void buildModel() {
        answerConfiguration(data_, project_);
        ASSERT_TRUE(workbench_.newModel());
        ProjectModel& model = workbench_.model();
        model.addConstruct(100, 100);
        model.addConstruct(200, 100);
        model.addPath(0, 1);
        model.assignIndicator(0, 0);
        model.assignIndicator(2, 1);
        user_.clear();
    }

    TempFolder folder_;
    ScriptedPorts user_;
    Workbench workbench_;
    std::string data_;
    std::string project_;
};

TEST_F(WorkbenchTest, StartUpReadsSettingsAndTextsAndPreparesTheWorkFolder) {
    EXPECT_EQ(text("MSG_SaveOK"), "The model was saved.");
    EXPECT_TRUE(fs::is_directory(folder_ / "start" / "temp"));
    EXPECT_EQ(workbench_.settings().workingDir, (folder_ / "start").string());
    EXPECT_EQ(workbench_.model().radius, 25);
    EXPECT_FALSE(workbench_.model().modelOpen);
}

TEST_F(WorkbenchTest, WorkFolderThatCannotBeCreatedEndsStartUp) {
    TempFolder other;
    other.write("temp", "a file");
    ScriptedPorts user;
    Workbench workbench(user.ports(), other.path());
    const auto error = workbench.startUp();
    ASSERT_TRUE(error.has_value());
    EXPECT_EQ(error->rfind(": " + (other / "temp").string(), 0), 0u);  // no language file: no text
}

TEST_F(WorkbenchTest, NewModelBuildsIndicatorsFromTheDataAndDerivesTheNames) {
    workbench_.parameters().decimal = "2";
    workbench_.resampling().nSample = "250";
    answerConfiguration(data_, (folder_ / "study").string());  // typed without extension
    ASSERT_TRUE(workbench_.newModel());
    const ProjectModel& model = workbench_.model();
    EXPECT_EQ(model.nIndicator, 3);
    EXPECT_EQ(model.indicators[2].caption, "x3");
    EXPECT_EQ(model.nConstruct, 0);
    EXPECT_TRUE(model.modelOpen);
    EXPECT_FALSE(model.modified);
    EXPECT_EQ(workbench_.files().project, project_);
    EXPECT_EQ(workbench_.files().pls, (folder_ / "study.pls").string());
    EXPECT_EQ(workbench_.files().result, (folder_ / "study.out").string());
    EXPECT_EQ(workbench_.parameters().decimal, "0");
    EXPECT_EQ(workbench_.resampling().nSample, "250");
    EXPECT_FALSE(fs::exists(project_));  // not written until saved
    EnvironmentSettings stored;
    stored.read(folder_ / "start", folder_ / "start");
    EXPECT_EQ(stored.workingDir, folder_.path().string());
}

TEST_F(WorkbenchTest, ProjectTypedWithoutAFolderLiesInTheWorkingFolderNotTheWorkFolder) {
    fs::create_directories(folder_ / "models");
    workbench_.settings().workingDir = (folder_ / "models").string();
    fs::current_path(workbench_.folders().tempDir);
    answerConfiguration("../study.dat", "typed");
    ASSERT_TRUE(workbench_.newModel());
    EXPECT_EQ(workbench_.files().project, (folder_ / "models" / "typed.qvt").string());
    EXPECT_EQ(workbench_.rawData().raw, data_);
    ASSERT_TRUE(workbench_.save());
    EXPECT_TRUE(fs::exists(folder_ / "models" / "typed.qvt"));
    EXPECT_TRUE(fs::is_empty(workbench_.folders().tempDir));
}

TEST_F(WorkbenchTest, SettingsThatCannotBeWrittenAreToldOnce) {
    TempFolder other;
    other.write("blocked", "a file where the settings folder should be");
    StartupFolders folders(other.path());
    folders.configDir = other / "blocked" / "quorvanta";
    ScriptedPorts user;
    Workbench workbench(user.ports(), folders);
    ASSERT_FALSE(workbench.startUp().has_value());
    workbench.settings().radius = 30;
    workbench.writeSettings();
    workbench.writeSettings();
    ASSERT_EQ(user.messageKeys(), std::vector<std::string>{"MSG_SettingsNotSaved"});
    EXPECT_NE(user.messages()[0].text.find("conf.ini"), std::string::npos) << user.messages()[0].text;
    EXPECT_EQ(workbench.settings().radius, 30);  // kept while the program runs
}

TEST_F(WorkbenchTest, WorkFolderGoesWithTheWorkbench) {
    TempFolder other;
    fs::path work;
    {
        ScriptedPorts user;
        Workbench workbench(user.ports(), other.path());
        ASSERT_FALSE(workbench.startUp().has_value());
        work = workbench.folders().tempDir;
        EXPECT_TRUE(fs::is_directory(work));
    }
    EXPECT_FALSE(fs::exists(work));
}

TEST_F(WorkbenchTest, RefusedEditIsToldWithItsLimit) {
    buildModel();
    ProjectModel& model = workbench_.model();
    while (model.nConstruct < kMaxConstructs) ASSERT_TRUE(workbench_.report(model.addConstruct(1, 1)));
    EXPECT_FALSE(workbench_.report(model.addConstruct(1, 1)));
    EXPECT_FALSE(workbench_.report(model.addPath(0, 0)));  // refused without a message
    ASSERT_EQ(user_.messages().size(), 1u);
    EXPECT_EQ(user_.messages()[0].key, "MSG_ExceedMAXConstruct");
    EXPECT_EQ(user_.messages()[0].text, text("MSG_ExceedMAXConstruct") + " 24");
}

TEST_F(WorkbenchTest, ConfigurationOkRefusesMissingEntriesAndAsksBeforeOverwriting) {
    EXPECT_FALSE(workbench_.configurationOk({"", project_}, true));
    EXPECT_FALSE(workbench_.configurationOk({data_, ""}, true));
    EXPECT_EQ(user_.messageKeys(), (std::vector<std::string>{"MSG_NoRawData", "MSG_NoPLSProject"}));
    folder_.write("study.qvt", "[Basic]\r\n");
    user_.answer(false);
    EXPECT_FALSE(workbench_.configurationOk({data_, project_}, true));
    user_.answer(true);
    EXPECT_TRUE(workbench_.configurationOk({data_, project_}, true));
    const auto& events = user_.events();
    ASSERT_EQ(events.back().kind, Kind::AskOkCancel);
    EXPECT_EQ(events.back().message.key, "MSG_OverwriteProject");
    EXPECT_EQ(events.back().message.caption, text("MSG_Overwrite"));
    EXPECT_EQ(workbench_.rawData().nFields(), 3);  // read although the file existed
}

// The Configuration dialog refuses a data file that a run's output would overwrite: here the
// data carry the name the control file takes from the model.
TEST_F(WorkbenchTest, ConfigurationOkRefusesDataThatAnOutputWouldOverwrite) {
    const std::string data = folder_.write("study.pls", "x1 x2 x3\r\n1 2 3\r\n4 5 6\r\n").string();
    EXPECT_FALSE(workbench_.configurationOk({data, project_}, true));
    ASSERT_EQ(user_.messages().size(), 1u);
    EXPECT_NE(user_.messages()[0].text.find("is also the data file"), std::string::npos) << user_.messages()[0].text;
    EXPECT_EQ(testing::readBytes(data), "x1 x2 x3\r\n1 2 3\r\n4 5 6\r\n");
    EXPECT_FALSE(std::filesystem::exists(project_));
}

TEST_F(WorkbenchTest, ConfigurationOkWithUnreadableDataStaysOpen) {
    user_.answer(false);  // do not locate the missing file
    EXPECT_FALSE(workbench_.configurationOk({(folder_ / "gone.dat").string(), project_}, true));
    EXPECT_TRUE(user_.told("MSG_RawDataOpenError"));
    EXPECT_EQ(user_.unansweredQuestions(), 0);
}

TEST_F(WorkbenchTest, CancelledNewModelKeepsTheOpenModelAndItsNames) {
    buildModel();
    workbench_.model().modified = false;
    user_.answer(true);  // start a new model
    user_.onConfiguration([](bool) { return false; });
    EXPECT_FALSE(workbench_.newModel());
    EXPECT_EQ(workbench_.model().nConstruct, 2);
    EXPECT_EQ(workbench_.files().project, project_);
    EXPECT_EQ(workbench_.files().pls, (folder_ / "study.pls").string());
    EXPECT_EQ(workbench_.rawData().raw, data_);
    user_.answer(true);
    EXPECT_FALSE(workbench_.newModel());  // a dialog the script does not expect is cancelled
    EXPECT_EQ(user_.unansweredQuestions(), 1);
    EXPECT_EQ(user_.events().back().kind, Kind::ShowConfiguration);
}

TEST_F(WorkbenchTest, NewModelOverAModifiedOneOffersToSaveIt) {
    buildModel();
    user_.answer(true);  // start a new model
    user_.answerSave(SaveAnswer::Save);
    answerConfiguration(data_, (folder_ / "second.qvt").string());
    ASSERT_TRUE(workbench_.newModel());
    EXPECT_TRUE(fs::exists(project_));
    EXPECT_EQ(workbench_.model().nConstruct, 0);
    const auto& events = user_.events();
    EXPECT_EQ(events[0].message.key, "MSG_CreateNewModel");
    EXPECT_EQ(events[0].message.caption, text("MSG_NewModel"));
    EXPECT_EQ(events[1].message.key, "MSG_ConfirmSave");
    EXPECT_EQ(events[1].message.caption, text("MNU_Save"));
}

TEST_F(WorkbenchTest, SaveWritesTheModelSaysSoInTheStatusAndReopensTheSame) {
    buildModel();
    workbench_.parameters().missingValue = "";
    ASSERT_TRUE(workbench_.save());
    EXPECT_FALSE(workbench_.model().modified);
    EXPECT_TRUE(user_.messages().empty());  // no box to close
    EXPECT_EQ(user_.lastStatus(), text("MSG_SaveOK") + " " + project_);
    EXPECT_EQ(user_.lastState(), text("MSG_Ready"));
    EXPECT_EQ(workbench_.settings().recentModels.entry(0), project_);
    EnvironmentSettings stored;
    stored.read(folder_ / "start", folder_ / "start");
    EXPECT_EQ(stored.recentModels.entry(0), project_);

    ASSERT_TRUE(workbench_.closeModel());
    EXPECT_EQ(workbench_.model().nConstruct, 0);
    EXPECT_EQ(workbench_.rawData().rowCount(), 0);
    ASSERT_TRUE(workbench_.openModelByName(project_));
    const ProjectModel& model = workbench_.model();
    EXPECT_EQ(model.nConstruct, 2);
    EXPECT_EQ(model.nIndicator, 3);
    EXPECT_EQ(model.indicators[2].construct, 1);
    EXPECT_EQ(model.paths[0].dest, 1);
    EXPECT_EQ(workbench_.parameters().missingValue, "");
    EXPECT_EQ(workbench_.rawData().caseCount(), 2);
    EXPECT_EQ(fs::current_path(), folder_.path());
}

TEST_F(WorkbenchTest, EntryThatIsNotAnIntegerStopsTheSaveWithAQuotingMessage) {
    buildModel();
    workbench_.resampling().seed = "12a";
    EXPECT_FALSE(workbench_.save());
    ASSERT_EQ(user_.messages().size(), 1u);
    EXPECT_EQ(user_.messages()[0].key, "MSG_SaveFail");
    EXPECT_NE(user_.messages()[0].text.find("'12a'"), std::string::npos);
    EXPECT_TRUE(workbench_.model().modified);
    EXPECT_FALSE(fs::exists(project_));
}

TEST_F(WorkbenchTest, SaveAsSwitchesTheProjectToTheNewFile) {
    buildModel();
    workbench_.files().result = (folder_ / "mine.out").string();  // chosen by the user
    const std::string copy = (folder_ / "copy.qvt").string();
    user_.chooseFile(copy);
    ASSERT_TRUE(workbench_.saveAs());
    EXPECT_TRUE(fs::exists(copy));
    EXPECT_FALSE(fs::exists(project_));
    EXPECT_EQ(workbench_.files().project, copy);
    EXPECT_EQ(workbench_.files().pls, (folder_ / "copy.pls").string());
    EXPECT_EQ(workbench_.files().result, (folder_ / "mine.out").string());
    EXPECT_EQ(workbench_.settings().recentModels.entry(0), copy);
    EXPECT_TRUE(user_.messages().empty());
    EXPECT_EQ(user_.lastStatus(), text("MSG_SaveOK") + " " + copy);
    // The next Save goes to the new file.
    workbench_.model().addConstruct(300, 300);
    ASSERT_TRUE(workbench_.save());
    EXPECT_FALSE(fs::exists(project_));
    EXPECT_NE(readBytes(copy).find("Construct=3\r\n"), std::string::npos);
    user_.chooseFile(std::nullopt);
    workbench_.model().modified = true;
    EXPECT_FALSE(workbench_.saveAs());
    EXPECT_TRUE(workbench_.model().modified);
    EXPECT_EQ(workbench_.files().project, copy);
}

TEST_F(WorkbenchTest, RelativeNameOpensFromTheCurrentFolder) {
    buildModel();
    ASSERT_TRUE(workbench_.save());
    fs::current_path(folder_.path().parent_path());
    const std::string relative = (folder_.path().filename() / "study.qvt").string();
    ASSERT_TRUE(workbench_.openModelByName(relative));
    EXPECT_EQ(workbench_.files().project, project_);
    EXPECT_EQ(workbench_.model().nConstruct, 2);
}

TEST_F(WorkbenchTest, OpeningAMissingFileChangesNothing) {
    buildModel();
    EXPECT_FALSE(workbench_.openModelByName((folder_ / "none.qvt").string()));
    EXPECT_EQ(user_.messageKeys(), std::vector<std::string>{"MSG_FileNotFound"});
    EXPECT_EQ(workbench_.model().nConstruct, 2);
    EXPECT_EQ(workbench_.files().project, project_);
}

TEST_F(WorkbenchTest, ModelWhoseDataAreMissingOpensWholeAndSavesWhole) {
    buildModel();
    ASSERT_TRUE(workbench_.save());
    const std::string saved = readBytes(project_);
    fs::rename(data_, folder_ / "moved.dat");
    ASSERT_TRUE(workbench_.closeModel());
    user_.clear();
    user_.answer(false);  // do not locate the data file
    ASSERT_TRUE(workbench_.openModelByName(project_));
    const ProjectModel& model = workbench_.model();
    EXPECT_TRUE(model.modelOpen);
    EXPECT_TRUE(workbench_.dataMissing());
    EXPECT_EQ(model.nConstruct, 2);
    EXPECT_EQ(model.nPath, 1);
    EXPECT_EQ(model.nIndicator, 3);
    EXPECT_EQ(model.indicators[2].construct, 1);
    EXPECT_EQ(user_.lastStatus(), text("MSG_DataFileNotFound") + ": " + data_);
    EXPECT_FALSE(model.modified);
    ASSERT_TRUE(workbench_.save());
    EXPECT_EQ(readBytes(project_), saved);  // nothing of the model was lost

    // What needs the data asks for them; the located file joins the model.
    user_.answer(true);
    user_.chooseFile((folder_ / "moved.dat").string());
    ASSERT_TRUE(workbench_.ensureRawData());
    EXPECT_FALSE(workbench_.dataMissing());
    EXPECT_EQ(workbench_.rawData().caseCount(), 2);
    EXPECT_EQ(workbench_.model().indicators[2].construct, 1);
    EXPECT_TRUE(workbench_.model().modified);  // the model now names another data file
    EXPECT_EQ(user_.unansweredQuestions(), 0);
}

TEST_F(WorkbenchTest, DataStillMissingStopsWhatNeedsThemWithAMessage) {
    buildModel();
    ASSERT_TRUE(workbench_.save());
    fs::remove(data_);
    user_.answer(false);
    ASSERT_TRUE(workbench_.openModelByName(project_));
    user_.clear();
    user_.answer(false);
    EXPECT_FALSE(workbench_.ensureRawData());
    EXPECT_EQ(user_.messageKeys(), std::vector<std::string>{"MSG_DataFileNotFound"});
    EXPECT_TRUE(workbench_.dataMissing());
    EXPECT_EQ(workbench_.model().nConstruct, 2);
}

TEST_F(WorkbenchTest, FileThatIsNoModelOpensNothingAndIsNeverWritten) {
    buildModel();
    const std::string text = folder_.write("notes.txt", "x1 x2 x3\r\n1 2 3\r\n").string();
    const std::string empty = folder_.write("empty.qvt", "").string();
    for (const std::string& file : {text, empty, data_}) {
        user_.clear();
        const std::string before = readBytes(file);
        EXPECT_FALSE(workbench_.openModelByName(file));
        ASSERT_EQ(user_.messageKeys(), std::vector<std::string>{"MSG_NotAModelFile"});
        EXPECT_NE(user_.messages()[0].text.find(file), std::string::npos);
        EXPECT_EQ(workbench_.files().project, project_);
        EXPECT_EQ(workbench_.model().nConstruct, 2);
        ASSERT_TRUE(workbench_.save());
        EXPECT_EQ(readBytes(file), before);
        // No question follows, above all no "Cannot Find Data File" with an empty name.
        EXPECT_EQ(user_.events().size(), 2u);
        EXPECT_EQ(user_.events()[1].kind, Kind::Status);
    }
}

TEST_F(WorkbenchTest, DamagedEntriesAreToldOnOpenEachWithTheValueUsed) {
    buildModel();
    ASSERT_TRUE(workbench_.save());
    std::string bytes = readBytes(project_);
    bytes.replace(bytes.find("Construct_2=1"), 13, "Construct_2=7");
    folder_.write("study.qvt", bytes);
    user_.clear();
    ASSERT_TRUE(workbench_.openModelByName(project_));
    ASSERT_EQ(user_.messageKeys(), std::vector<std::string>{"MSG_ModelFileDamaged"});
    EXPECT_EQ(user_.messages()[0].text, text("MSG_ModelFileDamaged") + " " + project_ +
                                            "\n[Indicator] Construct_2 = '7': out of range -1..1; -1 used");
    EXPECT_EQ(workbench_.model().indicators[2].construct, -1);
}

TEST_F(WorkbenchTest, ChangedDataVariablesAreToldAndAssignmentsFollowTheNames) {
    buildModel();
    ASSERT_TRUE(workbench_.save());
    folder_.write("study.dat", "x3 x0 x1\r\n1 2 3\r\n");  // x2 gone, x0 new, order changed
    user_.clear();
    ASSERT_TRUE(workbench_.openModelByName(project_));
    ASSERT_EQ(user_.messageKeys(), std::vector<std::string>{"MSG_DataVariablesChanged"});
    const std::string told = user_.messages()[0].text;
    EXPECT_NE(told.find("Not in the data file: x2"), std::string::npos) << told;
    EXPECT_NE(told.find("New in the data file: x0"), std::string::npos) << told;
    const ProjectModel& model = workbench_.model();
    EXPECT_EQ(model.indicators[0].caption, "x3");
    EXPECT_EQ(model.indicators[0].construct, 1);
    EXPECT_EQ(model.indicators[1].construct, -1);
    EXPECT_EQ(model.indicators[2].construct, 0);
    EXPECT_EQ(model.constructs[0].nInd, 1);
    EXPECT_TRUE(model.modified);
}

// Missing values reach the engine only through a code: a model without one hears at once
// which cells are missing, a model with one opens quietly and has them replaced later.
TEST_F(WorkbenchTest, MissingValuesWithoutACodeAreToldWhenTheDataAreRead) {
    buildModel();
    workbench_.parameters().missingValue = "";
    ASSERT_TRUE(workbench_.save());
    folder_.write("study.dat", "x1 x2 x3\r\n1 NA 3\r\n4 5 .\r\n");
    user_.clear();
    ASSERT_TRUE(workbench_.openModelByName(project_));
    ASSERT_EQ(user_.messages().size(), 1u);
    const std::string told = user_.messages()[0].text;
    EXPECT_NE(told.find("study.dat has missing values"), std::string::npos) << told;
    EXPECT_NE(told.find("Row:1 Col:2\nRow:2 Col:3\n"), std::string::npos) << told;

    workbench_.parameters().missingValue = "-1";
    ASSERT_TRUE(workbench_.save());
    user_.clear();
    ASSERT_TRUE(workbench_.openModelByName(project_));
    EXPECT_TRUE(user_.messages().empty());
    EXPECT_EQ(workbench_.rawData().cell(2, 1), "");
}

TEST_F(WorkbenchTest, RecentEntriesOpenAndKeepTheirOrder) {
    buildModel();
    ASSERT_TRUE(workbench_.save());
    const std::string other = (folder_ / "other.qvt").string();
    user_.chooseFile(other);
    ASSERT_TRUE(workbench_.saveAs());
    EXPECT_EQ(workbench_.settings().recentModels.entry(0), other);
    EXPECT_FALSE(workbench_.openRecent(2));  // an empty entry does nothing
    ASSERT_TRUE(workbench_.openRecent(1));
    EXPECT_EQ(workbench_.files().project, project_);
    EXPECT_EQ(workbench_.settings().recentModels.entry(0), other);
    EXPECT_EQ(workbench_.settings().recentModels.entry(1), project_);
}

TEST_F(WorkbenchTest, OpenThroughTheDialogTakesTheModelsOwnSelection) {
    buildModel();
    ASSERT_TRUE(workbench_.save());
    workbench_.caseFilter().allCases = 0;
    user_.clear();
    user_.answerSave(SaveAnswer::Discard);  // the changed selection is not kept
    user_.chooseFile(project_);
    ASSERT_TRUE(workbench_.openModel());
    EXPECT_EQ(workbench_.caseFilter().allCases, 1);
    EXPECT_EQ(user_.events()[1].message.caption, "Quorvanta control file|*.qvt;*.cps");
}

TEST_F(WorkbenchTest, NothingIsSavedWithoutAnOpenModel) {
    folder_.write("study.qvt", "kept");
    user_.chooseFile(project_);
    EXPECT_FALSE(workbench_.saveAs());
    EXPECT_FALSE(workbench_.save());
    EXPECT_EQ(readBytes(project_), "kept");
}

TEST_F(WorkbenchTest, CaseSelectionBelongsToItsModelAndIsSavedWithIt) {
    buildModel();
    ASSERT_TRUE(workbench_.save());
    workbench_.caseFilter().allCases = 0;
    ASSERT_TRUE(workbench_.caseFilter().add(CaseCondition{0, CaseOperator::Greater, "1"}));
    ASSERT_TRUE(workbench_.loadRawData());
    EXPECT_EQ(workbench_.caseCountText(), "Cases: 1 of 2 selected");
    EXPECT_TRUE(workbench_.hasUnsavedChanges());  // only the selection changed
    user_.answerSave(SaveAnswer::Cancel);
    EXPECT_FALSE(workbench_.closeModel());
    ASSERT_TRUE(workbench_.save());
    EXPECT_NE(readBytes(project_).find("[Cases]\r\nAllCases=0\r\nCount=1\r\nVariable_0=0\r\nOperator_0=1\r\n"
                                       "Value_0=1\r\nDataType_0=0\r\n"),
              std::string::npos);

    // OK in View Configuration without a change keeps the selection and the grid.
    ASSERT_TRUE(workbench_.configurationOk(workbench_.configuration(), false));
    EXPECT_EQ(workbench_.caseFilter().nCondition(), 1);
    EXPECT_EQ(workbench_.rawData().caseCount(), 1);

    // Another model starts with all cases; the saved one brings its selection back.
    user_.answer(true);
    answerConfiguration(data_, (folder_ / "other.qvt").string());
    ASSERT_TRUE(workbench_.newModel());
    EXPECT_EQ(workbench_.caseFilter().allCases, 1);
    EXPECT_EQ(workbench_.caseFilter().nCondition(), 0);
    EXPECT_EQ(workbench_.rawData().caseCount(), 2);
    EXPECT_EQ(workbench_.caseCountText(), "Cases: 2");
    ASSERT_TRUE(workbench_.openModelByName(project_));
    EXPECT_EQ(workbench_.caseFilter().allCases, 0);
    ASSERT_EQ(workbench_.caseFilter().nCondition(), 1);
    EXPECT_EQ(workbench_.caseFilter().conditions()[0].value, "1");
    EXPECT_EQ(workbench_.rawData().caseCount(), 1);
    EXPECT_FALSE(workbench_.hasUnsavedChanges());
    EXPECT_EQ(user_.unansweredQuestions(), 0);
}

TEST_F(WorkbenchTest, ExitAndCloseAskSaveDiscardOrCancelForAModifiedModel) {
    EXPECT_TRUE(workbench_.exit());
    EXPECT_TRUE(user_.events().empty());
    buildModel();
    user_.answerSave(SaveAnswer::Discard);
    EXPECT_TRUE(workbench_.exit());
    user_.answerSave(SaveAnswer::Cancel);
    EXPECT_FALSE(workbench_.exit());
    user_.answerSave(SaveAnswer::Cancel);
    EXPECT_FALSE(workbench_.closeModel());
    EXPECT_TRUE(workbench_.model().modelOpen);
    workbench_.files().project.clear();
    user_.answerSave(SaveAnswer::Save);
    user_.chooseFile(std::nullopt);  // ... but cancel the save dialog
    EXPECT_FALSE(workbench_.exit());
    user_.answerSave(SaveAnswer::Save);
    user_.chooseFile(std::nullopt);
    EXPECT_FALSE(workbench_.closeModel());
    EXPECT_EQ(workbench_.model().nConstruct, 2);
    EXPECT_FALSE(fs::exists(project_));
    user_.answerSave(SaveAnswer::Discard);
    EXPECT_TRUE(workbench_.closeModel());
    EXPECT_FALSE(workbench_.model().modelOpen);
    EXPECT_TRUE(workbench_.exit());
    EXPECT_EQ(user_.unansweredQuestions(), 0);
}

TEST_F(WorkbenchTest, ResamplingOkWritesIntoTheSavedModelFile) {
    buildModel();
    workbench_.resampling().nSample = "300";
    EXPECT_TRUE(workbench_.resamplingOk());  // not saved yet: nothing to write into
    EXPECT_FALSE(fs::exists(project_));
    ASSERT_TRUE(workbench_.save());
    workbench_.resampling().nSample = "1000";
    workbench_.resampling().process = true;
    ASSERT_TRUE(workbench_.resamplingOk());
    const std::string written = readBytes(project_);
    EXPECT_NE(written.find("nSample=1000\r\n"), std::string::npos);
    EXPECT_NE(written.find("Process=0\r\n"), std::string::npos);  // only a save writes it
    workbench_.resampling().cases = "x";
    user_.clear();
    EXPECT_FALSE(workbench_.resamplingOk());
    ASSERT_EQ(user_.messages().size(), 1u);
    EXPECT_EQ(user_.messages()[0].text, "'x' is not a valid integer value");
}

}  // namespace
}  // namespace qv
