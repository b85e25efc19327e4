// The INI reader on any text: lookups must not fail, and the text it writes must read back
// to itself.
#include "FuzzInput.h"

#include <cstdlib>

#include "core/model/IniFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace qv;
    IniFile ini;
    ini.setText(std::string(fuzz::AsText(data, size)));
    for (const char* section : {"Basic", "Construct", "Parameter", ""}) {
        (void)ini.hasSection(section);
        (void)ini.entries(section);
        (void)ini.readInt(section, "nConstruct", -1);
        (void)ini.readBool(section, "Sound", false);
    }
    const std::string written = ini.text();
    IniFile again;
    again.setText(written);
    if (again.text() != written) std::abort();
    again.writeString("Basic", "Probe", "value");
    if (again.value("basic", "PROBE") != "value") std::abort();
    return 0;
}
