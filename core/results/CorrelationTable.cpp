#include "core/results/CorrelationTable.h"

#include <memory>

#include "core/engine/AppendFormat.h"
#include "core/engine/Blocks.h"
#include "core/engine/LatentCorrelations.h"
#include "core/engine/ListingReader.h"
#include "core/results/CsvText.h"

namespace qv {
namespace {

std::vector<int> constructsWhere(const ProjectModel& model, bool (*takesPart)(const Construct&)) {
    std::vector<int> participants;
    for (int k = 0; k < model.nConstruct; ++k)
        if (takesPart(model.constructs[k])) participants.push_back(k);
    return participants;
}

std::string captionOf(const ProjectModel& model, int construct) {
    return CsvText(model.constructs[construct].caption);
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

// Takes the messages of a listing read only for its signs.
struct SilentReport final : Prompts, Desktop {
    void tell(const Message&) override {}
    bool askOkCancel(const Message&) override { return false; }
    bool askYesNo(const Message&) override { return false; }
    SaveAnswer askSaveDiscardCancel(const Message&) override { return SaveAnswer::Cancel; }
    void openWithDesktop(const std::string&) override {}
    void showText(const std::string&) override {}
    void playSound(const std::string&) override {}
};

// The signs the listing's run gave each construct. After a two-stage estimate the model holds
// the second stage's signs, which reset those of the first-order members, so the first-stage
// listing is read again for its own; a listing that cannot be read leaves the model's signs.
std::vector<int> listingSigns(const ProjectModel& model, std::string_view listing, int stage) {
    std::vector<int> signs;
    for (int k = 0; k < model.nConstruct; ++k) signs.push_back(model.constructs[k].sign);
    if (stage != kFirstStage || model.estimationStage != 2) return signs;
    auto firstStage = std::make_unique<ProjectModel>(model);
    firstStage->nBlindfolding = 0;
    SilentReport silent;
    const LanguageTexts noTexts;
    ListingReader reader(listing, *firstStage, ListingErrorReport{silent, silent, noTexts, ""});
    if (!reader.ReadListing("ALLSample", kFirstStage)) return signs;
    for (int k = 0; k < model.nConstruct; ++k) signs[k] = firstStage->constructs[k].sign;
    return signs;
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
    const std::vector<int> signs = listingSigns(model, listing, stage);
    CorrelationMatrix matrix{std::move(participants), {}};
    for (size_t k = 0; k < matrix.participants.size(); ++k) {
        const int row = matrix.participants[k];
        const int rowBlock = BlockPosition(model, stage, row);
        std::vector<double> values(k, 0.0);
        for (size_t j = 0; j < k; ++j) {
            const int column = matrix.participants[j];
            const int columnBlock = BlockPosition(model, stage, column);
            if (!read || rowBlock < 0 || columnBlock < 0) continue;
            values[j] = read->at(rowBlock, columnBlock) * signs[row] * signs[column];
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
