#include "tests/lvpls/support/ProblemFixture.h"

#include "lvpls/CardParser.h"

#include <sstream>

namespace lvpls::testing {

Problem parseRun(const ControlRun& run, const DataSet& data) {
    std::string text;
    appendControlRun(text, run, data);
    std::istringstream input(text + "STOP");
    LineReader reader(input);
    ProblemSplitter splitter(reader);
    return parseProblem(*splitter.next());
}

ControlRun ecsiRun() {
    ControlRun run;
    run.blocks = {{"IMAG", {"IMAG1", "IMAG2", "IMAG3", "IMAG4", "IMAG5"}},
                  {"EXPE", {"CUEX1", "CUEX2", "CUEX3"}},
                  {"QUAL", {"PERQ1", "PERQ2", "PERQ3", "PERQ4", "PERQ5", "PERQ6", "PERQ7"}},
                  {"VAL", {"PERV1", "PERV2"}},
                  {"SAT", {"CUSA1", "CUSA2", "CUSA3"}},
                  {"COM", {"CUSCO"}},
                  {"LOY", {"CUSL1", "CUSL2", "CUSL3"}}};
    run.paths = {{"IMAG", "EXPE"}, {"IMAG", "SAT"}, {"IMAG", "LOY"}, {"EXPE", "QUAL"}, {"EXPE", "VAL"},
                 {"EXPE", "SAT"},  {"QUAL", "VAL"}, {"QUAL", "SAT"}, {"VAL", "SAT"},   {"SAT", "COM"},
                 {"SAT", "LOY"},   {"COM", "LOY"}};
    return run;
}

DataSet mobiData() { return readDataSet(std::filesystem::path(QV_TEST_DATA_DIR) / "lvpls" / "mobi.txt"); }

}  // namespace lvpls::testing
