#pragma once

#include <string>
#include <vector>

#include "core/results/ResultContext.h"
#include "core/tables/ResultTable.h"

namespace qv {

// File ▸ Export Results and the Excel report button: the results' tables written as one
// workbook or a folder of CSV files. A write that fails is told ("cannot write FILE: reason")
// and the previous file stays; one that succeeds says where in the status line.
class ResultExport {
public:
    ResultExport(ResultContext context, std::vector<ResultTable> tables);

    bool toWorkbook(const std::string& file, int decimals);
    bool toCsvFolder(const std::string& folder);
    // "<folder><stem>_results.xlsx" beside the model, then handed to the desktop.
    bool workbookBesideModel(int decimals);

    // The file the button writes for this model file.
    static std::string besideModel(const std::string& projectFile);

private:
    bool done(const std::string& target, const std::optional<std::string>& failure);

    ResultContext c_;
    std::vector<ResultTable> tables_;
};

}  // namespace qv
