// The listing reader on any text, against three models: the worked example (two blocks), a
// fork with two blindfolded constructs and a chain of thirteen blocks (two panels of the path
// table). Each reads the entire sample at both stages and the first subsamples in order, as
// estimates do, and the listing as a resampling run of three subsamples.
#include "FuzzInput.h"

#include <cstdlib>
#include <memory>

#include "core/engine/Blocks.h"
#include "core/engine/EngineTestModels.h"
#include "core/engine/ListingReader.h"
#include "core/ports/ScriptedPorts.h"
#include "core/results/ResamplingListing.h"
#include "core/results/ResamplingStore.h"

namespace {

using qv::testing::ModelBuilder;

std::unique_ptr<ModelBuilder> Fork() {
    auto b = std::make_unique<ModelBuilder>();
    for (const char* name : {"A", "B", "C"}) b->construct(name);
    b->indicator("a1", 0);
    b->indicator("a2", 0);
    b->indicator("b1", 1);
    b->indicator("c1", 2);
    b->path(0, 1);
    b->path(0, 2);
    b->model.blindfoldingFlags[1] = b->model.blindfoldingFlags[2] = 1;
    b->model.nBlindfolding = 2;
    return b;
}

std::unique_ptr<ModelBuilder> Chain(int n) {
    auto b = std::make_unique<ModelBuilder>();
    for (int i = 0; i < n; ++i) {
        b->construct("C" + std::to_string(i + 1));
        b->indicator("x" + std::to_string(i + 1), i);
        if (i > 0) b->path(i - 1, i);
    }
    b->path(n - 1, 0);
    return b;
}

void ReadAgainst(std::string_view listing, const qv::ProjectModel& model, bool leaveOutRejected) {
    using namespace qv;
    ScriptedPorts ports;
    LanguageTexts texts;
    const ListingErrorReport report{ports, ports, texts, "fuzz.out"};
    {
        ProjectModel read = model;
        ListingReader reader(listing, read, report);
        for (int stage : {kFirstStage, kRegularStage}) (void)reader.ReadListing("ALLSample", stage);
        for (int s = 0; s < 3; ++s)
            (void)reader.ReadNextListing("SubSample " + std::to_string(s), kRegularStage);
        AlignSigns(read);
    }
    {
        ProjectModel read = model;
        ResamplingStore store;
        if (!store.allocate(3, read.nIndicator, read.nPath)) std::abort();
        std::vector<RejectedSubsample> rejected;
        (void)ReadResamplingListing(ResamplingListing{listing, 3, leaveOutRejected}, read, store,
                                    report, ports, rejected);
        (void)LeftOutText(rejected, 3);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const auto workedExample = std::make_unique<ModelBuilder>(qv::testing::WorkedExample());
    static const auto fork = Fork();
    static const auto chain = Chain(13);
    const std::string_view listing = qv::fuzz::AsText(data, size);
    // A bootstrap leaves rejected subsamples out, a jackknife stops at one.
    const bool leaveOutRejected = size % 2 == 1;
    for (const ModelBuilder* b : {workedExample.get(), fork.get(), chain.get()})
        ReadAgainst(listing, b->model, leaveOutRejected);
    return 0;
}
