// The batch program on data as researchers keep it: names as long as people write them and
// files of spreadsheets and statistics packages.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <regex>
#include <sstream>

#include "core/app/LanguageTexts.h"
#include "core/editing/ModelTree.h"
#include "core/model/ModelFile.h"
#include "tests/cli/BatchRun.h"

namespace qv {
namespace {
namespace fs = std::filesystem;

using testing::CommandResult;

std::string bytesOf(const fs::path& path) {
    std::stringstream bytes;
    bytes << std::ifstream(path, std::ios::binary).rdbuf();
    return bytes.str();
}

void writeBytes(const fs::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

// The ECSI names as a researcher writes them; blocks the model does not rename keep theirs.
std::string longName(const std::string& name) {
    static const std::pair<std::regex, const char*> renames[] = {
        {std::regex("^IMAG$"), "Corporate Image"},
        {std::regex("^QUAL$"), "Qualität der Leistung"},
        {std::regex("^LOY$"), "Loyalty"},
        {std::regex("^IMAG(\\d)$"), "Corporate Image $1"},
        {std::regex("^PERQ(\\d)$"), "Qualität der Leistung Frage $1"},
        {std::regex("^CUSL(\\d)$"), "Loyalty $1"}};
    for (const auto& [pattern, replacement] : renames)
        if (std::regex_search(name, pattern)) return std::regex_replace(name, pattern, replacement);
    return name;
}

class BatchData : public testing::EcsiBatchFolder {
protected:
    void SetUp() override {
        if (!fs::exists(fs::path(QV_START_DIR) / "pls")) GTEST_SKIP() << "the engine is not built";
        EcsiBatchFolder::SetUp();
    }
    // Estimates the model and returns its JSON results.
    nlohmann::json estimate(const std::string& model) const {
        const fs::path out = folder_ / (model + ".json");
        const CommandResult result =
            batch("estimate " + testing::quoted(folder_ / model) + " --json " + testing::quoted(out));
        EXPECT_EQ(result.status, 0) << result.output;
        return nlohmann::json::parse(std::ifstream(out));
    }
    // The example model with every caption renamed and the given data file.
    void writeModel(const std::string& name, const std::string& data, bool renamed) {
        std::istringstream lines(bytesOf(folder_ / "ecsi.qvt"));
        std::string text;
        for (std::string line; std::getline(lines, line);) {
            if (!line.empty() && line.back() == '\r') line.pop_back();
            if (line.rfind("Raw=", 0) == 0) line = "Raw=" + data;
            const size_t equals = line.find('=');
            if (renamed && line.rfind("Caption_", 0) == 0)
                line = line.substr(0, equals + 1) + longName(line.substr(equals + 1));
            text += line + "\r\n";
        }
        writeBytes(folder_ / name, text);
    }
    // The example's data as a comma-separated file with the long names.
    void writeLongNamedData() const {
        std::istringstream lines(bytesOf(folder_ / "mobi.txt"));
        std::string text, line;
        std::getline(lines, line);
        std::istringstream names(line);
        for (std::string name; names >> name;) text += (text.empty() ? "" : ",") + longName(name);
        text += "\n";
        while (std::getline(lines, line)) {
            std::istringstream fields(line);
            std::string row;
            for (std::string field; fields >> field;) row += (row.empty() ? "" : ",") + field;
            if (!row.empty()) text += row + "\n";
        }
        writeBytes(folder_ / "ecsi long.csv", text);
    }
};

// Every figure of the renamed run is the example's, under the renamed key.
void expectSameFigures(const nlohmann::json& plain, const nlohmann::json& renamed, bool longNames) {
    const auto name = [&](const std::string& key) { return longNames ? longName(key) : key; };
    ASSERT_EQ(renamed["paths"].size(), plain["paths"].size());
    for (size_t p = 0; p < plain["paths"].size(); ++p) {
        const auto& path = plain["paths"][p];
        EXPECT_EQ(renamed["paths"][p], nlohmann::json({{"from", name(path["from"])},
                                                       {"to", name(path["to"])},
                                                       {"coefficient", path["coefficient"]}}));
    }
    for (const char* table : {"loadings", "weights", "r2"}) {
        ASSERT_EQ(renamed[table].size(), plain[table].size()) << table;
        for (const auto& [key, value] : plain[table].items())
            EXPECT_EQ(renamed[table][name(key)], value) << table << " " << key;
    }
}

TEST_F(BatchData, LongNamesWithBlanksAndUmlautsReachEveryOutput) {
    const nlohmann::json plain = estimate("ecsi.qvt");
    writeLongNamedData();
    writeModel("long.qvt", "ecsi long.csv", true);
    const nlohmann::json json = estimate("long.qvt");
    EXPECT_EQ(json["constructs"], nlohmann::json({"Corporate Image", "EXPE", "Qualität der Leistung",
                                                  "VAL", "SAT", "COM", "Loyalty"}));
    expectSameFigures(plain, json, true);

    const CommandResult printed = batch("estimate " + testing::quoted(folder_ / "long.qvt"));
    EXPECT_NE(printed.output.find("Qualität der Leistung Frage 7"), std::string::npos) << printed.output;
    EXPECT_NE(printed.output.find("Corporate Image"), std::string::npos);

    ASSERT_EQ(batch("tables " + testing::quoted(folder_ / "long.qvt")).status, 0);
    const std::string loadings = bytesOf(folder_ / "long_cfa.csv");
    EXPECT_NE(loadings.find("Qualität der Leistung Frage 1"), std::string::npos) << loadings;
    EXPECT_NE(bytesOf(folder_ / "long_cor.csv").find("Qualität der Leistung"), std::string::npos);

    ASSERT_EQ(batch("report " + testing::quoted(folder_ / "long.qvt")).status, 0);
    const std::string report = bytesOf(folder_ / "long_report" / "WebOutput.html");
    for (const char* name : {"Corporate Image", "Qualität der Leistung", "Loyalty 3", "Qualität der Leistung Frage 7"})
        EXPECT_NE(report.find(name), std::string::npos) << name;

    // The model file keeps the names whole, and the tree shows them.
    ProjectModel model;
    ModelSettings settings;
    ASSERT_TRUE(ModelFile::read(folder_ / "long.qvt", model, settings).refusal.empty());
    LanguageTexts texts;
    texts.set("MSG_Reflective", "Reflective");
    std::vector<std::string> tree;
    for (const TreeNode& node : BuildModelTree(model, texts)) tree.push_back(node.text);
    EXPECT_NE(std::find(tree.begin(), tree.end(), "Qualität der Leistung(Reflective)"), tree.end());
    EXPECT_NE(std::find(tree.begin(), tree.end(), "Corporate Image(Reflective)"), tree.end());
}

// The example's data saved by spreadsheet and statistics programs estimate its figures.
TEST_F(BatchData, EveryDataFormatEstimatesTheFiguresOfTheTextFile) {
    const nlohmann::json plain = estimate("ecsi.qvt");
    for (const std::string format : {"xlsx", "ods", "sav", "zsav", "dta", "sas7bdat"}) {
        SCOPED_TRACE(format);
        fs::copy_file(fs::path(QV_FORMATS_DIR) / ("ecsi." + format), folder_ / ("mobi." + format));
        writeModel(format + ".qvt", "mobi." + format, false);
        expectSameFigures(plain, estimate(format + ".qvt"), false);
    }
}

}  // namespace
}  // namespace qv
