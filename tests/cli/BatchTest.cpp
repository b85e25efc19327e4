#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <nlohmann/json.hpp>
#include <fstream>
#include <sstream>

#include "cli/BatchOptions.h"
#include "cli/BatchPorts.h"
#include "cli/EstimateTables.h"
#include "core/app/Version.h"
#include "core/model/ConsistentCaption.h"
#include "tests/cli/BatchRun.h"
#include "tests/core/report/ReportAnchors.h"

namespace qv {
namespace {
namespace fs = std::filesystem;

using testing::CommandResult;

using BatchEstimate = testing::EcsiBatchFolder;

std::string fileBytes(const fs::path& file) {
    std::stringstream content;
    content << std::ifstream(file, std::ios::binary).rdbuf();
    return content.str();
}

TEST_F(BatchEstimate, EstimatesTheExamplePrintsTheTablesAndKeepsTheFiles) {
    if (!fs::exists(fs::path(QV_START_DIR) / "pls")) GTEST_SKIP() << "the engine is not built";
    const CommandResult result = batch("estimate '" + (folder_ / "ecsi.qvt").string() + "'");
    EXPECT_EQ(result.status, 0) << result.output;
    EXPECT_NE(result.output.find("IMAG        EXPE            0.504914"), std::string::npos)
        << result.output;
    EXPECT_NE(result.output.find("SAT             0.681078"), std::string::npos);
    EXPECT_NE(result.output.find("CUSL3       LOY             0.915436    0.654310"),
              std::string::npos);
    EXPECT_TRUE(fs::exists(folder_ / "ecsi.pls"));
    EXPECT_TRUE(fs::exists(folder_ / "ecsi.out"));
}

TEST_F(BatchEstimate, JsonHoldsTheDocumentedKeysWithTheTablesFigures) {
    if (!fs::exists(fs::path(QV_START_DIR) / "pls")) GTEST_SKIP() << "the engine is not built";
    const fs::path out = folder_ / "results.json";
    const CommandResult result =
        batch("estimate " + testing::quoted(folder_ / "ecsi.qvt") + " --json " + testing::quoted(out));
    ASSERT_EQ(result.status, 0) << result.output;
    const auto json = nlohmann::json::parse(std::ifstream(out));
    EXPECT_FALSE(json["consistent"].get<bool>());
    EXPECT_TRUE(json["admissible"].get<bool>());
    EXPECT_EQ(json["constructs"], nlohmann::json({"IMAG", "EXPE", "QUAL", "VAL", "SAT", "COM", "LOY"}));
    ASSERT_EQ(json["paths"].size(), 12u);
    EXPECT_EQ(json["paths"][0], nlohmann::json({{"from", "IMAG"}, {"to", "EXPE"}, {"coefficient", 0.504914}}));
    EXPECT_DOUBLE_EQ(json["r2"]["SAT"].get<double>(), 0.681078);
    EXPECT_DOUBLE_EQ(json["loadings"]["CUSL3"].get<double>(), 0.915436);
    EXPECT_DOUBLE_EQ(json["weights"]["CUSL3"].get<double>(), 0.654310);
    EXPECT_EQ(json["loadings"].size(), 24u);
    // rho_A of an independent computation from the definition; the listing's weights carry
    // six decimals.
    const std::pair<const char*, double> rhoA[] = {
        {"IMAG", 0.740328516389994}, {"EXPE", 0.46205488770568}, {"QUAL", 0.884246470665428},
        {"VAL", 0.854996336807271},  {"SAT", 0.789101576188618}, {"COM", 1.0},
        {"LOY", 0.745733723639538}};
    for (const auto& [name, expected] : rhoA) EXPECT_NEAR(json["rho_a"][name].get<double>(), expected, 2e-6) << name;
    const auto& settings = json["settings"];
    EXPECT_EQ(settings["model_file"], (folder_ / "ecsi.qvt").string());
    EXPECT_EQ(settings["cases"], 250);
    EXPECT_EQ(settings["inner_weighting"], "path");
    EXPECT_EQ(settings["blindfolding"], "none");
    EXPECT_TRUE(settings["omission_distance"].is_null());

    const CommandResult blocked =
        batch("estimate " + testing::quoted(folder_ / "ecsi.qvt") + " --json " + testing::quoted(folder_));
    EXPECT_EQ(blocked.status, 1);
    EXPECT_NE(blocked.output.find("quorvanta-batch: cannot write " + folder_.string()), std::string::npos);
}

TEST_F(BatchEstimate, FailuresEndWithANonZeroStatusAndAMessage) {
    EXPECT_EQ(batch("").status, 2);
    EXPECT_EQ(batch("estimate").status, 2);
    const CommandResult wrongValue = batch("bootstrap m.qvt --confidence 80");
    EXPECT_EQ(wrongValue.status, 2);
    EXPECT_EQ(wrongValue.output, "quorvanta-batch: --confidence takes 90, 95 or 99: 80\n" + std::string(kBatchShortUsage));
    const CommandResult missing = batch("estimate '" + (folder_ / "none.qvt").string() + "'");
    EXPECT_NE(missing.status, 0);
    EXPECT_FALSE(missing.output.empty());
    fs::remove(folder_ / "mobi.txt");
    const CommandResult noData = batch("estimate '" + (folder_ / "ecsi.qvt").string() + "'");
    EXPECT_NE(noData.status, 0);
    EXPECT_NE(noData.output.find("Cannot Find Data File"), std::string::npos) << noData.output;
}

// A file the run cannot write (a folder in its place stops root as well) fails the run with
// its name and the reason, whichever command writes it.
TEST_F(BatchEstimate, AFileThatCannotBeWrittenEndsTheRunWithItsNameAndReason) {
    if (!fs::exists(fs::path(QV_START_DIR) / "pls")) GTEST_SKIP() << "the engine is not built";
    const std::pair<const char*, const char*> cases[] = {
        {"estimate", "ecsi.out"}, {"bootstrap --samples 5", "ecsi_boot.csv"}, {"tables", "ecsi_cfa.csv"}};
    for (const auto& [command, file] : cases) {
        fs::create_directories(folder_ / file / "in the way");
        const CommandResult run = batch(std::string(command) + " " + testing::quoted(folder_ / "ecsi.qvt"));
        EXPECT_EQ(run.status, 1) << command;
        EXPECT_NE(run.output.find("cannot write " + (folder_ / file).string() + ": Is a directory"),
                  std::string::npos)
            << run.output;
        for (const auto& entry : fs::directory_iterator(folder_))
            EXPECT_FALSE(entry.path().string().ends_with(".tmp~")) << entry.path();
        fs::remove_all(folder_ / file);
    }
}

// Output names from a model file that point at an input are refused before anything is
// written: the data and the model stay byte for byte.
TEST_F(BatchEstimate, OutputNamesThatWouldOverwriteAnInputAreRefused) {
    const std::string data = fileBytes(folder_ / "mobi.txt");
    const std::string model = fileBytes(folder_ / "ecsi.qvt");
    const std::string modelArgument = "'" + (folder_ / "ecsi.qvt").string() + "'";
    const std::pair<std::string, std::string> cases[] = {
        {"PLS=mobi.txt", "is also the data file"},
        {"Result=" + (folder_ / "ecsi.qvt").string(), "is also the model file"},
        {"BootStrap=same.bt\r\nJackKnife=same.bt", "is also the BootStrap file"}};
    for (const auto& [entries, why] : cases) {
        std::string edited = model;
        const std::string unnamed = "PLS=\r\nBootStrap=\r\nJackKnife=\r\nResult=\r\n";
        edited.replace(edited.find(unnamed), unnamed.size(), "");
        edited.replace(edited.find("Construct="), 0, entries + "\r\n");
        std::ofstream(folder_ / "ecsi.qvt", std::ios::binary) << edited;
        const CommandResult run = batch("bootstrap " + modelArgument + " --samples 10");
        EXPECT_NE(run.status, 0) << entries;
        EXPECT_NE(run.output.find(why), std::string::npos) << run.output;
        EXPECT_EQ(fileBytes(folder_ / "mobi.txt"), data);
        EXPECT_EQ(fileBytes(folder_ / "ecsi.qvt"), edited);
    }
}

TEST_F(BatchEstimate, SeededBootstrapRepeatsAndJackknifeKeepsItsFiles) {
    if (!fs::exists(fs::path(QV_START_DIR) / "pls")) GTEST_SKIP() << "the engine is not built";
    const std::string model = "'" + (folder_ / "ecsi.qvt").string() + "'";
    const CommandResult first = batch("bootstrap " + model + " --samples 40 --seed 3");
    const CommandResult second = batch("bootstrap --seed 3 --samples 40 " + model);
    EXPECT_EQ(first.status, 0) << first.output;
    EXPECT_EQ(first.output, second.output);
    EXPECT_NE(first.output.find("BootStrap summary"), std::string::npos);
    EXPECT_NE(first.output.find("SAT -> LOY                  0.485478"), std::string::npos)
        << first.output;
    for (const char* name : {"ecsi.bt", "ecsi.boot", "ecsi_bt.out", "ecsi_boot.csv"})
        EXPECT_TRUE(fs::exists(folder_ / name)) << name;
    const CommandResult jackknife = batch("jackknife " + model);
    EXPECT_EQ(jackknife.status, 0) << jackknife.output;
    EXPECT_NE(jackknife.output.find("JackKnife summary"), std::string::npos);
    for (const char* name : {"ecsi.jk", "ecsi.jack", "ecsi_jk.out", "ecsi_jack.csv"})
        EXPECT_TRUE(fs::exists(folder_ / name)) << name;
}

TEST_F(BatchEstimate, TablesWritesEveryResultTableAndTheInferenceAfterABootstrap) {
    if (!fs::exists(fs::path(QV_START_DIR) / "pls")) GTEST_SKIP() << "the engine is not built";
    const CommandResult result = batch("tables '" + (folder_ / "ecsi.qvt").string() + "'");
    EXPECT_EQ(result.status, 0) << result.output;
    for (const char* suffix : {"_cfa.csv", "_cor.csv", "_ave.csv", "_fs.csv", "_efa.csv", "_htmt.csv",
                               "_vif.csv", "_f2.csv", "_reliability.csv", "_effects.csv", "_fit.csv"}) {
        const fs::path file = folder_ / (std::string("ecsi") + suffix);
        EXPECT_TRUE(fs::exists(file)) << file;
        EXPECT_NE(result.output.find(file.string()), std::string::npos) << result.output;
    }
    const fs::path inference = folder_ / "ecsi_inference.csv";
    EXPECT_FALSE(fs::exists(inference));
    const CommandResult bootstrapped =
        batch("tables '" + (folder_ / "ecsi.qvt").string() + "' --bootstrap --samples 30 --seed 2 --confidence 99");
    ASSERT_EQ(bootstrapped.status, 0) << bootstrapped.output;
    EXPECT_TRUE(bootstrapped.output.ends_with(inference.string() + "\n")) << bootstrapped.output;
    std::ifstream in(inference, std::ios::binary);
    std::string header;
    std::getline(in, header);
    EXPECT_EQ(header, "Bootstrap inference: 30 subsamples, 0 rejected, seed 2, confidence 99%");
}

TEST_F(BatchEstimate, AssessPrintsTheTablesAndWritesTheJsonKeys) {
    if (!fs::exists(fs::path(QV_START_DIR) / "pls")) GTEST_SKIP() << "the engine is not built";
    const fs::path out = folder_ / "assessment.json";
    const CommandResult result =
        batch("assess " + testing::quoted(folder_ / "ecsi.qvt") + " --json " + testing::quoted(out));
    ASSERT_EQ(result.status, 0) << result.output;
    for (const char* line : {"\nHTMT2\n", "\nOuter VIF\n", "\nSRMR\n", "n/a  1.000000  1.000000  1.000000\n"})
        EXPECT_NE(result.output.find(line), std::string::npos) << line << "\n" << result.output;
    const auto json = nlohmann::json::parse(std::ifstream(out));
    for (const char* key : {"constructs", "htmt", "htmt2", "fornell_larcker", "vif_outer", "vif_inner", "f2",
                            "rho_a", "rho_c", "ave", "alpha", "r2", "r2_adjusted", "effects", "srmr", "consistent"})
        EXPECT_TRUE(json.contains(key)) << key;
    EXPECT_FALSE(json["consistent"].get<bool>());
    EXPECT_TRUE(json["alpha"]["COM"].is_null());
    EXPECT_NEAR(json["f2"]["IMAG->EXPE"].get<double>(), 0.342170326587691, 1e-6);

    const CommandResult unwritable =
        batch("assess " + testing::quoted(folder_ / "ecsi.qvt") + " --json " + testing::quoted(folder_));
    EXPECT_NE(unwritable.status, 0);
    EXPECT_NE(unwritable.output.find(folder_.string()), std::string::npos) << unwritable.output;
}

// The ECSI report after estimate, bootstrap and jackknife: every entry of its contents list
// leads to an anchor of the page.
TEST_F(BatchEstimate, ReportAfterBothResamplingRunsPrintsItsPathAndEveryEntryResolves) {
    if (!fs::exists(fs::path(QV_START_DIR) / "pls")) GTEST_SKIP() << "the engine is not built";
    const CommandResult result = batch("report '" + (folder_ / "ecsi.qvt").string() +
                                       "' --bootstrap --samples 30 --seed 4 --jackknife");
    ASSERT_EQ(result.status, 0) << result.output;
    const fs::path report = folder_ / "ecsi_report" / "WebOutput.html";
    EXPECT_EQ(result.output, report.string() + "\n");
    std::ifstream in(report, std::ios::binary);
    const std::string page{std::istreambuf_iterator<char>(in), {}};
    const auto targets = testing::contentsTargets(page);
    EXPECT_EQ(targets.size(), 20u);  // no R-square after resampling; six assessment sections, the inference
    const auto names = testing::anchorNames(page);
    for (const std::string& target : targets) EXPECT_TRUE(names.contains(target)) << target;
    EXPECT_NE(page.find("<td rowspan=5 align=center>IMAG<td>IMAG1<td>7.640000<td>1.699988"),
              std::string::npos);
    EXPECT_NE(page.find("No picture of the diagram was made."), std::string::npos);
    const std::string foot = std::string("<HR width=80%>\n<div align=right><font size=2>Quorvanta ") +
                             kProgramVersion + "</font></div>\n</BODY>\n</HTML>\n";
    EXPECT_EQ(page.substr(page.size() - foot.size()), foot);
}

TEST_F(BatchEstimate, GroupsComparesTheGroupsOfAConditionAndPrintsTheTable) {
    if (!fs::exists(fs::path(QV_START_DIR) / "pls")) GTEST_SKIP() << "the engine is not built";
    for (const char* name : {"satisfaction.qvt", "satisfaction.txt"})
        fs::copy_file(fs::path(QV_TEST_DATA_DIR) / "groups" / name, folder_ / name);
    const std::string model = "'" + (folder_ / "satisfaction.qvt").string() + "'";
    const CommandResult result =
        batch("groups " + model + " --group1 gender=1 --group2 gender=2 --samples 40 --seed 5");
    EXPECT_EQ(result.status, 0) << result.output;
    EXPECT_NE(result.output.find("Sample Size:\n\tGroup1: 148\n\tGroup2: 102\n Continue? [OK]"),
              std::string::npos)
        << result.output;
    EXPECT_NE(result.output.find("(Group1: 148 cases, Group2: 102 cases)"), std::string::npos);
    int rows = 0;
    for (size_t at = result.output.find("    248 "); at != std::string::npos;
         at = result.output.find("    248 ", at + 1))
        ++rows;
    EXPECT_EQ(rows, 10) << result.output;  // one per path, each with df 248
    EXPECT_TRUE(fs::exists(folder_ / "satisfaction.qvt_gp1.out"));
    EXPECT_EQ(result.output.find("Consistent PLS"), std::string::npos);
    // A model that asks for consistent PLS compares corrected figures and says so.
    std::string text = fileBytes(folder_ / "satisfaction.qvt");
    text.insert(text.find("[Resampling]"), "Consistent=1\r\n");
    std::ofstream(folder_ / "satisfaction.qvt", std::ios::binary) << text;
    const CommandResult consistent =
        batch("groups " + model + " --group1 gender=1 --group2 gender=2 --samples 40 --seed 5");
    EXPECT_EQ(consistent.status, 0) << consistent.output;
    EXPECT_NE(consistent.output.find(std::string(kConsistentGroupNote) + "\n"), std::string::npos) << consistent.output;
    const auto firstRow = [](const std::string& output) { return output.substr(output.find("t\n") + 2, 80); };
    EXPECT_NE(firstRow(consistent.output), firstRow(result.output));
    EXPECT_EQ(batch("groups " + model + " --group1 gender=1 --group2 genre=2 --samples 40 --seed 5")
                  .output,
              "quorvanta-batch: --group2: no variable \"genre\" in the raw data\n");
    EXPECT_NE(batch("groups " + model + " --group1 gender=1 --group2 gender=3").status, 0);
}

TEST(BatchOptions, ReadsCommandModelAndOptionsAndRefusesTheRest) {
    std::string error;
    const char* bootstrap[] = {"batch", "bootstrap", "m.qvt", "--samples", "500", "--seed", "9", "--cancel"};
    const auto options = ParseBatchOptions(8, bootstrap, error);
    ASSERT_TRUE(options.has_value()) << error;
    EXPECT_EQ(options->command, "bootstrap");
    EXPECT_EQ(options->modelFile, "m.qvt");
    EXPECT_EQ(options->samples, "500");
    EXPECT_EQ(options->seed, "9");
    EXPECT_TRUE(options->cancel);
    const char* samplesOnEstimate[] = {"batch", "estimate", "m.qvt", "--samples", "5"};
    EXPECT_FALSE(ParseBatchOptions(5, samplesOnEstimate, error));
    const char* missingValue[] = {"batch", "bootstrap", "m.qvt", "--seed"};
    EXPECT_FALSE(ParseBatchOptions(4, missingValue, error));
    EXPECT_EQ(error, "--seed needs a whole number");
    const char* unknownOption[] = {"batch", "bootstrap", "m.qvt", "--sample", "5"};
    EXPECT_FALSE(ParseBatchOptions(5, unknownOption, error));
    EXPECT_EQ(error, "unknown option: --sample");
    const char* unknown[] = {"batch", "print", "m.qvt"};
    EXPECT_FALSE(ParseBatchOptions(3, unknown, error));
    const char* report[] = {"batch", "report", "m.qvt", "--jackknife", "--bootstrap", "--seed", "2"};
    const auto reportOptions = ParseBatchOptions(7, report, error);
    ASSERT_TRUE(reportOptions.has_value()) << error;
    EXPECT_TRUE(reportOptions->bootstrap && reportOptions->jackknife);
    const char* seedWithoutBootstrap[] = {"batch", "report", "m.qvt", "--seed", "2"};
    EXPECT_FALSE(ParseBatchOptions(5, seedWithoutBootstrap, error));
    const char* jackknifeOnTables[] = {"batch", "tables", "m.qvt", "--jackknife"};
    EXPECT_FALSE(ParseBatchOptions(4, jackknifeOnTables, error));
    EXPECT_EQ(error, "--jackknife belongs to report");
    const char* bootstrapOnEstimate[] = {"batch", "estimate", "m.qvt", "--bootstrap"};
    EXPECT_FALSE(ParseBatchOptions(4, bootstrapOnEstimate, error));
    EXPECT_EQ(error, "--bootstrap belongs to report and tables");
    const char* tablesWithInference[] = {"batch", "tables", "m.qvt", "--bootstrap", "--confidence", "99"};
    const auto tablesOptions = ParseBatchOptions(6, tablesWithInference, error);
    ASSERT_TRUE(tablesOptions.has_value()) << error;
    EXPECT_EQ(tablesOptions->confidence, 99);
    const char* confidenceWithoutBootstrap[] = {"batch", "tables", "m.qvt", "--confidence", "99"};
    EXPECT_FALSE(ParseBatchOptions(5, confidenceWithoutBootstrap, error));
    EXPECT_EQ(error, "--confidence belongs to bootstrap");
    const char* oddConfidence[] = {"batch", "bootstrap", "m.qvt", "--confidence", "97.5"};
    EXPECT_FALSE(ParseBatchOptions(5, oddConfidence, error));
    EXPECT_EQ(error, "--confidence takes 90, 95 or 99: 97.5");
    const char* twoModels[] = {"batch", "estimate", "a.qvt", "b.qvt"};
    EXPECT_FALSE(ParseBatchOptions(4, twoModels, error));
    const char* groups[] = {"batch", "groups", "m.qvt", "--group1", "a=1", "b>=2.5", "--group2",
                            "a<>1", "--seed", "4"};
    const auto compared = ParseBatchOptions(10, groups, error);
    ASSERT_TRUE(compared.has_value()) << error;
    EXPECT_EQ(compared->group1, (std::vector<std::string>{"a=1", "b>=2.5"}));
    EXPECT_EQ(compared->group2, (std::vector<std::string>{"a<>1"}));
    EXPECT_EQ(compared->seed, "4");
    const char* oneGroup[] = {"batch", "groups", "m.qvt", "--group1", "a=1"};
    EXPECT_FALSE(ParseBatchOptions(5, oneGroup, error));
    const char* emptyGroup[] = {"batch", "groups", "m.qvt", "--group1", "--group2", "a=1"};
    EXPECT_FALSE(ParseBatchOptions(6, emptyGroup, error));
    const char* groupOnEstimate[] = {"batch", "estimate", "m.qvt", "--group1", "a=1"};
    EXPECT_FALSE(ParseBatchOptions(5, groupOnEstimate, error));
}

TEST(BatchOptions, HelpAndVersionWinAndJsonBelongsToEstimate) {
    std::string error;
    const char* help[] = {"batch", "estimate", "--help"};
    EXPECT_EQ(ParseBatchOptions(3, help, error)->command, "help");
    const char* version[] = {"batch", "--version"};
    EXPECT_EQ(ParseBatchOptions(2, version, error)->command, "version");
    const char* json[] = {"batch", "estimate", "m.qvt", "--json", "out.json"};
    const auto withJson = ParseBatchOptions(5, json, error);
    ASSERT_TRUE(withJson.has_value()) << error;
    EXPECT_EQ(withJson->json, "out.json");
    const char* jsonOnTables[] = {"batch", "tables", "m.qvt", "--json", "out.json"};
    EXPECT_FALSE(ParseBatchOptions(5, jsonOnTables, error));
    EXPECT_EQ(error, "--json belongs to estimate, assess, bootstrap and predict");
    const char* jsonOnAssess[] = {"batch", "assess", "m.qvt", "--json", "out.json"};
    EXPECT_TRUE(ParseBatchOptions(5, jsonOnAssess, error));
    const char* jsonOnPredict[] = {"batch", "predict", "m.qvt", "--json", "out.json"};
    EXPECT_TRUE(ParseBatchOptions(5, jsonOnPredict, error));
}

TEST(BatchOptions, PredictTakesWholeFoldsRepetitionsSeedAndATechniqueOfItsOwn) {
    std::string error;
    const char* predict[] = {"batch", "predict", "m.qvt", "--folds", "250", "--repetitions", "1",
                             "--seed", "-3", "--technique", "ea"};
    const auto options = ParseBatchOptions(11, predict, error);
    ASSERT_TRUE(options.has_value()) << error;
    EXPECT_EQ(options->command, "predict");
    EXPECT_EQ(options->folds, 250);
    EXPECT_EQ(options->repetitions, 1);
    EXPECT_EQ(options->seed, "-3");
    EXPECT_EQ(options->technique, "ea");
    const char* fractionalFolds[] = {"batch", "predict", "m.qvt", "--folds", "2.5"};
    EXPECT_FALSE(ParseBatchOptions(5, fractionalFolds, error));
    EXPECT_EQ(error, "--folds needs a whole number: 2.5");
    const char* otherTechnique[] = {"batch", "predict", "m.qvt", "--technique", "all"};
    EXPECT_FALSE(ParseBatchOptions(5, otherTechnique, error));
    EXPECT_EQ(error, "--technique takes da or ea: all");
    const char* textSeed[] = {"batch", "predict", "m.qvt", "--seed", "seven"};
    EXPECT_FALSE(ParseBatchOptions(5, textSeed, error));
    EXPECT_EQ(error, "--seed needs a whole number: seven");
    const char* foldsOnBootstrap[] = {"batch", "bootstrap", "m.qvt", "--folds", "5"};
    EXPECT_FALSE(ParseBatchOptions(5, foldsOnBootstrap, error));
    EXPECT_EQ(error, "--folds, --repetitions and --technique belong to predict");
    const char* samplesOnPredict[] = {"batch", "predict", "m.qvt", "--samples", "5"};
    EXPECT_FALSE(ParseBatchOptions(5, samplesOnPredict, error));
    EXPECT_EQ(error, "--samples belongs to bootstrap");
    // The report predicts with the same options; no other command takes --predict.
    const char* reportPredicts[] = {"batch", "report", "m.qvt", "--predict", "--folds", "5", "--seed", "4"};
    const auto report = ParseBatchOptions(8, reportPredicts, error);
    ASSERT_TRUE(report.has_value()) << error;
    EXPECT_TRUE(report->predict);
    EXPECT_EQ(report->folds, 5);
    const char* foldsOnReport[] = {"batch", "report", "m.qvt", "--folds", "5"};
    EXPECT_FALSE(ParseBatchOptions(5, foldsOnReport, error));
    EXPECT_EQ(error, "--folds, --repetitions and --technique belong to predict");
    const char* predictOnTables[] = {"batch", "tables", "m.qvt", "--predict"};
    EXPECT_FALSE(ParseBatchOptions(4, predictOnTables, error));
    EXPECT_EQ(error, "--predict belongs to report");
}

TEST_F(BatchEstimate, HelpAndVersionPrintToStandardOutputAndSucceed) {
    const CommandResult help = batch("--help");
    EXPECT_EQ(help.status, 0);
    EXPECT_EQ(help.output, kBatchUsage);
    const CommandResult version = batch("--version");
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.output, std::string("quorvanta-batch ") + kProgramVersion + "\n");
}

TEST(BatchPorts, QuestionsTakeTheDefaultAnswerAndMessagesGoToTheErrorStream) {
    std::ostringstream errors;
    BatchPorts user(errors, false);
    EXPECT_TRUE(user.askOkCancel({"", "Replace these fields with Missing value?", "Replacement"}));
    EXPECT_FALSE(user.askYesNo({"", "Locate?", ""}));
    user.tell({"MSG_SaveOK", "The model was saved.", ""});
    EXPECT_EQ(errors.str(),
              "quorvanta-batch: Replacement: Replace these fields with Missing value? [OK]\n"
              "quorvanta-batch: Locate? [No]\nquorvanta-batch: The model was saved.\n");
    BatchPorts cancelling(errors, true);
    EXPECT_FALSE(cancelling.askOkCancel({"", "Go on?", ""}));
    // A batch run never writes over the user's model file.
    EXPECT_EQ(user.askSaveDiscardCancel({"", "Save?", ""}), SaveAnswer::Discard);
    EXPECT_EQ(cancelling.askSaveDiscardCancel({"", "Save?", ""}), SaveAnswer::Cancel);
}

TEST(EstimateTables, ListsPathsConstructsAndAssignedIndicatorsInConstructOrder) {
    ProjectModel model;
    model.nConstruct = 2;
    model.constructs[0].caption = "A";
    model.constructs[1].caption = "B";
    model.constructs[1].rSquare = 0.25f;
    model.nPath = 1;
    model.paths[0] = Path{.src = 0, .dest = 1, .coefficient = 0.5f};
    model.nIndicator = 3;
    model.indicators[0] = Indicator{.caption = "b1", .construct = 1, .loading = 1, .weight = 1};
    model.indicators[1] = Indicator{.caption = "free"};
    model.indicators[2] = Indicator{.caption = "a1", .construct = 0, .loading = -0.5f, .weight = 0.75f};
    std::ostringstream out;
    PrintEstimateTables(model, out);
    EXPECT_EQ(out.str(),
              "Path coefficients\n"
              "From        To           Coefficient\n"
              "A           B               0.500000\n"
              "\nConstructs\n"
              "Construct       R-square\n"
              "A               0.000000\n"
              "B               0.250000\n"
              "\nOuter model\n"
              "Indicator   Construct        Loading      Weight\n"
              "a1          A              -0.500000    0.750000\n"
              "b1          B               1.000000    1.000000\n");
}

TEST(EstimateTables, AQ2ThatCouldNotBeComputedIsNaWithItsReason) {
    ProjectModel model;
    model.nConstruct = 3;
    for (int k = 0; k < 3; ++k) {
        model.constructs[k].caption = std::string(1, char('A' + k));
        model.constructs[k].q2Kind = 1;
    }
    model.constructs[1].q2 = 0.25f;
    model.constructs[1].q2sd = 0.125f;
    model.constructs[2].q2Missing = "the omitted points do not vary";
    std::ostringstream out;
    PrintEstimateTables(model, out);
    EXPECT_NE(out.str().find("Construct       R-square    Q-square       Q2 SD\n"
                             "A               0.000000    0.000000    0.000000\n"
                             "B               0.000000    0.250000    0.125000\n"
                             "C               0.000000         n/a         n/a  (the omitted points do not vary)\n"),
              std::string::npos)
        << out.str();
}

}  // namespace
}  // namespace qv
