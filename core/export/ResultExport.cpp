#include "core/export/ResultExport.h"

#include "core/app/DerivedFileNames.h"
#include "core/export/ResultWorkbook.h"
#include "core/ports/WriteFailure.h"

namespace qv {

ResultExport::ResultExport(ResultContext context, std::vector<ResultTable> tables)
    : c_(context), tables_(std::move(tables)) {}

bool ResultExport::done(const std::string& target, const std::optional<std::string>& failure) {
    if (!WriteSucceeded(c_.ports.prompts, failure)) return false;
    c_.ports.status.showStatus(c_.texts.lookup("MSG_Ready"), "Results written to " + target);
    return true;
}

bool ResultExport::toWorkbook(const std::string& file, int decimals) {
    return done(file, WriteResultWorkbook(tables_, file, decimals));
}

bool ResultExport::toCsvFolder(const std::string& folder) { return done(folder, WriteResultCsvFolder(tables_, folder)); }

std::string ResultExport::besideModel(const std::string& projectFile) {
    return modelFileName(projectFile, "_results.xlsx");
}

bool ResultExport::workbookBesideModel(int decimals) {
    const std::string file = besideModel(c_.files.project);
    if (!toWorkbook(file, decimals)) return false;
    c_.ports.desktop.openWithDesktop(file);
    return true;
}

}  // namespace qv
