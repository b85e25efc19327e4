#include "core/engine/ControlFileWriter.h"

#include <algorithm>
#include <cmath>

#include "core/engine/AppendFormat.h"
#include "core/engine/EngineNames.h"
#include "core/engine/FixedDecimalText.h"
#include "core/model/NumberText.h"

namespace qv {
namespace {

constexpr int kValuesPerLine = 18;
constexpr int kNamesPerLine = 9;
// Values keep at most six decimals, the precision the engine prints its own figures with.
constexpr int kMostDecimals = 6;
constexpr int kNarrowestField = 8;

const Construct& constructAt(const ProjectModel& model, int index) {
    return model.constructs[static_cast<size_t>(index)];
}

Message fixedText(std::string text) { return Message{"", std::move(text), ""}; }

// One "%4d" row of block values; the 18th value of a line ends it, and a final line end follows.
template <typename ValueOf>
void writeBlockRow(std::string& out, const std::vector<int>& blocks, ValueOf valueOf) {
    int written = 0;
    for (int block : blocks) {
        AppendFormat(out, "%4d", valueOf(block));
        if (++written % kValuesPerLine == 0) out += '\n';
    }
    out += '\n';
}

// The fewest decimals, fewest or more, that write value so that it reads back unchanged;
// kMostDecimals when none up to it does.
int decimalsNeeded(double value, int fewest) {
    for (int decimals = fewest; decimals < kMostDecimals; ++decimals)
        if (ReadsBackWithDecimals(value, decimals)) return decimals;
    return kMostDecimals;
}

}  // namespace

ControlFileWriter::ControlFileWriter(const ProjectModel& model, const ModelParameters& parameters,
                                     const RawDataTable& table, Prompts& prompts)
    : model_(model), parameters_(parameters), table_(table), prompts_(prompts) {}

bool ControlFileWriter::WriteControlRun(std::string& out, const ControlRun& run) {
    if (!writeCards(out, run, run) || !WriteDataRecords(out, run)) return false;
    out += '\n';
    return true;
}

bool ControlFileWriter::WriteSampleSource(std::string& out, const ControlRun& run) {
    const ControlRun everyCase{};
    if (!writeCards(out, run, everyCase) || !WriteDataRecords(out, everyCase)) return false;
    out += "\nSAMPLE " + sampleSelection(run) + '\n';
    return true;
}

bool ControlFileWriter::WriteSampleLine(std::string& out, const ControlRun& run) {
    if (!convertCodes() || !checkRun(run)) return false;
    out += "SAMPLE " + sampleSelection(run) + ' ';
    if (run.sampleKind == SampleKind::Full)
        out += "ALLSample\n";
    else
        AppendFormat(out, "SubSample %d\n", run.subsample);
    return true;
}

// A bootstrap's drawn cases become one count per case, the form that needs no separators.
std::string ControlFileWriter::sampleSelection(const ControlRun& run) const {
    if (run.sampleKind == SampleKind::Full) return "*";
    if (run.sampleKind == SampleKind::Jackknife) return "-" + std::to_string(run.subsample + 1);
    std::vector<int> times(static_cast<size_t>(table_.caseCount()), 0);
    for (int drawn : run.drawnCases) ++times[static_cast<size_t>(drawn - 1)];
    std::string counts;
    counts.reserve(times.size());
    for (int count : times) {
        if (count < 10)
            counts += static_cast<char>('0' + count);
        else
            counts += "(" + std::to_string(count) + ")";
    }
    return counts;
}

bool ControlFileWriter::writeCards(std::string& out, const ControlRun& run, const ControlRun& records) {
    // Every check comes first, so a refused run leaves out as it was.
    if (!convertCodes() || !checkRun(run) || !prepareRecords(run.stage)) return false;
    const std::vector<int> blocks = BlockConstructs(model_, run.stage);
    const std::vector<int> indicators = AllBlockIndicators(model_, run.stage);
    out += "COMMENT\n";
    if (run.sampleKind == SampleKind::Full)
        out += "ALLSample\n";
    else
        AppendFormat(out, "SubSample %d\n", run.subsample);
    out += "CEND\nPLSX\nQuorvanta Version 1.0\n";
    writeParameterLine(out, run, recordCount(records), static_cast<int>(blocks.size()));
    writeBlockRows(out, blocks);
    writeIndicatorNames(out, indicators);
    writeDesignMatrix(out, blocks, run.stage);
    writeFormatCards(out, static_cast<int>(indicators.size()));
    return true;
}

// The typed settings become numbers once; a text that is no integer stops the writing the
// way the dialog's own entry check would.
bool ControlFileWriter::convertCodes() {
    if (codes_) return true;
    using P = ModelParameters;
    Codes codes;
    const struct {
        const char* entry;
        const std::string& text;
        int low, high;
        int& target;
    } entries[] = {{"MaxIteration", parameters_.maxIteration, P::kMaxIterationLow, P::kMaxIterationHigh,
                    codes.maxIteration},
                   {"Decimal", parameters_.decimal, P::kDecimalLow, P::kDecimalHigh, codes.decimal}};
    for (const auto& entry : entries) {
        const std::optional<int> value = checkedInteger(entry.entry, entry.text, entry.low, entry.high);
        if (!value) return false;
        entry.target = *value;
    }
    if (!parameters_.missingValue.empty()) {
        codes.missingValue =
            checkedInteger("MissingValue", parameters_.missingValue, P::kMissingValueLow, P::kMissingValueHigh);
        if (!codes.missingValue) return false;
    }
    codes_ = codes;
    return true;
}

std::optional<int> ControlFileWriter::checkedInteger(const char* entry, const std::string& text, int low,
                                                     int high) {
    const std::optional<int> value = parseInteger(text);
    if (!value) {
        prompts_.tell(fixedText(integerConversionError(text)));
    } else if (*value < low || *value > high) {
        prompts_.tell(fixedText(Formatted("%s %d is outside %d..%d.", entry, *value, low, high)));
        return std::nullopt;
    }
    return value;
}

bool ControlFileWriter::checkRun(const ControlRun& run) {
    const int cases = table_.caseCount();
    std::string problem;
    if (run.sampleKind == SampleKind::Jackknife && (run.subsample < 0 || run.subsample >= cases))
        AppendFormat(problem, "Jackknife subsample %d omits no case of the data", run.subsample);
    if (run.sampleKind == SampleKind::Bootstrap) {
        const auto outside = std::find_if(run.drawnCases.begin(), run.drawnCases.end(),
                                          [&](int drawn) { return drawn < 1 || drawn > cases; });
        if (outside != run.drawnCases.end())
            AppendFormat(problem, "Drawn case %d is not a case of the data", *outside);
    }
    if (problem.empty()) return true;
    prompts_.tell(fixedText(problem));
    return false;
}

int ControlFileWriter::recordCount(const ControlRun& run) const {
    // A drawn run writes its drawn cases: a bootstrap as many as the data hold, a training
    // sample of the prediction fewer.
    int count = run.sampleKind == SampleKind::Bootstrap ? static_cast<int>(run.drawnCases.size()) : table_.caseCount();
    if (codes_->missingValue) ++count;  // the MISSING record counts as a record
    if (run.sampleKind == SampleKind::Jackknife) --count;
    return count;
}

void ControlFileWriter::writeParameterLine(std::string& out, const ControlRun& run, int records,
                                           int blockCount) const {
    const int c1 = parameters_.blindfolding + 1;
    const int c2 = parameters_.iterationCycle + 2;
    const int c3 = parameters_.specification == 0 ? 2 : parameters_.specification + 4;
    const int c4 = parameters_.result == 0 ? 2 : parameters_.result + 3;
    if (codes_->missingValue)
        AppendFormat(out, "%4d-%3d   1%d%d%d%d", blockCount, records, c1, c2, c3, c4);
    else
        AppendFormat(out, "%4d%4d   1%d%d%d%d", blockCount, records, c1, c2, c3, c4);
    AppendFormat(out, "   %d%4d   5   %d  %2d  %2d\n", parameters_.innerWeighting + 1,
                 codes_->maxIteration, parameters_.metric + 1, run.blindTarget, run.blindDistance);
}

void ControlFileWriter::writeBlockRows(std::string& out, const std::vector<int>& blocks) const {
    writeBlockRow(out, blocks, [&](int block) { return constructAt(model_, block).nInd; });
    writeBlockRow(out, blocks,
                  [&](int block) { return constructAt(model_, block).type != 0 ? 1 : 0; });
    writeBlockRow(out, blocks, [](int) { return 1; });
}

void ControlFileWriter::writeIndicatorNames(std::string& out,
                                            const std::vector<int>& indicators) const {
    int written = 0;
    for (int indicator : indicators) {
        const std::string& caption = model_.indicators[static_cast<size_t>(indicator)].caption;
        AppendFormat(out, "%8s", EngineIndicatorName(caption, ++written).c_str());
        if (written % kNamesPerLine == 0) out += '\n';
    }
    if (written % kNamesPerLine != 0) out += '\n';
}

void ControlFileWriter::writeDesignMatrix(std::string& out, const std::vector<int>& blocks,
                                          int stage) const {
    AppendFormat(out, " 0 011  (2A4,%dF2.0)\n", static_cast<int>(blocks.size()));
    const auto hasPath = [&](int from, int to) {
        for (int p = 0; p < model_.nPath; ++p) {
            const Path& path = model_.paths[static_cast<size_t>(p)];
            if (path.src == from && path.dest == to) return true;
        }
        return false;
    };
    int position = 0;
    for (int row : blocks) {
        AppendFormat(out, "%8s", EngineBlockName(constructAt(model_, row).caption, ++position).c_str());
        for (int column : blocks) out += stage != kFirstStage && hasPath(column, row) ? " 1" : " .";
        out += '\n';
    }
}

void ControlFileWriter::writeFormatCards(std::string& out, int indicatorCount) const {
    AppendFormat(out, " 0 0 0 0(2A4,%dF%d.%d)", indicatorCount, fieldWidth_, decimals_);
    if (!codes_->missingValue) return;
    out += "\nMISSING ";
    for (int i = 0; i < indicatorCount; ++i) AppendFormat(out, "%8d", *codes_->missingValue);
}

bool ControlFileWriter::WriteDataRecords(std::string& out, const ControlRun& run) {
    if (!checkRun(run) || !prepareRecords(run.stage)) return false;
    if (run.sampleKind == SampleKind::Full) tellBlockCountMismatches(run.stage);
    appendRecords(out, writtenCases(run), AllBlockIndicators(model_, run.stage));
    return true;
}

// Records are formatted as they are written, so that no copy of the data as text is held;
// a few hundred cases at a time, their values gathered indicator by indicator, since the
// grid keeps its columns apart.
void ControlFileWriter::appendRecords(std::string& out, const std::vector<int>& cases,
                                      const std::vector<int>& indicators) const {
    constexpr size_t kCasesAtATime = 256;
    const size_t width = indicators.size();
    out.reserve(out.size() + cases.size() * (16 + width * static_cast<size_t>(fieldWidth_)));
    std::vector<double> values(kCasesAtATime * width);
    char text[kFixedTextRoom];
    for (size_t first = 0; first < cases.size(); first += kCasesAtATime) {
        const size_t count = std::min(kCasesAtATime, cases.size() - first);
        for (size_t i = 0; i < width; ++i)
            for (size_t c = 0; c < count; ++c)
                values[c * width + i] = *table_.number(indicators[i] + 1, cases[first + c]);
        for (size_t c = 0; c < count; ++c) {
            AppendFormat(out, "\nCase%4d", cases[first + c]);
            for (size_t i = 0; i < width; ++i) {
                const size_t length = WriteFixedDecimal(values[c * width + i], decimals_, text);
                out.append(static_cast<size_t>(fieldWidth_) - length, ' ');
                out.append(text, length);
            }
        }
    }
}

std::vector<int> ControlFileWriter::writtenCases(const ControlRun& run) const {
    if (run.sampleKind == SampleKind::Bootstrap) {
        std::vector<int> drawn = run.drawnCases;
        std::sort(drawn.begin(), drawn.end());
        return drawn;
    }
    std::vector<int> cases;
    for (int row = 1; row <= table_.caseCount(); ++row)
        if (run.sampleKind != SampleKind::Jackknife || row - 1 != run.subsample)
            cases.push_back(row);
    return cases;
}

// The decimals and the field width of a stage's records are chosen once; every value is
// checked to be a number first, so that writing a record cannot fail. The grid is read
// indicator by indicator, the order it keeps its cells in.
bool ControlFileWriter::prepareRecords(int stage) {
    if (recordStage_ == stage) return true;
    const std::vector<int> indicators = AllBlockIndicators(model_, stage);
    if (!chooseDecimals(indicators)) return false;
    size_t widest = 0;
    char text[kFixedTextRoom];
    for (int indicator : indicators)
        for (int row = 1; row <= table_.caseCount(); ++row)
            widest = std::max(widest, WriteFixedDecimal(*table_.number(indicator + 1, row), decimals_, text));
    // Every value keeps a blank in front of it, so that no two values run together.
    fieldWidth_ = std::max({kNarrowestField, decimals_ + 6, static_cast<int>(widest) + 1});
    recordStage_ = stage;
    return true;
}

// The Decimal setting is the least number of decimals; data that hold more get as many as
// they need, up to six, and construct scores always get six, so that what the engine
// estimates is the data and not a rounding of them. A cell that is no number is told.
bool ControlFileWriter::chooseDecimals(const std::vector<int>& indicators) {
    decimals_ = std::clamp(codes_->decimal, 0, kMostDecimals);
    for (int indicator : indicators)
        for (int k = 0; k < model_.nConstruct; ++k)
            if (constructAt(model_, k).scoreIndicator == indicator) decimals_ = kMostDecimals;
    for (int indicator : indicators)
        for (int row = 1; row <= table_.caseCount(); ++row) {
            const std::optional<double> value = table_.number(indicator + 1, row);
            if (!value) {
                prompts_.tell(fixedText(numberConversionError(table_.cell(indicator + 1, row))));
                return false;
            }
            decimals_ = decimalsNeeded(*value, decimals_);
        }
    return true;
}

// The block sizes the parameter card declares must match the values each record carries;
// the engine would misread every following value otherwise.
void ControlFileWriter::tellBlockCountMismatches(int stage) {
    std::vector<int> mismatched;
    for (int block : BlockConstructs(model_, stage))
        if (static_cast<int>(BlockIndicators(model_, block).size()) !=
            constructAt(model_, block).nInd)
            mismatched.push_back(block);
    if (mismatched.empty()) return;
    for (int row = 1; row <= table_.caseCount(); ++row)
        for (int block : mismatched) {
            std::string text;
            AppendFormat(text, "Error in List RawData : Construct[%d]", block);
            prompts_.tell(fixedText(text));
        }
}

}  // namespace qv
