#pragma once

#include <string>

#include "core/model/ModelParameters.h"

namespace qv {

// Files kept for the user are named from the model file's folder (with its separator) and
// stem (the file name up to its first point): "<folder><stem><suffix>".
std::string modelDirectory(const std::string& projectFile);
std::string modelStem(const std::string& projectFile);
std::string modelFileName(const std::string& projectFile, const std::string& suffix);

// DeriveFileNames: fills each empty output name with its default (".pls", ".bt", ".jk",
// ".out"); a model without a file name keeps the names as they are.
void DeriveFileNames(ProjectFiles& files);
// Empties each output name that is its default for the current project, so that it can be
// derived again for another one; names the user chose stay.
void clearDefaultOutputNames(ProjectFiles& files);

// The listings and summaries of the resampling runs.
struct ResamplingFileNames {
    std::string bootstrapListing;  // ".boot"
    std::string bootstrapSummary;  // "_bt.out"
    std::string jackknifeListing;  // ".jack"
    std::string jackknifeSummary;  // "_jk.out"
};
ResamplingFileNames resamplingFileNames(const std::string& projectFile);

// A project name typed without extension gets ".qvt"; one ending in a folder separator or
// already having an extension stays as it is.
std::string withModelExtension(const std::string& projectName);

}  // namespace qv
