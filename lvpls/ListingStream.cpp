#include "lvpls/ListingStream.h"

#include "lvpls/OrderedWorkers.h"
#include "lvpls/ProblemRunner.h"

#include <memory>

namespace lvpls {

int streamListing(std::istream& input, const std::function<void(std::string_view)>& write, int threads) {
    LineReader reader(input);
    ProblemSplitter splitter(reader);
    OrderedWorkers workers(threads, write);
    std::shared_ptr<const SampleSource> source;
    int problems = 0;
    while (auto text = splitter.next()) {
        // The records SAMPLE lines draw from are read here, once, before their problems run.
        if (!text->drawsFromBefore()) source = text->sampleLine.empty() ? nullptr : readSampleSource(*text);
        workers.submit([text = std::move(*text), source](Problem& workspace) mutable {
            return runProblem(text, source.get(), workspace);
        });
        ++problems;
    }
    workers.finish();
    return problems;
}

}  // namespace lvpls
