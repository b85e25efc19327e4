#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "core/model/ModelParameters.h"
#include "core/model/ProjectModel.h"

namespace qv {

// What a model file stores beside the model's tables: the settings the option dialogs edit.
struct ModelSettings {
    std::string raw;              // the raw data file, as chosen
    ProjectFiles files;           // PLS, BootStrap, JackKnife, Result (the project name is not stored)
    ModelParameters parameters;
    ResamplingOptions resampling;
};

struct ModelFileRead {
    int storedVariables = 0;  // raw-data variables when the file was written ("Indicator")
    int repairedReferences = 0;  // references of a damaged file that pointed nowhere
    bool countsCut = false;   // counts of a damaged file beyond the tables' capacities
};

// The .qvt file: an INI file with the sections Basic, Construct, Indicator, Path, Parameter and
// Resampling. Writing replaces the keys it writes and leaves every other line, so records
// beyond the current counts stay in the file and are ignored on reading.
namespace ModelFile {

// Writes the model with rawVariables raw-data indicators plus its product indicators. The typed
// entries are converted first: one that is not an integer stops the write with an error that
// quotes it, and the file is left as it was. Returns an error text or nothing.
std::optional<std::string> write(const std::filesystem::path& file, const ProjectModel& model,
                                 const ModelSettings& settings, int rawVariables);

// Reads the tables and settings; missing keys give their defaults. Result fields are cleared.
ModelFileRead read(const std::filesystem::path& file, ProjectModel& model, ModelSettings& settings);

// Writes only nSample, Case, JackKnife and Seed into the Resampling section (the Resampling
// Options dialog's OK), with the same conversion check as write.
std::optional<std::string> writeResampling(const std::filesystem::path& file,
                                           const ResamplingOptions& resampling);

}  // namespace ModelFile
}  // namespace qv
