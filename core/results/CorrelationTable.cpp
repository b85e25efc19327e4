#include "core/results/CorrelationTable.h"

#include "core/engine/AppendFormat.h"
#include "core/engine/Blocks.h"
#include "core/engine/LatentCorrelations.h"

namespace qv {
namespace {

std::vector<int> constructsWhere(const ProjectModel& model, bool (*takesPart)(const Construct&)) {
    std::vector<int> participants;
    for (int k = 0; k < model.nConstruct; ++k)
        if (takesPart(model.constructs[k])) participants.push_back(k);
    return participants;
}

const std::string& captionOf(const ProjectModel& model, int construct) {
    return model.constructs[construct].caption;
}

// "-," and the captions of all participants but the last, each followed by a comma.
void appendColumnHeader(std::string& text, const ProjectModel& model,
                        const CorrelationMatrix& matrix) {
    text += "-,";
    for (size_t j = 0; j + 1 < matrix.participants.size(); ++j)
        text += captionOf(model, matrix.participants[j]) + ",";
    text += "\n";
}

void appendRowsBelowTheFirst(std::string& text, const ProjectModel& model,
                             const CorrelationMatrix& matrix) {
    for (size_t k = 1; k < matrix.participants.size(); ++k) {
        text += captionOf(model, matrix.participants[k]) + ",";
        for (double value : matrix.lower[k]) AppendFormat(text, "%f,", value);
        text += "\n";
    }
}

}  // namespace

std::vector<int> FirstOrderParticipants(const ProjectModel& model) {
    return constructsWhere(model, [](const Construct& c) { return c.order == 1; });
}

std::vector<int> SecondStageParticipants(const ProjectModel& model) {
    return constructsWhere(model, [](const Construct& c) { return c.construct == -1; });
}

CorrelationMatrix ReadParticipantCorrelations(const ProjectModel& model, std::string_view listing,
                                              int stage, std::vector<int> participants) {
    const int blocks = static_cast<int>(BlockConstructs(model, stage).size());
    const auto read = ReadLatentCorrelations(listing, "ALLSample", blocks);
    CorrelationMatrix matrix{std::move(participants), {}};
    for (size_t k = 0; k < matrix.participants.size(); ++k) {
        const int row = matrix.participants[k];
        const int rowBlock = BlockPosition(model, stage, row);
        std::vector<double> values(k, 0.0);
        for (size_t j = 0; j < k; ++j) {
            const int column = matrix.participants[j];
            const int columnBlock = BlockPosition(model, stage, column);
            if (!read || rowBlock < 0 || columnBlock < 0) continue;
            values[j] = read->at(rowBlock, columnBlock) * model.constructs[row].sign *
                        model.constructs[column].sign;
        }
        matrix.lower.push_back(std::move(values));
    }
    return matrix;
}

std::string FormatFirstOrderMatrix(const ProjectModel& model, const CorrelationMatrix& matrix) {
    std::string text = model.hasSecondOrder ? "Correlation of 1st Order Latent Construct\n" : "";
    appendColumnHeader(text, model, matrix);
    appendRowsBelowTheFirst(text, model, matrix);
    return text;
}

std::string FormatSecondStageMatrix(const ProjectModel& model, const CorrelationMatrix& matrix) {
    std::string text = model.hasSecondOrder ? "\nCorrelation of 2nd Order Latent Construct\n" : "";
    appendColumnHeader(text, model, matrix);
    // This matrix shows its first participant's diagonal row as a line of its own.
    if (!matrix.participants.empty()) text += captionOf(model, matrix.participants[0]) + "\n";
    appendRowsBelowTheFirst(text, model, matrix);
    return text;
}

}  // namespace qv
