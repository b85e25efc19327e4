#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/engine/Blocks.h"
#include "core/model/ModelParameters.h"
#include "core/model/ProjectModel.h"
#include "core/ports/Prompts.h"
#include "core/rawdata/RawDataTable.h"

namespace qv {

enum class SampleKind { Full = 0, Bootstrap = 1, Jackknife = 2 };

// What one run of a control file is about.
struct ControlRun {
    SampleKind sampleKind = SampleKind::Full;
    int blindDistance = 0;  // omission distance, 0 = no blindfolding
    int blindTarget = 0;    // +(block position + 1) redundancy, -(...) communality, 0 none
    int stage = kRegularStage;
    int subsample = 0;  // printed on the "SubSample" line; the omitted case index of a jackknife
    std::vector<int> drawnCases;  // bootstrap: the drawn 1-based case numbers, duplicates kept
};

// Writes runs of the engine's card-layout control file. The caller owns the file: it
// appends the runs it needs, then "STOP". The writer reads the model, the parameters and
// the data grid and changes none of them; it keeps the decimals it chose for the grid, so
// a grid that changes (score columns of a second stage) needs a new writer.
class ControlFileWriter {
public:
    ControlFileWriter(const ProjectModel& model, const ModelParameters& parameters,
                      const RawDataTable& table, Prompts& prompts);

    // Appends one run, from "COMMENT" to the line end after its last data record. Returns
    // false after telling why when a parameter, a data cell or the run itself is unusable;
    // out may then end in a partial run the caller must not hand to the engine.
    bool WriteControlRun(std::string& out, const ControlRun& run);

    // The compact resampling form (lvpls/LISTING.md): the first run's cards with the record of
    // every case and the run's SAMPLE line, then one SAMPLE line for each further run. Only
    // for an engine that names "sample-lines"; the same checks and return as WriteControlRun.
    bool WriteSampleSource(std::string& out, const ControlRun& run);
    bool WriteSampleLine(std::string& out, const ControlRun& run);

    // Appends the data records of a run, each beginning with a line end. Every value of the
    // run has the same decimals: the Decimal setting, widened to what the data hold (up to
    // six; construct scores six), and the field leaves at least one blank before each value.
    // The data format card of the run names both.
    bool WriteDataRecords(std::string& out, const ControlRun& run);

private:
    struct Codes {
        std::optional<int> missingValue;
        int maxIteration = 0;
        int decimal = 0;
    };

    bool convertCodes();
    // The entry's integer when it lies in [low, high]; otherwise none, after telling why.
    std::optional<int> checkedInteger(const char* entry, const std::string& text, int low, int high);
    bool checkRun(const ControlRun& run);
    int recordCount(const ControlRun& run) const;
    // The cards of `run` up to its data records, which are those of `records`.
    bool writeCards(std::string& out, const ControlRun& run, const ControlRun& records);
    std::string sampleSelection(const ControlRun& run) const;
    void writeParameterLine(std::string& out, const ControlRun& run, int recordCount, int blockCount) const;
    void writeBlockRows(std::string& out, const std::vector<int>& blocks) const;
    void writeIndicatorNames(std::string& out, const std::vector<int>& indicators) const;
    void writeDesignMatrix(std::string& out, const std::vector<int>& blocks, int stage) const;
    void writeFormatCards(std::string& out, int indicatorCount) const;
    bool prepareRecords(int stage);
    bool chooseDecimals(const std::vector<int>& indicators);
    void appendRecords(std::string& out, const std::vector<int>& cases, const std::vector<int>& indicators) const;
    void tellBlockCountMismatches(int stage);
    std::vector<int> writtenCases(const ControlRun& run) const;

    const ProjectModel& model_;
    const ModelParameters& parameters_;
    const RawDataTable& table_;
    Prompts& prompts_;
    std::optional<Codes> codes_;
    // The stage whose records the decimals and the field width of the data format card are
    // chosen for.
    int recordStage_ = -1;
    int decimals_ = 0;
    int fieldWidth_ = 0;
};

}  // namespace qv
