#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "core/app/Workbench.h"
#include "core/ports/ScriptedPorts.h"
#include "tests/core/support/TempFolder.h"

namespace qv::testing {

// An example project copied into a start folder that also holds the engine, opened through
// the Workbench as the batch front end does.
class ExampleProject : public ::testing::Test {
protected:
    void open(const std::string& example, const std::string& model) {
        const std::filesystem::path engine = std::filesystem::path(QV_START_DIR) / "pls";
        if (!std::filesystem::exists(engine)) GTEST_SKIP() << "the engine is not built";
        std::filesystem::create_symlink(engine, folder_.path() / "pls");
        std::filesystem::copy(std::filesystem::path(QV_EXAMPLES_DIR) / example,
                              folder_.path() / "project");
        ASSERT_FALSE(workbench_.startUp().has_value());
        ASSERT_TRUE(workbench_.openModelByName((folder_.path() / "project" / model).string()));
    }
    int indicatorNamed(const std::string& name) {
        for (int i = 0; i < workbench_.model().nIndicator; ++i)
            if (workbench_.model().indicators[i].caption == name) return i;
        return -1;
    }

    TempFolder folder_;
    ScriptedPorts user_;
    Workbench workbench_{user_.ports(), folder_.path()};
};

}  // namespace qv::testing
