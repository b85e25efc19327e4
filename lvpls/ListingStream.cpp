#include "lvpls/ListingStream.h"

#include "lvpls/ProblemRunner.h"

namespace lvpls {

int streamListing(std::istream& input, const std::function<void(std::string_view)>& write) {
    LineReader reader(input);
    ProblemSplitter splitter(reader);
    int problems = 0;
    while (auto text = splitter.next()) {
        write(runProblem(*text));
        ++problems;
    }
    return problems;
}

}  // namespace lvpls
