// The statistics-package readers on any bytes. The file's own first byte picks the format, so
// the seeds stay real files: "$" opens SPSS files ($FL2, $FL3), a zero byte a SAS file, anything
// else a Stata file (its first byte is the format version or the "<" of its XML-like header).
#include "FuzzInput.h"

#include "core/ports/SilentUser.h"
#include "core/rawdata/RawDataReader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace qv;
    const char first = size > 0 ? char(data[0]) : '\0';
    const char* extension = first == '$' ? ".sav" : first == '\0' ? ".sas7bdat" : ".dta";
    const fuzz::InputFile input(fuzz::AsText(data, size), extension);
    RawDataTable table;
    table.raw = input.path();
    SilentUser user;
    (void)LoadRawData(table, CaseFilter{}, LanguageTexts{}, user, user);
    return 0;
}
