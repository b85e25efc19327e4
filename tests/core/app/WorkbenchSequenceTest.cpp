// Random sessions of the File menu and the Configuration dialog, played by a scripted user:
// no sequence changes a user's file unless the user chose Save, and every file saved reads
// back as the model that was on the screen.
#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <random>

#include "core/app/Workbench.h"
#include "core/model/ModelFile.h"
#include "core/ports/ScriptedPorts.h"
#include "core/support/TempFolder.h"

namespace qv {
namespace {

namespace fs = std::filesystem;
using testing::readBytes;
using testing::TempFolder;

// What the user sees of a model: the tables and the settings the model file keeps.
struct Screen {
    std::unique_ptr<ProjectModel> model = std::make_unique<ProjectModel>();
    ModelSettings settings;
};

void expectSameModel(const Screen& shown, const Screen& read, const std::string& file) {
    const ProjectModel& a = *shown.model;
    const ProjectModel& b = *read.model;
    ASSERT_EQ(a.nConstruct, b.nConstruct) << file;
    ASSERT_EQ(a.nIndicator, b.nIndicator) << file;
    ASSERT_EQ(a.nPath, b.nPath) << file;
    for (int c = 0; c < a.nConstruct; ++c) {
        const Construct &x = a.constructs[c], &y = b.constructs[c];
        EXPECT_EQ(std::tie(x.caption, x.x, x.y, x.type, x.order, x.construct, x.nInd),
                  std::tie(y.caption, y.x, y.y, y.type, y.order, y.construct, y.nInd)) << file;
    }
    for (int i = 0; i < a.nIndicator; ++i)
        EXPECT_EQ(std::tie(a.indicators[i].caption, a.indicators[i].construct),
                  std::tie(b.indicators[i].caption, b.indicators[i].construct)) << file;
    for (int p = 0; p < a.nPath; ++p)
        EXPECT_EQ(std::tie(a.paths[p].src, a.paths[p].dest), std::tie(b.paths[p].src, b.paths[p].dest)) << file;
    EXPECT_EQ(shown.settings.raw, read.settings.raw) << file;
    EXPECT_EQ(shown.settings.parameters.innerWeighting, read.settings.parameters.innerWeighting) << file;
    EXPECT_EQ(shown.settings.resampling.nSample, read.settings.resampling.nSample) << file;
}

class WorkbenchSequenceTest : public ::testing::Test {
protected:
    WorkbenchSequenceTest() {
        fs::create_directories(folder_ / "start");
        fs::copy_file(fs::path(QV_START_DIR) / "English.ini", folder_ / "start" / "English.ini");
        data_ = folder_.write("study.dat", "x1 x2 x3 x4\r\n1 2 3 4\r\n4 5 6 7\r\n2 2 1 9\r\n").string();
        const std::string model = "[Basic]\r\nRaw=study.dat\r\nConstruct=2\r\nIndicator=4\r\nProduct=0\r\n"
                                  "Path=1\r\n[Construct]\r\nCaption_0=A\r\nX_0=50\r\nY_0=50\r\nType_0=0\r\n"
                                  "Order_0=1\r\nConstruct_0=-1\r\nCaption_1=B\r\nX_1=150\r\nY_1=50\r\nType_1=0\r\n"
                                  "Order_1=1\r\nConstruct_1=-1\r\n[Indicator]\r\n";
        std::string indicators;
        for (int i = 0; i < 4; ++i)
            indicators += "Caption_" + std::to_string(i) + "=x" + std::to_string(i + 1) + "\r\nConstruct_" +
                          std::to_string(i) + "=" + std::to_string(i % 2) + "\r\nInteraction_" + std::to_string(i) + "=0\r\n";
        const std::string rest = "[Path]\r\nSrc_0=0\r\nDest_0=1\r\n";
        for (const char* name : {"a.qvt", "b.qvt"}) userFiles_.push_back(folder_.write(name, model + indicators + rest).string());
        std::string lost = model + indicators + rest;
        lost.replace(lost.find("Raw=study.dat"), 13, "Raw=elsewhere.dat");
        userFiles_.push_back(folder_.write("lost.qvt", lost).string());
        userFiles_.push_back(folder_.write("notes.txt", "x1 x2\r\n1 2\r\n").string());
        userFiles_.push_back(data_);
        for (const std::string& file : userFiles_) agreed_[file] = readBytes(file);
        restart();
    }

