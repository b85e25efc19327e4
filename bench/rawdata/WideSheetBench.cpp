// Opens a spreadsheet of 1,000 variables and 100,000 cases, as a researcher's large survey
// file, and prints the time and the peak memory the reading took. The sheet is written
// first by the test tool that writes the readers' test files.
//   wide_sheet_bench [VARIABLES CASES]

#include <sys/resource.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "core/app/LanguageTexts.h"
#include "core/ports/Prompts.h"
#include "core/rawdata/CaseFilter.h"
#include "core/rawdata/RawDataReader.h"

namespace {

// Messages go to standard error; no question is ever answered with yes.
struct QuietPorts : qv::Prompts, qv::FileChooser {
    void tell(const qv::Message& message) override { std::fprintf(stderr, "%s\n", message.text.c_str()); }
    bool askOkCancel(const qv::Message&) override { return false; }
    bool askYesNo(const qv::Message&) override { return false; }
    qv::SaveAnswer askSaveDiscardCancel(const qv::Message&) override { return qv::SaveAnswer::Cancel; }
    std::optional<std::string> chooseFileToOpen(const std::string&, const std::string&) override { return {}; }
    std::optional<std::string> chooseFileToSave(const std::string&, const std::string&, const std::string&) override {
        return {};
    }
};

long peakKilobytes() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

}  // namespace

int main(int argc, char** argv) {
    const std::string variables = argc > 2 ? argv[1] : "1000";
    const std::string cases = argc > 2 ? argv[2] : "100000";
    const auto sheet = std::filesystem::temp_directory_path() /
                       ("qv-wide-" + variables + "x" + cases + ".xlsx");
    if (!std::filesystem::exists(sheet)) {
        const std::string command = std::string(QV_WRITER) + " --wide " + variables + " " + cases + " " + sheet.string();
        if (std::system(command.c_str()) != 0) return 1;
    }
    const long before = peakKilobytes();
    qv::RawDataTable table;
    table.raw = sheet.string();
    qv::CaseFilter filter;
    qv::LanguageTexts texts;
    QuietPorts ports;
    const auto start = std::chrono::steady_clock::now();
    const bool ok = qv::LoadRawData(table, filter, texts, ports, ports).ok;
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::printf("%s: %s, %d variables, %d cases, %.2f s, peak memory %.0f MB (%.0f MB before)\n",
                sheet.filename().c_str(), ok ? "read" : "FAILED", table.nFields(), table.caseCount(),
                seconds, peakKilobytes() / 1024.0, before / 1024.0);
    return ok ? 0 : 1;
}
