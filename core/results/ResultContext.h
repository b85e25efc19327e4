#pragma once

#include <filesystem>

#include "core/app/LanguageTexts.h"
#include "core/model/ModelParameters.h"
#include "core/model/ProjectModel.h"
#include "core/ports/Ports.h"
#include "core/rawdata/CaseFilter.h"
#include "core/rawdata/RawDataTable.h"

namespace qv {

class Workbench;

// What the result tables read and where they write: the model with its estimate, the raw
// data and the case selection it was read through, the project's names and the ports.
struct ResultContext {
    ProjectModel& model;
    RawDataTable& table;
    const CaseFilter& filter;
    const ModelParameters& parameters;
    const ProjectFiles& files;
    const LanguageTexts& texts;
    Ports& ports;
    std::filesystem::path tempDir;  // the work folder: pieces the web report gathers
    std::filesystem::path dataDir = {};  // the style sheet and icon the report links

    static ResultContext of(Workbench& workbench);
};

}  // namespace qv
