#include "core/results/CorrelationTable.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "core/engine/Blocks.h"

namespace qv {
namespace {

// A value no other cell shares: row and column can be read back from it.
double cellValue(int row, int column) { return row == column ? 1.0 : 0.01 * (row + 1) + 0.0001 * (column + 1); }

std::string field(double value) {
    char text[16];
    std::snprintf(text, sizeof text, "%10.6f", value);
    return text;
}

// The "Correlations of latent variables" section of an ALLSample run in the engine's layout:
// panels of 12 columns, a later panel 8 lines below the previous panel's last row.
std::string listingOf(const std::vector<std::string>& blocks, const std::string& before = "") {
    const int size = static_cast<int>(blocks.size());
    std::string text = "---- Problem 1 ----\r\nALLSample \r\nBlocks\r\n" + before;
    for (int first = 0; first < size; first += 12) {
        if (first > 0) text += "\r\n\r\n\r\n";
        text += "\r\nCorrelations of latent variables\r\n================================\r\n\r\n";
        text += std::string(10, ' ');
        for (int column = first; column < std::min(size, first + 12); ++column)
            text += std::string(10 - blocks[column].size(), ' ') + blocks[column];
        text += "\r\n";
        for (int row = first; row < size; ++row) {
            text += blocks[row] + std::string(10 - blocks[row].size(), ' ');
            for (int column = first; column <= std::min(row, first + 11); ++column)
                text += field(cellValue(row, column));
            text += "\r\n";
        }
    }
    return text + "---- End of listing: problems 1 ----\r\n";
}

ProjectModel modelOf(int constructs) {
    ProjectModel model;
    for (int k = 0; k < constructs; ++k) {
        EXPECT_TRUE(model.addConstruct(10 * k, 10));
        model.constructs[k].caption = "K" + std::to_string(k);
    }
    return model;
}

std::vector<std::string> captions(const ProjectModel& model, const std::vector<int>& constructs) {
    std::vector<std::string> names;
    for (int k : constructs) names.push_back(model.constructs[k].caption);
    return names;
}

TEST(CorrelationTable, FourteenConstructsReadTheSecondPanelAndThirteenNeedOnlyTheFirst) {
    for (int size : {13, 14, 24}) {
        const ProjectModel model = modelOf(size);
        const std::vector<int> participants = FirstOrderParticipants(model);
        const std::string listing = listingOf(captions(model, participants));
        const CorrelationMatrix matrix =
            ReadParticipantCorrelations(model, listing, kRegularStage, participants);
        ASSERT_EQ(matrix.lower.size(), static_cast<size_t>(size));
        for (int row = 1; row < size; ++row)
            for (int column = 0; column < row; ++column)
                EXPECT_NEAR(matrix.lower[row][column], cellValue(row, column), 1e-7)
                    << size << " constructs, row " << row << " column " << column;
    }
}

TEST(CorrelationTable, ANegativeSignTurnsItsRowAndItsColumn) {
    ProjectModel model = modelOf(3);
    model.constructs[1].sign = -1;
    const auto participants = FirstOrderParticipants(model);
    const CorrelationMatrix matrix = ReadParticipantCorrelations(
        model, listingOf(captions(model, participants)), kRegularStage, participants);
    EXPECT_EQ(FormatFirstOrderMatrix(model, matrix),
              "-,K0,K1,\nK1,-0.020100,\nK2,0.030100,-0.030200,\n");
}

TEST(CorrelationTable, AListingWithoutTheSectionGivesZeros) {
    const ProjectModel model = modelOf(2);
    const CorrelationMatrix matrix = ReadParticipantCorrelations(
        model, "---- Problem 1 ----\r\nALLSample \r\nError: constant indicator\r\n", kRegularStage,
        FirstOrderParticipants(model));
    EXPECT_EQ(FormatFirstOrderMatrix(model, matrix), "-,K0,\nK1,0.000000,\n");
}

// K0 and K3 stand alone; K2 and K4 are members of the second-order construct K1.
TEST(CorrelationTable, SecondOrderModelMatchesEachStagesBlocksToTheirConstructs) {
    ProjectModel model = modelOf(5);
    model.constructs[1].order = 2;
    model.hasSecondOrder = true;
    ASSERT_TRUE(model.linkConstruct(2, 1));
    ASSERT_TRUE(model.linkConstruct(4, 1));
    const auto firstOrder = FirstOrderParticipants(model);
    const auto secondStage = SecondStageParticipants(model);
    EXPECT_EQ(firstOrder, (std::vector<int>{0, 2, 3, 4}));
    EXPECT_EQ(secondStage, (std::vector<int>{0, 1, 3}));
    const std::string first = FormatFirstOrderMatrix(
        model, ReadParticipantCorrelations(model, listingOf(captions(model, firstOrder)),
                                           kFirstStage, firstOrder));
    const std::string second = FormatSecondStageMatrix(
        model, ReadParticipantCorrelations(model, listingOf(captions(model, secondStage)),
                                           kRegularStage, secondStage));
    EXPECT_EQ(first,
              "Correlation of 1st Order Latent Construct\n-,K0,K2,K3,\n"
              "K2,0.020100,\nK3,0.030100,0.030200,\nK4,0.040100,0.040200,0.040300,\n");
    EXPECT_EQ(second,
              "\nCorrelation of 2nd Order Latent Construct\n-,K0,K1,\nK0\n"
              "K1,0.020100,\nK3,0.030100,0.030200,\n");
}

// After a two-stage estimate the second stage has reset the member's sign; the first-stage
// listing, where the member's loading came out negative, still decides its sign there.
TEST(CorrelationTable, FirstStageMatrixTakesTheSignsOfTheFirstStage) {
    ProjectModel model = modelOf(3);
    model.constructs[1].order = 2;
    model.hasSecondOrder = true;
    model.estimationStage = 2;
    ASSERT_TRUE(model.linkConstruct(2, 1));
    model.nIndicator = 2;
    model.indicators[0] = Indicator{.caption = "a", .loading = 0.8f};
    model.indicators[1] = Indicator{.caption = "b", .loading = 0.9f};
    ASSERT_TRUE(model.assignIndicator(0, 0));
    ASSERT_TRUE(model.assignIndicator(1, 2));
    const std::string outerModel =
        "\r\nOuter Model\r\n===========\r\n    weight   loading\r\n"
        "\r\nK0  Mode A\r\na           1.000000  0.800000  0.000000  0.360000\r\n"
        "\r\nK2  Mode A\r\nb          -1.000000 -0.900000  0.000000  0.190000\r\n";
    const auto participants = FirstOrderParticipants(model);
    const std::string listing = listingOf(captions(model, participants), outerModel);
    EXPECT_EQ(FormatFirstOrderMatrix(
                  model, ReadParticipantCorrelations(model, listing, kFirstStage, participants)),
              "Correlation of 1st Order Latent Construct\n-,K0,\nK2,-0.020100,\n");
    EXPECT_EQ(model.constructs[2].sign, 1);
    EXPECT_FLOAT_EQ(model.indicators[1].loading, 0.9f);
}

}  // namespace
}  // namespace qv
