#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include <nlohmann/json.hpp>

#include "core/app/Workbench.h"
#include "core/engine/EstimateCommand.h"
#include "core/ports/ScriptedPorts.h"
#include "tests/core/support/TempFolder.h"

namespace qv {

// The ECSI example copied into a project folder and opened in a workbench whose start
// folder holds the built engine; skipped when the engine is not built.
class EcsiWorkbench : public ::testing::Test {
protected:
    void SetUp() override {
        namespace fs = std::filesystem;
        const fs::path engine = fs::path(QV_START_DIR) / "pls";
        if (!fs::exists(engine)) GTEST_SKIP() << "the engine is not built";
        fs::create_directories(folder_ / "start");
        fs::create_directories(folder_ / "project");
        fs::create_symlink(engine, folder_ / "start" / "pls");
        fs::copy_file(fs::path(QV_START_DIR) / "English.ini", folder_ / "start" / "English.ini");
        for (const char* name : {"ecsi.qvt", "mobi.txt"})
            fs::copy_file(fs::path(QV_EXAMPLES_DIR) / "ecsi" / name, folder_ / "project" / name);
        ASSERT_FALSE(workbench_.startUp().has_value());
        ASSERT_TRUE(workbench_.openModelByName((folder_ / "project" / "ecsi.qvt").string()));
    }

    void estimate() { ASSERT_TRUE(EstimateCommand(workbench_).run()); }

    // The modern-assessment reference of the ECSI model.
    static const nlohmann::json& reference() {
        static const nlohmann::json json = nlohmann::json::parse(
            std::ifstream(std::string(QV_TEST_DATA_DIR) + "/reference/modern_a_mobi_path.json"));
        return json;
    }
    std::string written(const std::string& name) const {
        return testing::readBytes(folder_ / "project" / name);
    }

    testing::TempFolder folder_;
    ScriptedPorts user_;
    Workbench workbench_{user_.ports(), folder_ / "start"};
};

}  // namespace qv
