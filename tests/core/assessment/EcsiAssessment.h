#pragma once

#include <fstream>
#include <string>

#include <nlohmann/json.hpp>

#include "tests/core/support/EngineProject.h"

namespace qv {

// The ECSI project with the modern-assessment reference of its model.
class EcsiAssessment : public EcsiProject {
protected:
    static const nlohmann::json& reference() {
        static const nlohmann::json json = nlohmann::json::parse(
            std::ifstream(std::string(QV_TEST_DATA_DIR) + "/reference/modern_a_mobi_path.json"));
        return json;
    }
};

}  // namespace qv
