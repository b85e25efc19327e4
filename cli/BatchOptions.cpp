#include "cli/BatchOptions.h"

#include <map>
#include <set>
#include <vector>

#include "core/model/NumberText.h"

namespace qv {

const char* const kBatchUsage =
    "usage: quorvanta-batch COMMAND MODEL.qvt [options]\n"
    "       quorvanta-batch --help | --version\n"
    "commands:\n"
    "  estimate    estimate the model with the engine and print its results; the control\n"
    "              file and listing are kept under the project's names\n"
    "              [--json FILE] also write the results as JSON (docs/batch-json.md)\n"
    "              [--consistent] correct the estimate for attenuation (consistent PLS),\n"
    "              as the model parameter Consistent does; an inadmissible solution is\n"
    "              told on standard error and its figures still printed\n"
    "  assess      estimate, then print the assessment: HTMT, Fornell-Larcker, VIF, f2,\n"
    "              reliability (alpha, rho_A, rho_C, AVE), R2 and adjusted R2, effects, SRMR\n"
    "              [--json FILE] write the assessment as JSON too\n"
    "  bootstrap   estimate, then bootstrap it and print the summary table\n"
    "              [--samples N] subsamples (default: the model's setting)\n"
    "              [--seed S] generator seed (0: the clock)\n"
    "              [--confidence 90|95|99] percent level of the percentile and BCa\n"
    "              intervals (default: the model's setting, at first 95); the inference\n"
    "              goes into MODEL_inference.csv\n"
    "              [--json FILE] write the assessment with the inference as JSON\n"
    "  jackknife   estimate, then jackknife it and print the summary table\n"
    "  tables      estimate, then write every result table (CSV) beside the model and\n"
    "              print the names of the files written\n"
    "              [--bootstrap] bootstrap first (with --samples, --seed and --confidence\n"
    "              as above), so that MODEL_inference.csv is written too\n"
    "              [--xlsx FILE] also write every table of the results window into one\n"
    "              workbook, a sheet a table, numbers as numbers\n"
    "              [--csv-folder FOLDER] also write every such table as FOLDER/NAME.csv\n"
    "  report      estimate, then write the web report WebOutput.html into the folder\n"
    "              MODEL_report beside the model and print its path\n"
    "              [--bootstrap] bootstrap first (with --samples, --seed and --confidence\n"
    "              as above)\n"
    "              [--jackknife] jackknife first\n"
    "              [--predict] PLSpredict first (with --folds, --repetitions, --seed and\n"
    "              --technique as for predict), so that the report holds its section\n"
    "  groups      bootstrap the cases of each group and test every path for a difference\n"
    "              between the groups; prints the table of the comparison\n"
    "              --group1 COND... --group2 COND...  the conditions of each group,\n"
    "              each VARIABLE OPERATOR VALUE with an operator of = > < >= <= <>\n"
    "              (\"gender=1\", \"age>=30\"); a value with a point compares as a\n"
    "              number with decimals, a value in double quotes as text, any\n"
    "              other as an integer; a group's conditions must all hold\n"
    "              [--samples N] [--seed S] as for bootstrap\n"
    "  predict     estimate, then PLSpredict: out-of-sample RMSE, MAE and Q2predict of every\n"
    "              endogenous indicator beside a linear benchmark, and Q2predict of every\n"
    "              endogenous construct; prints the tables, writes MODEL_predict.csv\n"
    "              beside the model and prints its path\n"
    "              [--folds K] folds (as many as cases: leave-one-out)\n"
    "              [--repetitions R] splits into folds\n"
    "              [--seed S] generator seed (0: the clock)\n"
    "              [--technique da|ea] predict from the direct antecedents or from the\n"
    "              earliest antecedents\n"
    "              (each by default the model's setting, at first 10 folds, 10\n"
    "              repetitions, seed 0 and da)\n"
    "              [--json FILE] write the prediction as JSON (docs/batch-json.md)\n"
    "options:\n"
    "  --cancel    answer Cancel to every question (the default answer is OK)\n"
    "  --help      print this usage and exit\n"
    "  --version   print the version and exit\n"
    "  --timeout SECONDS\n"
    "              end the run, the engine with it, when it takes longer; exit status 124\n"
    "SIGINT and SIGTERM end the engine too; the exit status is then 128 + the signal.\n";

const char* const kBatchShortUsage =
    "usage: quorvanta-batch COMMAND MODEL.qvt [options]\n"
    "quorvanta-batch --help lists the commands and their options.\n";

namespace {

const std::set<std::string> kCommands = {"estimate", "assess", "bootstrap", "jackknife", "tables",
                                           "report", "groups", "predict"};

bool takeValue(const std::vector<std::string>& args, size_t& at, std::optional<std::string>& value) {
    if (at + 1 >= args.size()) return false;
    value = args[++at];
    return true;
}

// A whole number of seconds above 0.
bool takeSeconds(const std::vector<std::string>& args, size_t& at, int& seconds) {
    std::optional<std::string> text;
    if (!takeValue(args, at, text)) return false;
    const auto value = parseInteger(*text);
    seconds = value.value_or(0);
    return seconds > 0;
}

// A whole number.
bool takeWhole(const std::vector<std::string>& args, size_t& at, std::optional<int>& number) {
    std::optional<std::string> text;
    if (!takeValue(args, at, text)) return false;
    number = parseInteger(*text);
    return number.has_value();
}

// The conditions that follow a group option, up to the next option.
bool takeConditions(const std::vector<std::string>& args, size_t& at, std::vector<std::string>& conditions) {
    for (; at + 1 < args.size() && !args[at + 1].starts_with("--"); ++at)
        conditions.push_back(args[at + 1]);
    return !conditions.empty();
}

// What each option that takes a value needs, for the message when it has none or a wrong one.
const std::map<std::string, std::string> kValueNeeded = {
    {"--samples", "needs a number of subsamples"},  {"--seed", "needs a whole number"},
    {"--json", "needs a file name"},                {"--xlsx", "needs a file name"},
    {"--csv-folder", "needs a folder name"},        {"--folds", "needs a whole number"},
    {"--repetitions", "needs a whole number"},      {"--technique", "takes da or ea"},
    {"--timeout", "needs a whole number of seconds above 0"},
    {"--confidence", "takes 90, 95 or 99"},         {"--group1", "needs its conditions"},
    {"--group2", "needs its conditions"}};

// The option with what it needs and the value it was given, if any; an option of another name
// is unknown.
std::string optionError(const std::vector<std::string>& args, size_t optionAt, size_t valueAt) {
    const std::string& option = args[optionAt];
    const auto needed = kValueNeeded.find(option);
    if (needed == kValueNeeded.end()) return "unknown option: " + option;
    return option + " " + needed->second + (valueAt > optionAt ? ": " + args[valueAt] : "");
}

// 90, 95 or 99 percent.
bool takeConfidence(const std::vector<std::string>& args, size_t& at, std::optional<int>& confidence) {
    std::optional<std::string> value;
    if (!takeValue(args, at, value) || (*value != "90" && *value != "95" && *value != "99")) return false;
    confidence = *value == "90" ? 90 : *value == "95" ? 95 : 99;
    return true;
}

}  // namespace

std::optional<BatchOptions> ParseBatchOptions(int argc, const char* const* argv, std::string& error) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    BatchOptions options;
    // Asked for on its own, usage or version wins over everything else on the line.
    for (const std::string& arg : args)
        if (arg == "--help" || arg == "-h" || arg == "--version") {
            options.command = arg == "--version" ? "version" : "help";
            return options;
        }
    std::vector<std::string> words;
    for (size_t at = 0; at < args.size(); ++at) {
        const std::string& arg = args[at];
        const size_t optionAt = at;
        bool understood = true;
        if (arg == "--cancel")
            options.cancel = true;
        else if (arg == "--bootstrap")
            options.bootstrap = true;
        else if (arg == "--jackknife")
            options.jackknife = true;
        else if (arg == "--predict")
            options.predict = true;
        else if (arg == "--consistent")
            options.consistent = true;
        else if (arg == "--samples")
            understood = takeValue(args, at, options.samples);
        else if (arg == "--seed")
            understood = takeValue(args, at, options.seed);
        else if (arg == "--json")
            understood = takeValue(args, at, options.json);
        else if (arg == "--xlsx")
            understood = takeValue(args, at, options.xlsx);
        else if (arg == "--csv-folder")
            understood = takeValue(args, at, options.csvFolder);
        else if (arg == "--folds")
            understood = takeWhole(args, at, options.folds);
        else if (arg == "--repetitions")
            understood = takeWhole(args, at, options.repetitions);
        else if (arg == "--technique")
            understood = takeValue(args, at, options.technique) && (*options.technique == "da" || *options.technique == "ea");
        else if (arg == "--timeout")
            understood = takeSeconds(args, at, options.timeoutSeconds);
        else if (arg == "--confidence")
            understood = takeConfidence(args, at, options.confidence);
        else if (arg == "--group1" || arg == "--group2")
            understood = takeConditions(args, at, arg == "--group1" ? options.group1 : options.group2);
        else if (arg.starts_with("--"))
            understood = false;
        else
            words.push_back(arg);
        if (!understood) {
            error = optionError(args, optionAt, at);
            return std::nullopt;
        }
    }
    if (words.size() != 2 || !kCommands.contains(words[0])) {
        error = words.empty() ? "no command given" : "expected a command and one model file";
        return std::nullopt;
    }
    if (options.predict && words[0] != "report") {
        error = "--predict belongs to report";
        return std::nullopt;
    }
    const bool predicts = words[0] == "predict" || options.predict;
    if ((options.folds || options.repetitions || options.technique) && !predicts) {
        error = "--folds, --repetitions and --technique belong to predict";
        return std::nullopt;
    }
    if (options.seed && predicts && !parseInteger(*options.seed)) {
        error = "--seed needs a whole number: " + *options.seed;
        return std::nullopt;
    }
    const bool infers = words[0] == "bootstrap" || ((words[0] == "report" || words[0] == "tables") && options.bootstrap);
    if (options.samples && !infers && words[0] != "groups") {
        error = "--samples belongs to bootstrap";
        return std::nullopt;
    }
    if (options.seed && !infers && words[0] != "groups" && !predicts) {
        error = "--seed belongs to bootstrap and predict";
        return std::nullopt;
    }
    if (options.confidence && !infers) {
        error = "--confidence belongs to bootstrap";
        return std::nullopt;
    }
    if (options.bootstrap && words[0] != "report" && words[0] != "tables") {
        error = "--bootstrap belongs to report and tables";
        return std::nullopt;
    }
    if (options.jackknife && words[0] != "report") {
        error = "--jackknife belongs to report";
        return std::nullopt;
    }
    if (options.consistent && words[0] != "estimate") {
        error = "--consistent belongs to estimate";
        return std::nullopt;
    }
    if (options.json && words[0] != "estimate" && words[0] != "assess" && words[0] != "bootstrap" &&
        words[0] != "predict") {
        error = "--json belongs to estimate, assess, bootstrap and predict";
        return std::nullopt;
    }
    if ((options.xlsx || options.csvFolder) && words[0] != "tables") {
        error = "--xlsx and --csv-folder belong to tables";
        return std::nullopt;
    }
    const bool groups = words[0] == "groups";
    if (groups && (options.group1.empty() || options.group2.empty())) {
        error = "groups needs the conditions of --group1 and of --group2";
        return std::nullopt;
    }
    if (!groups && (!options.group1.empty() || !options.group2.empty())) {
        error = "--group1 and --group2 belong to groups";
        return std::nullopt;
    }
    options.command = words[0];
    options.modelFile = words[1];
    return options;
}

}  // namespace qv
