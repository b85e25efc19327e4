#include "core/engine/EstimateCommand.h"

#include <cerrno>
#include <cstdio>
#include <system_error>

#include "core/app/DerivedFileNames.h"
#include "core/app/Workbench.h"
#include "core/editing/ProductColumns.h"
#include "core/engine/Blocks.h"
#include "core/engine/ControlFileWriter.h"
#include "core/engine/ListingReader.h"
#include "core/files/DiskRoom.h"
#include "core/model/NumberText.h"
#include "core/model/WholeFile.h"
#include "core/ports/WriteFailure.h"
#include "core/rawdata/RawDataReader.h"
#include "core/results/ConstructScores.h"
#include "core/results/OutputNameClash.h"
#include "core/results/RawValues.h"

namespace qv {
namespace fs = std::filesystem;

namespace {

constexpr const char* kProgressCaption = "Executing PLS Algorithm";

}  // namespace

EstimateCommand::EstimateCommand(EstimateContext context)
    : c_(context), engineFiles_{context.folders.engine, context.folders.tempDir} {}

EstimateCommand::EstimateCommand(Workbench& workbench)
    : EstimateCommand(EstimateContext{workbench.model(), workbench.rawData(),
                                      workbench.parameters(), workbench.files(), workbench.texts(),
                                      workbench.ports(), workbench.folders(),
                                      workbench.settings().beep}) {}

void EstimateCommand::tellText(const std::string& text) { c_.ports.prompts.tell({"", text, ""}); }

void EstimateCommand::tell(const std::string& key, const std::string& detail, const char* format) {
    Message message = c_.texts.message(key);
    if (!detail.empty()) {
        std::vector<char> text(message.text.size() + detail.size() + 16);
        std::snprintf(text.data(), text.size(), format, message.text.c_str(), detail.c_str());
        message.text = text.data();
    }
    c_.ports.prompts.tell(message);
}

void EstimateCommand::showStatus(const std::string& key, bool running) {
    c_.ports.status.showStatus(c_.texts.lookup(running ? "MSG_Running" : "MSG_Ready"),
                               c_.texts.lookup(key));
}

void EstimateCommand::restoreIndicatorCount() {
    c_.model.nScoreIndicator = 0;
    c_.model.nIndicator = c_.table.nFields() + c_.model.nProduct;
}

bool EstimateCommand::replaceEmptyCells() {
    if (!FindEmptyCells(c_.table, c_.ports.prompts)) return true;
    if (!c_.ports.prompts.askOkCancel({"", "Replace these fields with Missing value?", "Replacement"}))
        return false;
    const auto code = parseInteger(c_.parameters.missingValue);
    if (!code) {
        tellText(integerConversionError(c_.parameters.missingValue));
        return false;
    }
    FillEmptyCells(c_.table, *code);
    return true;
}

bool EstimateCommand::checkEngine() {
    if (EngineExists(engineFiles_)) return true;
    const std::string detail = c_.texts.lookup("MSG_PLSNotFound") + "\n" + c_.texts.lookup("MSG_Download");
    c_.ports.prompts.tell({"MSG_PLSNotFound", engineFiles_.engine().string() + " " + detail, ""});
    return false;
}

// anyOrder: every construct needs indicators (the code view); otherwise a second-order
// construct needs linked constructs instead.
bool EstimateCommand::checkConstructs(bool anyOrder, const char* format) {
    for (int k = 0; k < c_.model.nConstruct; ++k) {
        const Construct& construct = c_.model.constructs[k];
        if (construct.nInd != 0) continue;
        const bool secondOrder = !anyOrder && construct.order == 2;
        tell(secondOrder ? "MSG_nConZero" : "MSG_nIndZero", construct.caption,
             secondOrder ? "%s [%s]!" : format);
        return false;
    }
    return true;
}

bool EstimateCommand::writeControlFile(const std::string& text, const fs::path& path) {
    return WriteSucceeded(c_.ports.prompts, WriteWholeFile(path, text));
}

// A listing that would fill the disk is refused before the engine starts writing it.
bool EstimateCommand::runEngine(int stage, int problems) {
    const auto shortage = RoomShortage(
        "listing", engineFiles_.workDir,
        ListingSizeEstimate(c_.model.nIndicator, c_.model.nConstruct, static_cast<std::uintmax_t>(problems)));
    if (shortage) {
        tellText(*shortage);
        return false;
    }
    EngineRunner runner(engineFiles_);
    const EngineOutcome outcome = runner.run(c_.ports.progress, kProgressCaption);
    runner.CleanEngineFiles();
    if (outcome == EngineOutcome::Cancelled) {
        tell("MSG_EngineCancelled");
        return false;
    }
    if (outcome != EngineOutcome::Finished) {
        tell("MSG_EngineNoListing", runner.failureReason(outcome), "%s\n(%s)");
        return false;
    }
    std::string reason;
    const auto listing = runner.loadListing(reason);
    if (!listing) {
        tellText(UnreadableListingText(reason, engineFiles_.listing()));
        return false;
    }
    ListingReader reader(*listing, c_.model,
                         ListingErrorReport{c_.ports.prompts, c_.ports.desktop, c_.texts,
                                            engineFiles_.listing().string()});
    return reader.ReadListing("ALLSample", stage);
}

void EstimateCommand::appendScoreIndicators() {
    ProjectModel& model = c_.model;
    for (int k = 0; k < model.nConstruct; ++k) {
        Construct& construct = model.constructs[k];
        Indicator score{.caption = construct.caption};
        if (construct.order != 2) {
            score.construct = construct.construct;
            ++model.nScoreIndicator;
        }
        construct.scoreIndicator = model.nIndicator;
        model.indicators[model.nIndicator++] = score;
    }
}

// The first stage estimates the first-order constructs; their scores become the indicators
// of the second-order constructs in the second stage.
bool EstimateCommand::estimateFirstStage() {
    if (c_.model.nIndicator + c_.model.nConstruct > kMaxIndicators) {
        tell("MSG_ExceedMAXIndicator", std::to_string(kMaxIndicators));
        return false;
    }
    ControlFileWriter writer(c_.model, c_.parameters, c_.table, c_.ports.prompts);
    std::string text;
    ControlRun firstStage;
    firstStage.stage = kFirstStage;
    if (!writer.WriteControlRun(text, firstStage)) return false;
    if (!writeControlFile(text + "STOP", engineFiles_.controlFile())) return false;
    if (!runEngine(kFirstStage, 1)) {
        tell("MSG_ErrorMeasurement");
        return false;
    }
    if (const std::string error = AddFirstStageScores(c_.model, c_.table, MissingValueCode(c_.parameters));
        !error.empty()) {
        tellText(error);
        return false;
    }
    appendScoreIndicators();
    c_.model.estimationStage = 2;
    return keepFiles(false);
}

// Q-square is read for every construct that a path leads to and that is a block of the run.
void EstimateCommand::setUpBlindfolding() {
    ProjectModel& model = c_.model;
    const int kind = c_.parameters.blindFoldingType == 1 ? 1 : c_.parameters.blindFoldingType == 2 ? -1 : 0;
    for (int k = 0; k < model.nConstruct; ++k) {
        model.blindfoldingFlags[k] = 0;
        model.constructs[k].q2Kind = kind;
        model.constructs[k].q2 = model.constructs[k].q2sd = 0;
        model.constructs[k].q2Missing.clear();
    }
    for (int p = 0; p < model.nPath; ++p)
        if (BlockPosition(model, kRegularStage, model.paths[p].dest) >= 0)
            model.blindfoldingFlags[model.paths[p].dest] = 1;
    model.nBlindfolding = 0;
    for (int k = 0; k < model.nConstruct; ++k) model.nBlindfolding += model.blindfoldingFlags[k];
}

// One ordinary run, or one blindfolding run per flagged construct; the engine names the
// target by its block position.
std::string EstimateCommand::finalRuns() {
    const ProjectModel& model = c_.model;
    ControlFileWriter writer(model, c_.parameters, c_.table, c_.ports.prompts);
    std::string text;
    const bool blindfolding = c_.parameters.blindFoldingType > 0 &&
                              c_.parameters.blindFoldingDistance > 0 && model.nPath > 0;
    finalProblems_ = 1;
    if (!blindfolding) {
        if (!writer.WriteControlRun(text, ControlRun{})) return "";
        text += "STOP";  // appended, not copied: the records of a large data set are many
        return text;
    }
    finalProblems_ = 0;
    for (int k = 0; k < model.nConstruct; ++k) {
        if (!model.blindfoldingFlags[k]) continue;
        ++finalProblems_;
        ControlRun run;
        run.blindDistance = c_.parameters.blindFoldingDistance + 3;
        run.blindTarget = model.constructs[k].q2Kind * (BlockPosition(model, kRegularStage, k) + 1);
        if (!writer.WriteControlRun(text, run)) return "";
    }
    text += "STOP";
    return text;
}

// A file that cannot be kept fails the estimate: its name would hold the previous run's file.
bool EstimateCommand::keepFiles(bool secondStage) {
    const ProjectFiles& files = c_.files;
    const auto keptName = [secondStage](const std::string& name, const char* suffix) {
        return secondStage && !name.empty() ? modelFileName(name, suffix) : name;
    };
    Prompts& prompts = c_.ports.prompts;
    return WriteSucceeded(prompts, KeepWorkFile(engineFiles_.controlFile(), keptName(files.pls, "_2.pls"))) &&
           WriteSucceeded(prompts, KeepWorkFile(engineFiles_.listing(), keptName(files.result, "_2.out")));
}

bool EstimateCommand::run(bool groupRun) {
    ProjectModel& model = c_.model;
    model.groupRun = groupRun;
    if (!replaceEmptyCells()) return false;
    restoreIndicatorCount();
    if (!checkEngine()) return false;
    if (model.nConstruct == 0) {
        tell("MSG_NoParameter");
        return false;
    }
    model.estimationStage = 1;
    showStatus("MSG_Estimate", true);
    model.clearResults();
    bool ok = checkConstructs(false, "%s (%s)!");
    if (ok) {
        std::error_code ignored;
        fs::remove(engineFiles_.marker(), ignored);
        DeriveFileNames(c_.files);
        ok = outputNamesApart();
    }
    if (ok) {
        const std::string productError = ComputeProductColumns(model, c_.table);
        if (!productError.empty()) tellText(productError);
        ok = productError.empty() && (!model.hasSecondOrder || estimateFirstStage());
    }
    if (ok) {
        setUpBlindfolding();
        const std::string runs = finalRuns();
        ok = !runs.empty() && writeControlFile(runs, engineFiles_.controlFile()) &&
             runEngine(kRegularStage, finalProblems_) && keepFiles(model.estimationStage == 2);
    }
    showStatus(ok ? "MSG_EstimateOK" : "MSG_EstimateFail", false);
    if (!groupRun) {
        model.estimated = ok;
        if (c_.beep) c_.ports.desktop.playSound(c_.folders.soundFile().string());
    }
    restoreIndicatorCount();
    return ok;
}

bool EstimateCommand::viewCode() {
    if (!replaceEmptyCells()) return false;
    if (c_.model.nConstruct == 0) {
        tell("MSG_NoParameter");
        return false;
    }
    if (!checkConstructs(true, "%s (%s)")) return false;
    DeriveFileNames(c_.files);
    if (!outputNamesApart()) return false;
    if (const std::string error = ComputeProductColumns(c_.model, c_.table); !error.empty()) {
        tellText(error);
        return false;
    }
    ControlFileWriter writer(c_.model, c_.parameters, c_.table, c_.ports.prompts);
    std::string text;
    if (c_.files.pls.empty() || !writer.WriteControlRun(text, ControlRun{})) return false;
    if (!writeControlFile(text + "STOP", c_.files.pls)) return false;
    c_.ports.desktop.showText(c_.files.pls);
    return true;
}

bool EstimateCommand::outputNamesApart() {
    const std::string clash = OutputNameClash(c_.files, c_.table.raw);
    if (!clash.empty()) tellText(clash);
    return clash.empty();
}

void EstimateCommand::viewResult() {
    DeriveFileNames(c_.files);
    if (!c_.files.result.empty()) c_.ports.desktop.showText(c_.files.result);
}

}  // namespace qv
