#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "core/app/Workbench.h"
#include "core/engine/EstimateCommand.h"
#include "core/ports/ScriptedPorts.h"
#include "tests/core/support/TempFolder.h"

namespace qv {

// A model and its data copied into a project folder and opened in a workbench whose start
// folder holds the built engine; skipped when the engine is not built.
class EngineProject : public ::testing::Test {
protected:
    void openProject(const std::filesystem::path& from, const std::string& model, const std::string& data) {
        namespace fs = std::filesystem;
        const fs::path engine = fs::path(QV_START_DIR) / "pls";
        if (!fs::exists(engine)) GTEST_SKIP() << "the engine is not built";
        fs::create_directories(folder_ / "start");
        fs::create_directories(folder_ / "project");
        fs::create_symlink(engine, folder_ / "start" / "pls");
        fs::copy_file(fs::path(QV_START_DIR) / "English.ini", folder_ / "start" / "English.ini");
        for (const std::string& name : {model, data}) fs::copy_file(from / name, folder_ / "project" / name);
        ASSERT_FALSE(workbench_.startUp().has_value());
        ASSERT_TRUE(workbench_.openModelByName((folder_ / "project" / model).string()));
    }

    void estimate() { ASSERT_TRUE(EstimateCommand(workbench_).run()); }

    std::string written(const std::string& name) const {
        return testing::readBytes(folder_ / "project" / name);
    }

    testing::TempFolder folder_;
    ScriptedPorts user_;
    Workbench workbench_{user_.ports(), folder_ / "start"};
};

// The ECSI example (mobi.txt), as shipped.
class EcsiProject : public EngineProject {
protected:
    void SetUp() override { openProject(std::filesystem::path(QV_EXAMPLES_DIR) / "ecsi", "ecsi.qvt", "mobi.txt"); }
};

}  // namespace qv
