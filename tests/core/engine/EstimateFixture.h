#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

#include "core/app/LanguageTexts.h"
#include "core/engine/EstimateCommand.h"
#include "core/ports/ScriptedPorts.h"
#include "core/rawdata/CaseFilter.h"
#include "core/rawdata/RawDataReader.h"

namespace qv {

// A start folder of its own holding the built engine, the ECSI data loaded into the grid,
// and a model built on it: what an estimate needs, without a window.
class EstimateFixture : public ::testing::Test {
protected:
    void SetUp() override {
        namespace fs = std::filesystem;
        startDir_ = fs::temp_directory_path() /
                    ("qv-estimate-" + std::to_string(::getpid()) + "-" +
                     ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(startDir_ / "temp");  // the work folder
        const fs::path engine = fs::path(QV_START_DIR) / "pls";
        if (!fs::exists(engine)) GTEST_SKIP() << "the engine is not built";
        fs::create_symlink(engine, startDir_ / "pls");
        texts_.set("MSG_EstimateOK", "Estimation finished.");
        table_.raw = std::string(QV_TEST_DATA_DIR) + "/rawdata/mobi.txt";
        ASSERT_TRUE(LoadRawData(table_, filter_, texts_, user_, user_).ok);
        model_.rebuildIndicators(variableNames());
        files_.project = (startDir_ / "ecsi.qvt").string();
    }
    void TearDown() override { if (!getenv("QV_KEEP")) std::filesystem::remove_all(startDir_); }

    std::vector<std::string> variableNames() const {
        std::vector<std::string> names;
        for (int c = 1; c <= table_.nFields(); ++c) names.push_back(table_.cell(c, 0));
        return names;
    }
    int indicatorNamed(const std::string& name) const {
        for (int i = 0; i < model_.nIndicator; ++i)
            if (model_.indicators[i].caption == name) return i;
        return -1;
    }
    int addConstruct(const std::string& caption, const std::vector<std::string>& indicators) {
        const int index = model_.nConstruct;
        EXPECT_TRUE(model_.addConstruct(50 * index, 50));
        model_.constructs[index].caption = caption;
        for (const std::string& name : indicators)
            EXPECT_TRUE(model_.assignIndicator(indicatorNamed(name), index));
        return index;
    }
    EstimateCommand command() {
        return EstimateCommand(EstimateContext{model_, table_, parameters_, files_, texts_, ports_,
                                               startDir_, false});
    }

    std::filesystem::path startDir_;
    ScriptedPorts user_;
    Ports ports_ = user_.ports();
    LanguageTexts texts_;
    CaseFilter filter_;
    RawDataTable table_;
    ProjectModel model_;
    ModelParameters parameters_ = ModelParameters::resetValues();
    ProjectFiles files_;
};

}  // namespace qv