    void restart() {
        workbench_ = std::make_unique<Workbench>(user_.ports(), folder_ / "start");
        ASSERT_FALSE(workbench_->startUp().has_value());
    }

    Screen screen() const {
        Screen shown;
        *shown.model = workbench_->model();
        shown.settings = {workbench_->rawData().raw, workbench_->files(), workbench_->parameters(),
                          workbench_->resampling(), workbench_->rawData().sheet, workbench_->predict()};
        return shown;
    }

    int pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random_); }
    SaveAnswer pickSaveAnswer() { return static_cast<SaveAnswer>(pick(3)); }
    std::string modelFile() { return userFiles_[static_cast<size_t>(pick(4))]; }

    // The save question comes only for a modified open model; its answer is scripted then.
    void scriptSaveQuestion() {
        if (workbench_->model().modified) user_.answerSave(pickSaveAnswer());
    }

    // The answer the user gave to the save question of the step, if it was asked.
    std::optional<SaveAnswer> saveChoice() const {
        for (const auto& event : user_.events())
            if (event.kind == ScriptedPorts::Kind::AskSave) return event.saveAnswer;
        return std::nullopt;
    }

    void edit() {
        ProjectModel& model = workbench_->model();
        if (model.nIndicator == 0) return;
        switch (pick(4)) {
            case 0: model.addConstruct(20 + pick(400), 20 + pick(300)); break;
            case 1: model.addPath(pick(model.nConstruct + 1), pick(model.nConstruct + 1)); break;
            case 2: model.assignIndicator(pick(model.nIndicator), model.nConstruct > 0 ? pick(model.nConstruct) : -1); break;
            default:
                workbench_->parameters().innerWeighting = pick(3);
                model.modified = true;
        }
        step_ = "edit";
    }

    void newModel() {
        if (workbench_->model().modelOpen) user_.answer(pick(4) > 0);
        scriptSaveQuestion();
        const std::string project = (folder_ / ("new" + std::to_string(pick(3)) + ".qvt")).string();
        user_.onConfiguration([this, project](bool newModelMode) {
            if (fs::exists(project)) user_.answer(true);  // replace it: the user's choice, but not a write
            return workbench_->configurationOk({data_, project}, newModelMode);
        });
        workbench_->newModel();
        step_ = "new";
    }

    void open() {
        scriptSaveQuestion();
        user_.chooseFile(pick(5) > 0 ? std::optional(modelFile()) : std::nullopt);
        user_.answer(false);  // a missing data file is not located
        workbench_->openModel();
        step_ = "open";
    }

    void openRecent() {
        scriptSaveQuestion();
        user_.answer(false);
        workbench_->openRecent(pick(3));
        step_ = "open recent";
    }

    void saveAs() {
        const int choice = pick(4);
        if (choice == 0) user_.chooseFile(std::nullopt);
        else if (choice == 1) user_.chooseFile(userFiles_[static_cast<size_t>(pick(2))]);
        else user_.chooseFile((folder_ / ("copy" + std::to_string(pick(2)) + ".qvt")).string());
        saveAsTarget_ = user_.events().size();
        workbench_->saveAs();
        step_ = "save as";
    }

    void viewConfiguration() {
        if (!workbench_->model().modelOpen) return;
        workbench_->configurationOk(workbench_->configuration(), false);
        step_ = "view configuration";
    }

