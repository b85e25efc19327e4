#include "core/model/ModelFile.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <regex>
#include <tuple>

#include "core/support/TempFolder.h"

namespace qv {
namespace {

namespace fs = std::filesystem;
using testing::readBytes;
using testing::TempFolder;

const fs::path kData = fs::path(QV_TEST_DATA_DIR) / "modelfile";

void addConstruct(ProjectModel& model, const char* caption, int x, int y, int type, int order = 1) {
    model.currentOrder = order;
    ASSERT_TRUE(model.addConstruct(x, y));
    model.constructs[model.nConstruct - 1].caption = caption;
    model.constructs[model.nConstruct - 1].type = type;
}

// Four constructs (one second-order with one member), four raw indicators and one product term.
std::unique_ptr<ProjectModel> knownModel() {
    auto model = std::make_unique<ProjectModel>();
    model->radius = 30;
    model->rebuildIndicators({"img1", "img2", "qual1", "loy1"});
    addConstruct(*model, "Image", 120, 80, 0);
    addConstruct(*model, "Quality", 120, 240, 1);
    addConstruct(*model, "Loyalty", 400, 80, 0);
    addConstruct(*model, "Overall", 400, 200, 1, 2);
    Indicator product;
    product.caption = "img1_loy1";
    product.interaction = true;
    product.predictor = 0;
    product.moderator = 3;
    product.standardized = true;
    model->addProductIndicator(product);
    for (auto [indicator, construct] : {std::pair{0, 0}, {1, 0}, {2, 1}, {3, 2}, {4, 1}})
        model->assignIndicator(indicator, construct);
    model->linkConstruct(2, 3);
    model->addPath(0, 3);
    model->addPath(1, 3);
    return model;
}

ModelSettings knownSettings() {
    ModelSettings settings;
    settings.raw = "/data/study files/study.dat";
    settings.files = {"/data/study.qvt", "/data/study.pls", "/data/study.bt", "/data/study.jk",
                      "C:\\results\\study.out"};
    ModelParameters& p = settings.parameters;
    p.missingValue = "-99";
    p.blindfolding = 2;
    p.iterationCycle = 1;
    p.specification = 0;
    p.result = 3;
    p.innerWeighting = 2;
    p.maxIteration = "300";
    p.decimal = "2";
    p.metric = 1;
    p.blindFoldingType = 1;
    p.blindFoldingDistance = 4;
    settings.resampling = {"500", "10", "1", "42", true};
    return settings;
}

TEST(ModelFile, KnownModelIsWrittenByteForByte) {
    TempFolder folder;
    const auto model = knownModel();
    ASSERT_FALSE(ModelFile::write(folder / "study.qvt", *model, knownSettings(), 4).has_value());
    EXPECT_EQ(readBytes(folder / "study.qvt"), readBytes(kData / "known.qvt"));
}

TEST(ModelFile, ReadingGivesBackWhatWasWritten) {
    auto model = std::make_unique<ProjectModel>();
    model->constructs[0].rSquare = 0.7f;
    model->indicators[1].loading = 0.9f;
    ModelSettings settings;
    const ModelFileRead read = ModelFile::read(kData / "known.qvt", *model, settings);
    EXPECT_EQ(read.storedVariables, 4);
    EXPECT_TRUE(read.refusal.empty());
    EXPECT_TRUE(read.problems.empty());
    const auto expected = knownModel();
    ASSERT_EQ(model->nConstruct, 4);
    ASSERT_EQ(model->nIndicator, 5);
    EXPECT_EQ(model->nProduct, 1);
    ASSERT_EQ(model->nPath, 2);
    for (int c = 0; c < 4; ++c) {
        const Construct &got = model->constructs[c], &want = expected->constructs[c];
        EXPECT_EQ(std::tie(got.caption, got.x, got.y, got.type, got.nInd, got.order, got.nCon, got.construct),
                  std::tie(want.caption, want.x, want.y, want.type, want.nInd, want.order, want.nCon, want.construct));
        EXPECT_EQ(got.scoreIndicator, -1);
    }
    EXPECT_EQ(model->constructs[0].rSquare, 0);
    EXPECT_EQ(model->indicators[1].loading, 0);
    const Indicator& product = model->indicators[4];
    EXPECT_EQ(product.caption, "img1_loy1");
    EXPECT_TRUE(product.interaction && product.standardized && !product.meanCentered);
    EXPECT_EQ(product.moderator, 3);
    EXPECT_EQ(model->paths[1].src, 1);
    EXPECT_TRUE(model->hasSecondOrder);
    const ModelSettings want = knownSettings();
    EXPECT_EQ(settings.raw, want.raw);
    EXPECT_EQ(settings.files.result, want.files.result);
    EXPECT_EQ(settings.parameters.missingValue, "-99");
    EXPECT_EQ(settings.parameters.blindFoldingDistance, 4);
    EXPECT_EQ(settings.parameters.maxIteration, "300");
    EXPECT_EQ(settings.resampling.seed, "42");
    EXPECT_TRUE(settings.resampling.process);
}

// Names of eight characters as old files hold them, and names as long as people write them,
// come back from a save byte for byte.
TEST(ModelFile, ShortAndLongNamesSaveAsTheyWereRead) {
    TempFolder folder;
    const std::string known = readBytes(fs::path(QV_EXAMPLES_DIR) / "ecsi" / "ecsi.qvt");
    const std::string renamed = std::regex_replace(
        known, std::regex("Caption_2=QUAL"), "Caption_2=Qualität der Leistung im Überblick, 2026");
    ASSERT_NE(renamed, known);
    for (const std::string& bytes : {known, renamed}) {
        folder.write("old.qvt", bytes);
        auto model = std::make_unique<ProjectModel>();
        ModelSettings settings;
        const ModelFileRead read = ModelFile::read(folder / "old.qvt", *model, settings);
        ASSERT_TRUE(read.problems.empty());
        ASSERT_FALSE(ModelFile::write(folder / "old.qvt", *model, settings, read.storedVariables).has_value());
        EXPECT_EQ(readBytes(folder / "old.qvt"), bytes);
    }
}

// The sheet chosen in a workbook goes into a section older readers skip, and stays there
// once it was written, emptied when the first sheet is read again.
TEST(ModelFile, TheChosenSheetIsKeptInASectionOfItsOwn) {
    TempFolder folder;
    const std::string example = readBytes(fs::path(QV_EXAMPLES_DIR) / "ecsi" / "ecsi.qvt");
    folder.write("sheet.qvt", example);
    auto model = std::make_unique<ProjectModel>();
    ModelSettings settings;
    const ModelFileRead read = ModelFile::read(folder / "sheet.qvt", *model, settings);
    EXPECT_EQ(settings.sheet, "");
    settings.sheet = "Zweite Welle";
    ASSERT_FALSE(ModelFile::write(folder / "sheet.qvt", *model, settings, read.storedVariables).has_value());
    EXPECT_EQ(readBytes(folder / "sheet.qvt"), example + "[Data]\r\nSheet=Zweite Welle\r\n");
    ModelSettings again;
    ASSERT_TRUE(ModelFile::read(folder / "sheet.qvt", *model, again).problems.empty());
    EXPECT_EQ(again.sheet, "Zweite Welle");
    again.sheet.clear();
    ASSERT_FALSE(ModelFile::write(folder / "sheet.qvt", *model, again, read.storedVariables).has_value());
    EXPECT_EQ(readBytes(folder / "sheet.qvt"), example + "[Data]\r\nSheet=\r\n");
}

TEST(ModelFile, SavingThreeConstructsOverFiveLeavesRecordsThreeAndFour) {
    TempFolder folder;
    fs::copy_file(kData / "five_constructs.qvt", folder / "model.qvt");
    ProjectModel model;
    model.rebuildIndicators({"a", "b"});
    addConstruct(model, "A", 10, 10, 0);
    addConstruct(model, "B", 50, 10, 0);
    addConstruct(model, "C", 90, 10, 0);
    model.assignIndicator(0, 0);
    model.assignIndicator(1, 1);
    model.addPath(0, 1);
    model.addPath(1, 2);
    ModelSettings settings;
    settings.raw = "/new/data.dat";
    settings.parameters = ModelParameters::resetValues();
    settings.parameters.missingValue = "";  // no code: stored as 0
    ASSERT_FALSE(ModelFile::write(folder / "model.qvt", model, settings, 2).has_value());
    EXPECT_EQ(readBytes(folder / "model.qvt"), readBytes(kData / "three_over_five.qvt"));

    ProjectModel reopened;
    ModelSettings read;
    ModelFile::read(folder / "model.qvt", reopened, read);
    EXPECT_EQ(reopened.nConstruct, 3);
    EXPECT_EQ(reopened.nIndicator, 2);
    EXPECT_EQ(read.parameters.missingValue, "");  // 0 is shown as an empty entry
}

TEST(ModelFile, FileWithoutParameterGivesTheDefaults) {
    ProjectModel model;
    ModelSettings settings;
    settings.parameters.maxIteration = "7";
    settings.resampling.nSample = "9";
    ModelFile::read(kData / "no_parameter.qvt", model, settings);
    const ModelParameters& p = settings.parameters;
    EXPECT_EQ(p.missingValue, "");
    EXPECT_EQ(p.blindfolding, 1);
    EXPECT_EQ(p.specification, 1);
    EXPECT_EQ(p.result, 2);
    EXPECT_EQ(p.maxIteration, "100");
    EXPECT_EQ(p.decimal, "0");
    EXPECT_EQ(settings.resampling.nSample, "100");
    EXPECT_EQ(settings.resampling.jackKnife, "1");
    EXPECT_EQ(settings.raw, "data.dat");
    ASSERT_EQ(model.nIndicator, 2);
    EXPECT_FALSE(model.indicators[0].interaction);
    EXPECT_EQ(model.indicators[0].predictor, 0);  // keys of a non-product indicator are ignored
    EXPECT_EQ(model.indicators[1].construct, -1);
    EXPECT_FALSE(model.indicators[1].meanCentered);
    EXPECT_EQ(model.constructs[0].nInd, 1);
}

TEST(ModelFile, EntryThatIsNotAnIntegerStopsTheWriteAndLeavesTheFile) {
    TempFolder folder;
    fs::copy_file(kData / "known.qvt", folder / "study.qvt");
    const auto model = knownModel();
    ModelSettings settings = knownSettings();
    settings.parameters.maxIteration = "1OO";
    EXPECT_EQ(ModelFile::write(folder / "study.qvt", *model, settings, 4),
              std::optional<std::string>("'1OO' is not a valid integer value"));
    settings.parameters.maxIteration = "300";
    settings.resampling.seed = "";
    EXPECT_EQ(ModelFile::write(folder / "study.qvt", *model, settings, 4),
              std::optional<std::string>("'' is not a valid integer value"));
    EXPECT_EQ(readBytes(folder / "study.qvt"), readBytes(kData / "known.qvt"));
}

TEST(ModelFile, ResamplingOkWritesOnlyItsFourEntries) {
    TempFolder folder;
    fs::copy_file(kData / "known.qvt", folder / "study.qvt");
    ResamplingOptions options{"2000", "10", "1", "7", false};
    ASSERT_FALSE(ModelFile::writeResampling(folder / "study.qvt", options).has_value());
    std::string expected = readBytes(kData / "known.qvt");
    expected.replace(expected.find("nSample=500"), 11, "nSample=2000");
    expected.replace(expected.find("Seed=42"), 7, "Seed=7");
    EXPECT_EQ(readBytes(folder / "study.qvt"), expected);  // Process stays 1
    options.cases = "ten";
    EXPECT_EQ(ModelFile::writeResampling(folder / "study.qvt", options),
              std::optional<std::string>("'ten' is not a valid integer value"));
}

// The confidence level came after the other entries: a file at the usual 95 percent keeps the
// bytes older versions wrote, another level is an entry of its own that reads back.
TEST(ModelFile, TheConfidenceLevelIsAnEntryOnlyAwayFromNinetyFive) {
    TempFolder folder;
    fs::copy_file(kData / "known.qvt", folder / "study.qvt");
    ResamplingOptions options{"500", "10", "1", "42", true};
    ASSERT_FALSE(ModelFile::writeResampling(folder / "study.qvt", options).has_value());
    EXPECT_EQ(readBytes(folder / "study.qvt"), readBytes(kData / "known.qvt"));
    options.confidence = 99;
    ASSERT_FALSE(ModelFile::writeResampling(folder / "study.qvt", options).has_value());
    EXPECT_NE(readBytes(folder / "study.qvt").find("Process=1\r\nConfidence=99\r\n"), std::string::npos);
    auto model = std::make_unique<ProjectModel>();
    ModelSettings settings;
    EXPECT_TRUE(ModelFile::read(folder / "study.qvt", *model, settings).problems.empty());
    EXPECT_EQ(settings.resampling.confidence, 99);
    options.confidence = 95;  // back to the usual level: the entry says so
    ASSERT_FALSE(ModelFile::writeResampling(folder / "study.qvt", options).has_value());
    EXPECT_NE(readBytes(folder / "study.qvt").find("Confidence=95\r\n"), std::string::npos);
}

std::vector<std::string> described(const ModelFileRead& read) {
    std::vector<std::string> lines;
    for (const ModelFileProblem& problem : read.problems) lines.push_back(problem.describe());
    return lines;
}

bool listed(const ModelFileRead& read, const std::string& line) {
    const auto lines = described(read);
    return std::find(lines.begin(), lines.end(), line) != lines.end();
}

// The ECSI example copied into a folder of its own and read: a file of entries added later
// is written back from it, read again and damaged by hand.
struct ExampleCopy {
    TempFolder folder;
    fs::path file;
    std::string bytes = readBytes(fs::path(QV_EXAMPLES_DIR) / "ecsi" / "ecsi.qvt");
    std::unique_ptr<ProjectModel> model = std::make_unique<ProjectModel>();
    ModelSettings settings;
    ModelFileRead read;

