#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>

#include "core/engine/ControlFileWriter.h"
#include "core/engine/EngineTestModels.h"
#include "core/engine/LatentCorrelations.h"
#include "core/engine/ListingReader.h"
#include "core/ports/ScriptedPorts.h"

namespace qv {
namespace {

namespace fs = std::filesystem;
using testing::ModelBuilder;

fs::path Engine() { return fs::path(QV_START_DIR) / "pls"; }

// X (x1) predicts Y (y1), Y predicts Z (z1 z2 z3). With one indicator per block the path
// X -> Y is the plain correlation of x1 and y1, which the test computes on its own.
struct Study {
    ModelBuilder b;
    std::vector<double> x, y;

    // y1 holds the given number of decimals.
    explicit Study(int cases, int decimals = 2) {
        const double scale = std::pow(10.0, decimals);
        const int cx = b.construct("X");
        const int cy = b.construct("Y");
        const int cz = b.construct("Z");
        b.indicator("x1", cx);
        b.indicator("y1", cy);
        for (const char* name : {"z1", "z2", "z3"}) b.indicator(name, cz);
        b.path(cx, cy);
        b.path(cy, cz);
        unsigned state = 12345;
        const auto draw = [&] {
            state = state * 1103515245u + 12345u;
            return static_cast<double>((state >> 8) % 1000) / 100.0;
        };
        std::vector<std::vector<std::string>> rows;
        for (int i = 0; i < cases; ++i) {
            const double u = draw(), v = draw();
            x.push_back(100000.0 + 1000.0 * u);  // wider than the 8-column data field
            y.push_back(std::round(scale * (0.6 * u + v + draw() / 1000.0)) / scale);
            rows.push_back({std::to_string(x.back()), std::to_string(y.back()),
                            std::to_string(y.back() + draw()), std::to_string(y.back() + draw()),
                            std::to_string(draw() - y.back())});
        }
        b.cases(rows);
        b.parameters.missingValue = "-1";
    }

    double correlationXY() const {
        const double n = static_cast<double>(x.size());
        double mx = 0, my = 0;
        for (size_t i = 0; i < x.size(); ++i) mx += x[i] / n, my += y[i] / n;
        double sxy = 0, sxx = 0, syy = 0;
        for (size_t i = 0; i < x.size(); ++i) {
            sxy += (x[i] - mx) * (y[i] - my);
            sxx += (x[i] - mx) * (x[i] - mx);
            syy += (y[i] - my) * (y[i] - my);
        }
        return sxy / std::sqrt(sxx * syy);
    }
};

std::string RunEngine(const std::string& controlFile, const std::string& name) {
    const fs::path folder = fs::temp_directory_path() / ("qv_roundtrip_" + name);
    fs::create_directories(folder);
    const fs::path card = folder / "tmppls.pls";
    const fs::path out = folder / "tmppls.out";
    std::ofstream(card, std::ios::binary) << controlFile;
    const std::string command =
        "\"" + Engine().string() + "\" \"" + card.string() + "\" > \"" + out.string() + "\"";
    EXPECT_EQ(std::system(command.c_str()), 0);
    const std::string listing = testing::readBytes(out);
    fs::remove_all(folder);
    return listing;
}

// More than 999 records with a missing-value code and values of 100000 and more widen the
// card lines; the engine must still read every record right.
TEST(EngineRoundTrip, WrittenCardsComeBackAsResults) {
    if (!fs::exists(Engine())) GTEST_SKIP() << "pls is not built";
    Study study(1200);
    ScriptedPorts ports;
    ControlFileWriter writer(study.b.model, study.b.parameters, study.b.table, ports);
    std::string card;
    ControlRun jackknife;
    jackknife.sampleKind = SampleKind::Jackknife;
    ASSERT_TRUE(writer.WriteControlRun(card, jackknife));
    ASSERT_TRUE(writer.WriteControlRun(card, ControlRun{}));
    const std::string listing = RunEngine(card + "STOP", "widened");

    LanguageTexts texts;
    ProjectModel& model = study.b.model;
    ListingReader reader(listing, model, ListingErrorReport{ports, ports, texts, ""});
    ASSERT_TRUE(reader.ReadNextListing("SubSample 0", kRegularStage)) << listing.substr(0, 2000);
    const float subsample = model.paths[0].coefficient;
    ASSERT_TRUE(reader.ReadNextListing("ALLSample", kRegularStage));
    EXPECT_TRUE(ports.events().empty());

    EXPECT_NEAR(model.paths[0].coefficient, study.correlationXY(), 1e-5);
    EXPECT_NE(model.paths[0].coefficient, subsample);  // one case fewer, another estimate
    EXPECT_NEAR(std::fabs(model.indicators[0].loading), 1.0, 1e-5);
    EXPECT_NEAR(model.constructs[1].rSquare,
                model.paths[0].coefficient * model.paths[0].coefficient, 1e-5);
    EXPECT_NEAR(model.constructs[2].rSquare,
                model.paths[1].coefficient * model.paths[1].coefficient, 1e-5);
    for (int i = 2; i < 5; ++i) {
        const Indicator& z = model.indicators[static_cast<size_t>(i)];
        EXPECT_NEAR(z.loading * z.loading + z.residual, 1.0, 1e-5) << z.caption;
    }
    const auto correlations = ReadLatentCorrelations(listing, "ALLSample", 3);
    ASSERT_TRUE(correlations);
    EXPECT_NEAR(correlations->at(1, 2) * model.constructs[1].sign * model.constructs[2].sign,
                model.paths[1].coefficient, 1e-5);
}

// Data with more decimals than the Decimal setting reach the engine whole: the path between
// two single-indicator blocks is the correlation of the full-precision values.
TEST(EngineRoundTrip, DataReachTheEngineWithTheDecimalsTheyHold) {
    if (!fs::exists(Engine())) GTEST_SKIP() << "pls is not built";
    Study study(300, 5);
    ScriptedPorts ports;
    ControlFileWriter writer(study.b.model, study.b.parameters, study.b.table, ports);
    std::string card;
    ASSERT_TRUE(writer.WriteControlRun(card, ControlRun{}));
    EXPECT_NE(card.find("(2A4,5F13.5)"), std::string::npos);  // the widest x is 109990.00000
    const std::string listing = RunEngine(card + "STOP", "decimals");

    LanguageTexts texts;
    ProjectModel& model = study.b.model;
    ListingReader reader(listing, model, ListingErrorReport{ports, ports, texts, ""});
    ASSERT_TRUE(reader.ReadListing("ALLSample", kRegularStage)) << listing.substr(0, 2000);
    EXPECT_NEAR(model.paths[0].coefficient, study.correlationXY(), 1e-6);
}

}  // namespace
}  // namespace qv
