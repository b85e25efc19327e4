// The model-file reader on any bytes: a file it accepts is written back and read again.
#include "FuzzInput.h"

#include "core/model/ModelFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace qv;
    const fuzz::InputFile input(fuzz::AsText(data, size), ".qvt");
    ProjectModel model;
    ModelSettings settings;
    const ModelFileRead read = ModelFile::read(input.path(), model, settings);
    if (!read.refusal.empty()) return 0;
    for (const ModelFileProblem& problem : read.problems) (void)problem.describe();
    // What the reader let in must survive the writer.
    if (!ModelFile::write(input.path(), model, settings, read.storedVariables)) {
        ProjectModel again;
        ModelSettings againSettings;
        (void)ModelFile::read(input.path(), again, againSettings);
    }
    return 0;
}
