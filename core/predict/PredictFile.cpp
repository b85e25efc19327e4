#include "core/predict/PredictFile.h"

#include "core/predict/PredictTables.h"
#include "core/results/ResultCommandFrame.h"

namespace qv {

std::optional<std::string> WritePredictFile(const ResultContext& context, const PredictResult& result) {
    const ResultCommandFrame frame(context);
    const std::string path = frame.fileName(kPredictSuffix);
    if (!frame.write(path, FormatCsvTables(PredictSection(result).tables))) return std::nullopt;
    return path;
}

}  // namespace qv