    explicit ExampleCopy(const std::string& name) : file(folder / name) {
        folder.write(name, bytes);
        read = ModelFile::read(file, *model, settings);
    }
    bool write(const ModelSettings& written) {
        return !ModelFile::write(file, *model, written, read.storedVariables).has_value();
    }
    // The file read again; its problems described.
    std::vector<std::string> reread(ModelSettings& into) { return described(ModelFile::read(file, *model, into)); }
    void replace(std::string text, const std::string& from, const std::string& to) {
        text.replace(text.find(from), from.size(), to);
        folder.write(file.filename().string(), text);
    }
};

TEST(ModelFile, DamagedFileIsHeldToTheTablesAndEveryRepairIsListed) {
    TempFolder folder;
    folder.write("bad.qvt",
                 "[Basic]\nConstruct=999\nIndicator=1250\nProduct=100\nPath=-4\n"
                 "[Construct]\nCaption_0=Qualität der Leistung und der Beratungen!\nConstruct_1=0\n"
                 "[Indicator]\nConstruct_0=57\nConstruct_1=1\n\x01\xff garbage\n");
    ProjectModel model;
    ModelSettings settings;
    const ModelFileRead read = ModelFile::read(folder / "bad.qvt", model, settings);
    EXPECT_EQ(model.nConstruct, 24);
    EXPECT_EQ(model.nIndicator, 1288);
    EXPECT_EQ(model.nProduct, 38);
    EXPECT_EQ(model.nPath, 0);
    EXPECT_EQ(model.constructs[0].caption, "Qualität der Leistung und der Beratungen");
    EXPECT_EQ(model.constructs[1].construct, -1);  // construct 0 is not second-order
    EXPECT_EQ(model.indicators[0].construct, -1);
    EXPECT_EQ(model.constructs[1].nInd, 1);
    for (const char* line : {"[Basic] Raw: missing; left empty", "[Basic] Construct = '999': out of range 0..24; 24 used",
                             "[Basic] Product = '100': out of range 0..38; 38 used",
                             "[Basic] Path = '-4': out of range 0..276; 0 used",
                             "[Construct] Caption_0 = 'Qualität der Leistung und der Beratungen!': longer than 40 characters; cut to Qualität der Leistung und der Beratungen",
                             "[Construct] X_0: missing; 0 used",
                             "[Indicator] Construct_0 = '57': out of range -1..23; -1 used",
                             "[Construct] Construct_1 = '0': names no second-order construct it can belong to; left unlinked",
                             "[Parameter]: section missing; defaults used"})
        EXPECT_TRUE(listed(read, line)) << line;
}

// Each damaged entry is listed once, in reading order, with what the model holds instead;
// an indicator never leaves its construct without a line.
TEST(ModelFile, HandEditedEntriesOutOfRangeAreListedWithTheValueUsed) {
    TempFolder folder;
    std::string text = readBytes(kData / "known.qvt");
    const auto replace = [&text](const std::string& from, const std::string& to) {
        const auto at = text.find(from);
        ASSERT_NE(at, std::string::npos) << from;
        text.replace(at, from.size(), to);
    };
    replace("X_0=120", "X_0 = 1o");
    replace("Type_1=1", "Type_1=3");
    replace("Construct_3=2", "Construct_3=3");  // indicator 3 on the second-order construct
    replace("Blindfolding=2", "Blindfolding=9");
    replace("MaxIteration=300", "MaxIteration=2147483647");
    replace("nSample=500", "nSample=2147483647");
    replace("Process=1\r\n", "Confidence=97\r\n");
    folder.write("edited.qvt", "\xEF\xBB\xBF" + text);
    auto model = std::make_unique<ProjectModel>();
    ModelSettings settings;
    const ModelFileRead read = ModelFile::read(folder / "edited.qvt", *model, settings);
    EXPECT_EQ(described(read),
              (std::vector<std::string>{"[Construct] X_0 = '1o': not an integer; 0 used",
                                        "[Construct] Type_1 = '3': out of range 0..1; 0 used",
                                        "[Indicator] Construct_3 = '3': names a second-order construct; left unassigned",
                                        "[Parameter] Blindfolding = '9': out of range 0..3; 1 used",
                                        "[Parameter] MaxIteration = '2147483647': out of range 1..100000; 100 used",
                                        "[Resampling] nSample = '2147483647': out of range 2..1000000; 100 used",
                                        "[Resampling] Process: missing; 0 used",
                                        "[Resampling] Confidence = '97': not one of 90, 95, 99; 95 used"}));
    EXPECT_EQ(model->constructs[0].x, 0);
    EXPECT_EQ(model->indicators[3].construct, -1);
    EXPECT_EQ(settings.parameters.blindfolding, 1);
    EXPECT_EQ(settings.resampling.confidence, 95);
    EXPECT_EQ(model->nConstruct, 4);  // the byte-order mark did not hide [Basic]
}

TEST(ModelFile, FileThatIsNoModelIsRefusedAndChangesNothing) {
    TempFolder folder;
    const std::pair<const char*, std::string> files[] = {
        {"the file is empty", " \r\n"},
        {"the file is not text", std::string("[Basic]\r\nRaw=\0x\r\n", 17)},
        {"the file has no [Basic] section", "x1 x2 x3\r\n1 2 3\r\n"}};
    for (const auto& [reason, bytes] : files) {
        folder.write("other.txt", bytes);
        auto model = std::make_unique<ProjectModel>();
        model->nConstruct = 3;
        ModelSettings settings;
        settings.raw = "kept.dat";
        const ModelFileRead read = ModelFile::read(folder / "other.txt", *model, settings);
        EXPECT_EQ(read.refusal, reason);
        EXPECT_EQ(model->nConstruct, 3);
        EXPECT_EQ(settings.raw, "kept.dat");
    }
    ProjectModel model;
    ModelSettings settings;
    EXPECT_EQ(ModelFile::read(folder / "missing.qvt", model, settings).refusal,
              "cannot be read: No such file or directory");
}

// Consistent PLS came after the other parameters: a model that never asked for it keeps its
// bytes; once asked for, the entry stays, reads back, and a value other than 0 or 1 is listed.
TEST(ModelFile, ConsistentPlsIsAParameterEntryOnlyOnceAskedFor) {
    ExampleCopy copy("plsc.qvt");
    ASSERT_TRUE(copy.read.problems.empty());
    EXPECT_FALSE(copy.settings.parameters.consistent);
    ASSERT_TRUE(copy.write(copy.settings));
    EXPECT_EQ(readBytes(copy.file), copy.bytes);
    copy.settings.parameters.consistent = true;
    ASSERT_TRUE(copy.write(copy.settings));
    const std::string on = readBytes(copy.file);
    EXPECT_NE(on.find("\r\nConsistent=1\r\n[Resampling]"), std::string::npos);
    ModelSettings again;
    ASSERT_TRUE(copy.reread(again).empty());
    EXPECT_TRUE(again.parameters.consistent);
    again.parameters.consistent = false;
    ASSERT_TRUE(copy.write(again));
    EXPECT_NE(readBytes(copy.file).find("\r\nConsistent=0\r\n"), std::string::npos);
    copy.replace(on, "Consistent=1", "Consistent=yes");
    ModelSettings damaged;
    EXPECT_EQ(copy.reread(damaged), std::vector<std::string>{"[Parameter] Consistent = 'yes': not one of 0, 1; 0 used"});
    EXPECT_FALSE(damaged.parameters.consistent);
}

// The prediction's options came later: a model with the usual ones keeps its bytes; others go
// into a section of their own, with the model or alone (the dialog's OK), and read back; a
// damaged entry is listed with the value used.
TEST(ModelFile, PredictOptionsAreASectionOnlyAwayFromTheUsualOnes) {
    ExampleCopy copy("predict.qvt");
    ASSERT_TRUE(copy.read.problems.empty());
    EXPECT_EQ(copy.settings.predict, PredictOptions{});
    ASSERT_TRUE(copy.write(copy.settings));
    ASSERT_FALSE(ModelFile::writePredict(copy.file, copy.settings.predict).has_value());
    EXPECT_EQ(readBytes(copy.file), copy.bytes);

    copy.settings.predict = {250, 1, -7, PredictTechnique::EarliestAntecedents};
    ASSERT_TRUE(copy.write(copy.settings));
    const std::string kept = readBytes(copy.file);
    EXPECT_NE(kept.find("[Predict]\r\nFolds=250\r\nRepetitions=1\r\nSeed=-7\r\nTechnique=1\r\n"), std::string::npos);
    ModelSettings again;
    ASSERT_TRUE(copy.reread(again).empty());
    EXPECT_EQ(again.predict, copy.settings.predict);
    // Back to the usual options alone: the section says so.
    ASSERT_FALSE(ModelFile::writePredict(copy.file, PredictOptions{}).has_value());
    EXPECT_NE(readBytes(copy.file).find("[Predict]\r\nFolds=10\r\nRepetitions=10\r\nSeed=0\r\nTechnique=0"),
              std::string::npos);

    copy.replace(kept, "Folds=250", "Folds=1");
    copy.replace(readBytes(copy.file), "Technique=1", "Technique=ea");
    ModelSettings repaired;
    EXPECT_EQ(copy.reread(repaired), (std::vector<std::string>{"[Predict] Folds = '1': out of range 2..1000000; 10 used",
                                                               "[Predict] Technique = 'ea': not one of 0, 1; 0 used"}));
    EXPECT_EQ(repaired.predict, (PredictOptions{10, 1, -7, PredictTechnique::DirectAntecedents}));
}

// Boxes the user moved keep their places in a section of their own; a model without one keeps
// its bytes, a box laid out again loses its entries, and a damaged place is reported.
TEST(ModelFile, MovedIndicatorBoxesAreKeptInASectionOfTheirOwn) {
    TempFolder folder;
    const std::string example = readBytes(fs::path(QV_EXAMPLES_DIR) / "ecsi" / "ecsi.qvt");
    folder.write("boxes.qvt", example);
    auto model = std::make_unique<ProjectModel>();
    ModelSettings settings;
    const ModelFileRead read = ModelFile::read(folder / "boxes.qvt", *model, settings);
    ASSERT_TRUE(read.problems.empty());
    ASSERT_FALSE(ModelFile::write(folder / "boxes.qvt", *model, settings, read.storedVariables).has_value());
    EXPECT_EQ(readBytes(folder / "boxes.qvt"), example);

    for (auto [n, dx, dy] : {std::tuple{3, -70, 45}, {5, 0, -80}}) {
        Indicator& indicator = model->indicators[n];
        indicator.boxPlaced = true;
        indicator.boxDx = dx;
        indicator.boxDy = dy;
    }
    ASSERT_FALSE(ModelFile::write(folder / "boxes.qvt", *model, settings, read.storedVariables).has_value());
    const std::string moved = readBytes(folder / "boxes.qvt");
    EXPECT_TRUE(moved.ends_with("[IndicatorBox]\r\nDX_3=-70\r\nDY_3=45\r\nDX_5=0\r\nDY_5=-80\r\n")) << moved;
    auto again = std::make_unique<ProjectModel>();
    ASSERT_TRUE(ModelFile::read(folder / "boxes.qvt", *again, settings).problems.empty());
    EXPECT_TRUE(again->indicators[3].boxPlaced && again->indicators[5].boxPlaced);
    EXPECT_EQ(again->indicators[3].boxDx, -70);
    EXPECT_EQ(again->indicators[5].boxDy, -80);
    EXPECT_FALSE(again->indicators[4].boxPlaced);

    again->indicators[3].boxPlaced = false;
    ASSERT_FALSE(ModelFile::write(folder / "boxes.qvt", *again, settings, read.storedVariables).has_value());
    EXPECT_TRUE(readBytes(folder / "boxes.qvt").ends_with("[IndicatorBox]\r\nDX_5=0\r\nDY_5=-80\r\n"));

    std::string damaged = moved;
    damaged.replace(damaged.find("DY_3=45"), 7, "DY_3=far");
    damaged.replace(damaged.find("DX_5=0\r\n"), 8, "");
    folder.write("boxes.qvt", damaged);
    auto repaired = std::make_unique<ProjectModel>();
    EXPECT_EQ(described(ModelFile::read(folder / "boxes.qvt", *repaired, settings)),
              (std::vector<std::string>{"[IndicatorBox] DY_3 = 'far': not an integer; box laid out beside its construct",
                                        "[IndicatorBox] DX_5: missing; box laid out beside its construct"}));
    EXPECT_FALSE(repaired->indicators[3].boxPlaced);
    EXPECT_FALSE(repaired->indicators[5].boxPlaced);
}

}  // namespace
}  // namespace qv
