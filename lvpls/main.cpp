#include "lvpls/CommandLine.h"
#include "lvpls/ListingPrinter.h"
#include "lvpls/ListingStream.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <string>
#include <string_view>
#include <vector>

namespace {

void print(const std::string& text) { std::fwrite(text.data(), 1, text.size(), stdout); }

// A message the workbench can still find: a banner line, then the "Error:" line, then the
// closing line that every listing ends with.
std::string failure(const std::string& reason) {
    std::string out;
    lvpls::appendLine(out, "---- pls ----");
    lvpls::appendErrorLine(out, reason);
    lvpls::appendClosingLine(out, 0);
    return out;
}

int fail(const std::string& reason) {
    print(failure(reason));
    std::fprintf(stderr, "pls: %s\n", reason.c_str());
    return 1;
}

// What this engine reads beyond the standard layout, one name a line; the workbench writes
// the compact resampling form only to an engine that names it.
int printCapabilities() {
    print("sample-lines\nthreads\n");
    return std::fflush(stdout) == 0 ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
    const lvpls::CommandLine line = lvpls::parseCommandLine(std::vector<std::string>(argv + 1, argv + argc));
    if (line.capabilities) return printCapabilities();
    if (!line.error.empty()) return fail(line.error);
    std::ifstream input(line.controlFile, std::ios::binary);
    if (!input) return fail("cannot open the control file " + line.controlFile);
    static char outputBuffer[1 << 16];
    std::setvbuf(stdout, outputBuffer, _IOFBF, sizeof outputBuffer);
    int writeError = 0;  // the first failed write's reason: a full disk, for one
    const auto write = [&writeError](std::string_view listing) {
        if (std::fwrite(listing.data(), 1, listing.size(), stdout) < listing.size() && !writeError)
            writeError = errno;
    };
    const int problems = lvpls::streamListing(input, write, lvpls::threadsToUse(line));
    if (problems == 0) {
        print(failure("the control file holds no problem (no COMMENT card)"));
    } else {
        std::string closing;
        lvpls::appendClosingLine(closing, problems);
        print(closing);
    }
    if (std::fflush(stdout) != 0 && !writeError) writeError = errno;
    if (!writeError && !std::ferror(stdout)) return 0;
    std::fprintf(stderr, "pls: cannot write the listing: %s\n", std::strerror(writeError ? writeError : EIO));
    return 1;
}
