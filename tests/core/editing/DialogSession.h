#pragma once

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "core/app/LanguageFile.h"
#include "core/editing/DialogContext.h"
#include "core/ports/ScriptedPorts.h"

namespace qv::test {

// A model, the shipped English texts and a scripted user: what an editing dialog works with.
struct DialogSession {
    std::unique_ptr<ProjectModel> model = std::make_unique<ProjectModel>();
    LanguageTexts texts;
    ScriptedPorts user;

    DialogSession() {
        const auto resources = std::filesystem::path(QV_EXAMPLES_DIR).parent_path() / "resources";
        loadLanguageTexts(resources, "English", texts);
    }
    DialogContext context() { return DialogContext{*model, texts, user}; }

    // A first-order construct (second-order with order 2) holding the given indicators.
    int addConstruct(const std::string& caption, const std::vector<int>& indicators, int order = 1) {
        model->currentOrder = order;
        model->addConstruct(60 * model->nConstruct, 60);
        model->currentOrder = 1;
        const int index = model->nConstruct - 1;
        model->constructs[index].caption = caption;
        for (const int i : indicators) model->assignIndicator(i, index);
        return index;
    }
    std::string lastMessage() const {
        const auto told = user.messages();
        return told.empty() ? std::string() : told.back().text;
    }
};

}  // namespace qv::test
