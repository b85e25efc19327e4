#pragma once

#include "core/engine/ControlFileWriter.h"

namespace qv {

class Workbench;

// The commands that show a resampling run's files: the text summary, the kept control file
// and listing in the program's viewer, the CSV summary with the desktop's associated program.
class ResamplingViews {
public:
    explicit ResamplingViews(Workbench& workbench) : workbench_(workbench) {}

    // BootStrap Summary and JackKnife Summary of the View menu; asks first when the model holds
    // no estimate. Returns whether the file was handed on.
    bool viewSummary(SampleKind kind);
    // BootStrap card and JackKnife card: the kept control file.
    void viewCard(SampleKind kind);
    // BootStrap Result and JackKnife Result: the kept listing.
    void viewListing(SampleKind kind);
    // BootStrap Summary and JackKnife Summary of the report menu; asks first when no
    // resampling run has completed.
    bool openCsvSummary(SampleKind kind);

private:
    bool confirm(bool flag);

    Workbench& workbench_;
};

}  // namespace qv
