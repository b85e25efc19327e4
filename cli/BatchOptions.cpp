#include "cli/BatchOptions.h"

#include <set>
#include <vector>

namespace qv {

const char* const kBatchUsage =
    "usage: quorvanta-batch COMMAND MODEL.qvt [options]\n"
    "commands:\n"
    "  estimate    estimate the model with the engine and print its results; the control\n"
    "              file and listing are kept under the project's names\n"
    "  bootstrap   estimate, then bootstrap it and print the summary table\n"
    "              [--samples N] subsamples (default: the model's setting)\n"
    "              [--seed S] generator seed (0: the clock)\n"
    "  jackknife   estimate, then jackknife it and print the summary table\n"
    "  tables      estimate, then write every result table (CSV) beside the model and\n"
    "              print the names of the files written\n"
    "options:\n"
    "  --cancel    answer Cancel to every question (the default answer is OK)\n";

namespace {

const std::set<std::string> kCommands = {"estimate", "bootstrap", "jackknife", "tables"};

bool takeValue(const std::vector<std::string>& args, size_t& at, std::optional<std::string>& value) {
    if (at + 1 >= args.size()) return false;
    value = args[++at];
    return true;
}

}  // namespace

std::optional<BatchOptions> ParseBatchOptions(int argc, const char* const* argv, std::string& error) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    BatchOptions options;
    std::vector<std::string> words;
    for (size_t at = 0; at < args.size(); ++at) {
        const std::string& arg = args[at];
        bool understood = true;
        if (arg == "--cancel")
            options.cancel = true;
        else if (arg == "--samples")
            understood = takeValue(args, at, options.samples);
        else if (arg == "--seed")
            understood = takeValue(args, at, options.seed);
        else if (arg.starts_with("--"))
            understood = false;
        else
            words.push_back(arg);
        if (!understood) {
            error = "unknown option or missing value: " + arg;
            return std::nullopt;
        }
    }
    if (words.size() != 2 || !kCommands.contains(words[0])) {
        error = words.empty() ? "no command given" : "expected a command and one model file";
        return std::nullopt;
    }
    if ((options.samples || options.seed) && words[0] != "bootstrap") {
        error = "--samples and --seed belong to bootstrap";
        return std::nullopt;
    }
    options.command = words[0];
    options.modelFile = words[1];
    return options;
}

}  // namespace qv
