// The Office Open XML workbook reader on any bytes.
#include "FuzzInput.h"
#include "WorkbookFuzz.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    qv::fuzz::ReadWorkbook(qv::fuzz::AsText(data, size), ".xlsx");
    return 0;
}