    void playStep() {
        saveAsTarget_.reset();
        const int command = pick(10);
        if (command < 3 && workbench_->model().modelOpen) return edit();
        switch (command) {
            case 3: return newModel();
            case 4: return open();
            case 5: return openRecent();
            case 6:
                step_ = "save";
                if (workbench_->model().modelOpen) workbench_->save();
                return;
            case 7: return saveAs();
            case 8:
                step_ = "close";
                scriptSaveQuestion();
                if (workbench_->model().modelOpen) workbench_->closeModel();
                return;
            default:
                step_ = "exit";
                scriptSaveQuestion();
                if (workbench_->exit()) restart();
        }
    }

    // The file the step saved to, when the user chose to save.
    std::optional<std::string> savedFile(const std::string& projectBefore) const {
        if (step_ == "save") return projectBefore;
        if (saveChoice() == SaveAnswer::Save) return projectBefore;
        if (step_ == "save as" && saveAsTarget_) {
            const auto& event = user_.events().at(*saveAsTarget_);
            if (event.answer) return fs::absolute(event.message.text).lexically_normal().string();
        }
        return std::nullopt;
    }

    // Every file of the user is as agreed, except the one the user chose to save, which reads
    // back as the model shown before the step.
    void checkFiles(const Screen& before, const std::string& projectBefore, bool openBefore) {
        const std::optional<std::string> saved = openBefore ? savedFile(projectBefore) : std::nullopt;
        for (const std::string& file : files()) {
            const std::string bytes = fs::exists(file) ? readBytes(file) : "";
            if (bytes == agreed_[file]) continue;
            ASSERT_TRUE(saved && *saved == file) << "step " << step_ << " changed " << file;
            Screen read;
            const ModelFileRead result = ModelFile::read(file, *read.model, read.settings);
            ASSERT_TRUE(result.refusal.empty()) << file;
            expectSameModel(before, read, file);
            agreed_[file] = bytes;
        }
        if (saveChoice() == SaveAnswer::Cancel) {
            ASSERT_TRUE(workbench_->model().modelOpen) << step_;
            EXPECT_EQ(workbench_->model().nConstruct, before.model->nConstruct) << step_;
            EXPECT_EQ(workbench_->files().project, projectBefore) << step_;
        }
    }

    std::vector<std::string> files() {
        std::vector<std::string> all = userFiles_;
        for (const char* name : {"new0.qvt", "new1.qvt", "new2.qvt", "copy0.qvt", "copy1.qvt"})
            all.push_back((folder_ / name).string());
        return all;
    }

    TempFolder folder_;
    ScriptedPorts user_;
    std::unique_ptr<Workbench> workbench_;
    std::string data_;
    std::vector<std::string> userFiles_;
    std::map<std::string, std::string> agreed_;
    std::mt19937 random_;
    std::string step_;
    std::optional<size_t> saveAsTarget_;
};

TEST_F(WorkbenchSequenceTest, NoSequenceWritesWithoutSaveOrSavesOtherThanShown) {
    constexpr int kSequences = 60;
    constexpr int kSteps = 30;
    int saves = 0;
    for (int sequence = 0; sequence < kSequences; ++sequence) {
        random_.seed(static_cast<unsigned>(sequence));
        restart();
        for (int step = 0; step < kSteps; ++step) {
            const Screen before = screen();
            const std::string projectBefore = workbench_->files().project;
            const bool openBefore = workbench_->model().modelOpen;
            user_.clear();
            playStep();
            user_.forgetScript();
            const auto agreedBefore = agreed_;
            ASSERT_NO_FATAL_FAILURE(checkFiles(before, projectBefore, openBefore))
                << "sequence " << sequence << ", step " << step;
            saves += agreedBefore != agreed_;
        }
    }
    // The sessions did save now and then, so the read-back check was not idle.
    EXPECT_GT(saves, 20);
}

}  // namespace
}  // namespace qv
