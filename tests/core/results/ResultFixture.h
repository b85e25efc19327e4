#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "core/app/LanguageTexts.h"
#include "core/ports/ScriptedPorts.h"
#include "core/rawdata/CaseFilter.h"
#include "core/rawdata/RawDataReader.h"
#include "core/results/TableCommands.h"
#include "tests/core/support/TempFolder.h"

namespace qv {

// A small estimated model in a fresh project folder: seven raw variables over five cases
// (z holds the missing-value code -1 twice), construct A measured by x1 x2 x3, B by y1 y2 z
// and C by w, whose loading is 0 as if it had never been estimated. The project is
// "study.final.qvt", its listing "study.out".
class ResultFixture : public ::testing::Test {
protected:
    void SetUp() override {
        texts_.set("MSG_OpenError", "Cannot create the file");
        texts_.set("MSG_InvalidModel", "Estimate anyway?");
        texts_.set("MSG_Invalid", "Invalid Model");
        table_.raw = dataFile("small.txt");
        ASSERT_TRUE(LoadRawData(table_, filter_, texts_, user_, user_).ok);
        model_.rebuildIndicators(variableNames());
        construct("A", {{"x1", 0.9f, 0.19f, 0.4f}, {"x2", 0.8f, 0.36f, 0.35f}, {"x3", 0.7f, 0.51f, 0.3f}});
        construct("B", {{"y1", 0.8f, 0.36f, 0.6f}, {"y2", 0.6f, 0.64f, 0.5f}, {"z", 0.5f, 0.75f, 0.2f}});
        construct("C", {{"w", 0.0f, 0.0f, 1.0f}});
        model_.estimated = true;
        files_.project = (folder_ / "study.final.qvt").string();
        files_.result = folder_.write("study.out", testing::readBytes(dataFile("small.out"))).string();
    }

    struct Estimate {
        const char* indicator;
        float loading, residual, weight;
    };
    int construct(const std::string& caption, const std::vector<Estimate>& estimates) {
        const int index = model_.nConstruct;
        EXPECT_TRUE(model_.addConstruct(40 * index, 40));
        model_.constructs[index].caption = caption;
        for (const Estimate& estimate : estimates) {
            const int i = indicatorNamed(estimate.indicator);
            EXPECT_TRUE(model_.assignIndicator(i, index));
            model_.indicators[i].loading = estimate.loading;
            model_.indicators[i].residual = estimate.residual;
            model_.indicators[i].weight = estimate.weight;
        }
        return index;
    }
    int indicatorNamed(const std::string& name) const {
        for (int i = 0; i < model_.nIndicator; ++i)
            if (model_.indicators[i].caption == name) return i;
        return -1;
    }
    std::vector<std::string> variableNames() const {
        std::vector<std::string> names;
        for (int c = 1; c <= table_.nFields(); ++c) names.push_back(table_.cell(c, 0));
        return names;
    }
    static std::string dataFile(const std::string& name) {
        return std::string(QV_TEST_DATA_DIR) + "/results/" + name;
    }

    TableCommands commands() {
        return TableCommands(ResultContext{model_, table_, filter_, parameters_, files_, texts_,
                                           ports_, folder_.path()});
    }
    std::string written(const std::string& name) const { return testing::readBytes(folder_ / name); }
    std::string golden(const std::string& name) const { return testing::readBytes(dataFile(name)); }
    // The file the desktop was last asked to open.
    std::string opened() const {
        for (auto event = user_.events().rbegin(); event != user_.events().rend(); ++event)
            if (event->kind == ScriptedPorts::Kind::OpenWithDesktop) return event->message.text;
        return {};
    }

    testing::TempFolder folder_;
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
