#include "lvpls/ListingStream.h"

#include "lvpls/ProblemRunner.h"

namespace lvpls {

int streamListing(std::istream& input, const std::function<void(std::string_view)>& write) {
    LineReader reader(input);
    ProblemSplitter splitter(reader);
    std::shared_ptr<const SampleSource> source;
    Problem workspace;
    int problems = 0;
    while (auto text = splitter.next()) {
        if (!text->drawsFromBefore()) source = text->sampleLine.empty() ? nullptr : readSampleSource(*text);
        write(runProblem(*text, source.get(), workspace));
        ++problems;
    }
    return problems;
}

}  // namespace lvpls
