#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

#include "core/model/ModelParameters.h"

namespace qv {

class Workbench;

// What an estimate reads besides the model: the data file as it stands on disk, its sheet, the
// case selection and the model parameters. When any of them changes, the figures on show no
// longer belong to the data and are cleared.
struct EstimateInputs {
    struct FileState {
        std::uintmax_t size = 0;
        std::filesystem::file_time_type time;
    };
    std::string dataFile;
    std::string sheet;
    std::string caseSelection;
    // None while the file cannot be read: a data file found again where it was keeps the figures.
    std::optional<FileState> file;
    ModelParameters parameters;
};

EstimateInputs InputsOf(Workbench& workbench);
bool SameInputs(const EstimateInputs& a, const EstimateInputs& b);

}  // namespace qv
