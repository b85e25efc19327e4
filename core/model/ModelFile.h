#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/model/ModelParameters.h"
#include "core/model/PredictOptions.h"
#include "core/model/ProjectModel.h"

namespace qv {

class IniFile;

// What a model file stores beside the model's tables: the settings the option dialogs edit.
struct ModelSettings {
    std::string raw;              // the raw data file, as chosen
    ProjectFiles files;           // PLS, BootStrap, JackKnife, Result (the project name is not stored)
    ModelParameters parameters;
    ResamplingOptions resampling;
    std::string sheet;            // the workbook sheet chosen in the raw data file; empty for the first
    PredictOptions predict;       // the [Predict] section, which older files lack
};

// One damaged entry of a model file: what was found and what was used instead.
struct ModelFileProblem {
    std::string section;
    std::string key;      // empty for a missing section
    std::string value;    // as found
    std::string reason;   // "missing", "not an integer", "out of range 0..2", ...
    std::string used;     // what the model holds instead: "2 used", "path left out"
    // "[Parameter] Result = '9': out of range 0..4; 2 used"
    std::string describe() const;
};

struct ModelFileRead {
    // Not empty when the file is no model file (empty, binary, without a [Basic] section,
    // unreadable): nothing was read, and this says why.
    std::string refusal;
    int storedVariables = 0;  // raw-data variables when the file was written ("Indicator")
    std::vector<ModelFileProblem> problems;  // in file order
};

// The .qvt file: an INI file with the sections Basic, Construct, Indicator, Path, Parameter and
// Resampling. Writing replaces the keys it writes and leaves every other line, so records
// beyond the current counts stay in the file and are ignored on reading.
namespace ModelFile {

// Writes the model with rawVariables raw-data indicators plus its product indicators. The typed
// entries are converted first: one that is not an integer stops the write with an error that
// quotes it, and the file is left as it was. moreSections writes sections kept beside the
// model (the case selection) in the same save. Returns an error text or nothing.
std::optional<std::string> write(const std::filesystem::path& file, const ProjectModel& model,
                                 const ModelSettings& settings, int rawVariables,
                                 const std::function<void(IniFile&)>& moreSections = {});

// Reads the tables and settings. Each entry that is missing, not an integer, out of range or
// a reference to nothing gets its default and is listed in problems. Result fields are
// cleared. A file that is no model file leaves model and settings as they were.
ModelFileRead read(const std::filesystem::path& file, ProjectModel& model, ModelSettings& settings);

// Writes only nSample, Case, JackKnife and Seed into the Resampling section (the Resampling
// Options dialog's OK), with the same conversion check as write.
std::optional<std::string> writeResampling(const std::filesystem::path& file,
                                           const ResamplingOptions& resampling);

// Writes only the [Predict] section (the Predict dialog's OK). Returns an error text or nothing.
std::optional<std::string> writePredict(const std::filesystem::path& file, const PredictOptions& predict);

}  // namespace ModelFile
}  // namespace qv
