// The text data reader on any bytes: once as a file through the load the workbench does, once
// in memory in uneven pieces as a comma-separated file.
#include "FuzzInput.h"

#include "core/ports/SilentUser.h"
#include "core/rawdata/DataFileParser.h"
#include "core/rawdata/RawDataReader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace qv;
    const std::string_view bytes = fuzz::AsText(data, size);
    const CaseFilter everyCase;
    {
        const fuzz::InputFile input(bytes, ".txt");
        RawDataTable table;
        table.raw = input.path();
        SilentUser user;
        (void)LoadRawData(table, everyCase, LanguageTexts{}, user, user);
        (void)FindEmptyCells(table, user);
    }
    DataFileParser parser(everyCase, "fuzz.csv");
    // Pieces of 1, 2, 3, ... bytes put every line end and mark across a piece boundary somewhere.
    for (size_t at = 0, piece = 1; at < bytes.size() && parser.feed(bytes.substr(at, piece));
         at += piece, ++piece) {
    }
    parser.finish();
    (void)parser.error();
    return 0;
}
