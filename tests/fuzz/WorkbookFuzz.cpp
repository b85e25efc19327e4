#include "WorkbookFuzz.h"

#include "FuzzInput.h"

#include "core/ports/SilentUser.h"
#include "core/rawdata/RawDataReader.h"
#include "core/rawdata/formats/WorkbookSheets.h"

namespace qv::fuzz {

void ReadWorkbook(std::string_view bytes, const std::string& extension) {
    const InputFile input(bytes, extension);
    std::string error;
    const std::vector<std::string> sheets = WorkbookSheets(input.path(), error);
    std::vector<std::string> chosen = {""};
    if (!sheets.empty()) chosen.push_back(sheets.back());
    for (const std::string& sheet : chosen) {
        RawDataTable table;
        table.raw = input.path();
        table.sheet = sheet;
        SilentUser user;
        (void)LoadRawData(table, CaseFilter{}, LanguageTexts{}, user, user);
    }
}

}  // namespace qv::fuzz
