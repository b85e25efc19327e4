// The engine's card parser on any control file: every problem is parsed, and a bad card must
// end as the engine's own error naming the card (or as too little memory), never as another
// exception, which the engine could only report without naming the line.
#include "FuzzInput.h"

#include <memory>
#include <new>
#include <sstream>

#include "lvpls/CardParser.h"
#include "lvpls/ProblemError.h"
#include "lvpls/SampleSource.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::istringstream input{std::string(qv::fuzz::AsText(data, size))};
    lvpls::LineReader reader(input);
    lvpls::ProblemSplitter splitter(reader);
    std::shared_ptr<const lvpls::SampleSource> source;
    lvpls::Problem parsed;
    while (const auto problem = splitter.next()) {
        (void)lvpls::problemTitle(*problem);
        if (!problem->drawsFromBefore())
            source = problem->sampleLine.empty() ? nullptr : lvpls::readSampleSource(*problem);
        try {
            if (problem->sampleLine.empty())
                lvpls::parseProblem(*problem, parsed);
            else
                lvpls::drawProblem(*problem, source.get(), parsed);
        } catch (const lvpls::ProblemError&) {
        } catch (const std::bad_alloc&) {
        }
    }
    return 0;
}
