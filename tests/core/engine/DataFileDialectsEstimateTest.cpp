#include <fstream>
#include <functional>
#include <sstream>

#include <nlohmann/json.hpp>

#include "tests/core/engine/EstimateFixture.h"

namespace qv {
namespace {
namespace fs = std::filesystem;

// The ECSI data as a list of rows of fields, the header first.
std::vector<std::vector<std::string>> ecsiRows() {
    std::ifstream in(std::string(QV_TEST_DATA_DIR) + "/rawdata/mobi.txt");
    std::vector<std::vector<std::string>> rows;
    for (std::string line; std::getline(in, line);) {
        std::istringstream fields(line);
        rows.emplace_back();
        for (std::string field; fields >> field;) rows.back().push_back(field);
    }
    return rows;
}

using Rename = std::function<std::string(const std::string&)>;

// How a researcher's program may have written the same data.
struct Dialect {
    const char* file;
    std::string start;  // bytes before the header
    Rename rename;      // the variable names it uses
    bool quotedNames;
    std::string decimals;  // appended to every value
    std::string separator;
    std::string lineEnd;
};

std::string written(const Dialect& dialect) {
    std::string text = dialect.start;
    const auto rows = ecsiRows();
    for (size_t r = 0; r < rows.size(); ++r) {
        for (size_t f = 0; f < rows[r].size(); ++f) {
            if (f > 0) text += dialect.separator;
            const std::string& field = rows[r][f];
            if (r > 0)
                text += field + dialect.decimals;
            else
                text += dialect.quotedNames ? "\"" + dialect.rename(field) + "\"" : dialect.rename(field);
        }
        text += dialect.lineEnd;
    }
    return text;
}

std::string same(const std::string& name) { return name; }

// The quality block under a name with a letter beyond ASCII: the engine gets aliases.
std::string quality(const std::string& name) {
    return name.rfind("PERQ", 0) == 0 ? "Qualitä" + name.substr(4) : name;
}

class DataFileDialectsEstimate : public EstimateFixture {
protected:
    static const nlohmann::json& reference() {
        static const nlohmann::json json = nlohmann::json::parse(
            std::ifstream(std::string(QV_TEST_DATA_DIR) + "/reference/a_mobi_path.json"));
        return json;
    }

    // Loads the file and estimates the reference's ECSI model with its names renamed.
    void estimate(std::string path, const Rename& rename) {
        table_ = RawDataTable();
        table_.raw = path;
        ASSERT_TRUE(LoadRawData(table_, filter_, texts_, user_, user_).ok) << path;
        ASSERT_EQ(table_.nFields(), 24);
        ASSERT_EQ(table_.caseCount(), 250);
        model_ = ProjectModel();
        model_.rebuildIndicators(variableNames());
        const nlohmann::json& blocks = reference()["model"]["blocks"];
        std::vector<std::string> order = {"IMAG", "EXPE", "QUAL", "VAL", "SAT", "COM", "LOY"};
        for (const std::string& block : order) {
            std::vector<std::string> indicators;
            for (const auto& name : blocks[block]) indicators.push_back(rename(name));
            const bool renamed = block == "QUAL" && rename("PERQ1") != "PERQ1";
            addConstruct(renamed ? "Qualität" : block, indicators);
        }
        for (const auto& path : reference()["model"]["paths"]) {
            const auto at = [&](const std::string& name) {
                return static_cast<int>(std::find(order.begin(), order.end(), name) - order.begin());
            };
            ASSERT_TRUE(model_.addPath(at(path[0]), at(path[1])));
        }
        ASSERT_TRUE(command().run()) << path;
    }


    // Every figure the listing gave equals the plain file's: the same values reached the engine.
    void expectFiguresOf(const ProjectModel& plain, const Rename& rename) {
        for (int p = 0; p < plain.nPath; ++p)
            EXPECT_EQ(model_.paths[p].coefficient, plain.paths[p].coefficient) << p;
        for (int i = 0; i < plain.nIndicator; ++i) {
            EXPECT_EQ(model_.indicators[i].caption, rename(plain.indicators[i].caption));
            EXPECT_EQ(model_.indicators[i].loading, plain.indicators[i].loading) << i;
            EXPECT_EQ(model_.indicators[i].weight, plain.indicators[i].weight) << i;
        }
        for (int c = 0; c < plain.nConstruct; ++c)
            EXPECT_EQ(model_.constructs[c].rSquare, plain.constructs[c].rSquare) << c;
    }

    std::string write(const std::string& name, const std::string& bytes) {
        const fs::path path = startDir_ / name;
        std::ofstream(path, std::ios::binary) << bytes;
        return path.string();
    }
};

TEST_F(DataFileDialectsEstimate, CommaSemicolonAndTabFilesEstimateTheFiguresOfTheBlankFile) {
    estimate(table_.raw, same);
    const ProjectModel plain = model_;
    const std::vector<Dialect> dialects = {
        {"bom.csv", "\xEF\xBB\xBF", same, true, "", ",", "\r\n"},
        {"tabs.txt", "\n \n", same, false, "", "\t", "\n\t\n\n"},
        {"semicolon.csv", "", quality, false, ",0", ";", "\n"},
    };
    for (const Dialect& dialect : dialects) {
        SCOPED_TRACE(dialect.file);
        estimate(write(dialect.file, written(dialect)), dialect.rename);
        expectFiguresOf(plain, dialect.rename);
    }
    // The engine knew the quality block and its indicators by their positions only.
    EXPECT_EQ(model_.constructs[2].caption, "Qualität");
    std::stringstream control;
    control << std::ifstream(startDir_ / "ecsi.pls").rdbuf();
    EXPECT_NE(control.str().find("   V0009\n   V0010   V0011"), std::string::npos);
    EXPECT_NE(control.str().find("\n   LV003 . 1 . . . . .\n"), std::string::npos) << control.str();
    EXPECT_EQ(control.str().find("Qualit"), std::string::npos);
}

TEST_F(DataFileDialectsEstimate, SpreadsheetAndStatisticsFilesEstimateTheFiguresOfTheTextFile) {
    estimate(table_.raw, same);
    const ProjectModel plain = model_;
    for (const char* format : {"xlsx", "ods", "sav", "zsav", "dta", "sas7bdat"}) {
        SCOPED_TRACE(format);
        estimate(std::string(QV_FORMATS_DIR) + "/ecsi." + format, same);
        expectFiguresOf(plain, same);
    }
}

}  // namespace
}  // namespace qv
