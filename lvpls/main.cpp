#include "lvpls/ListingPrinter.h"
#include "lvpls/ListingStream.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <string>
#include <string_view>

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

}  // namespace

// What this engine reads beyond the standard layout, one name a line; the workbench writes
// the compact resampling form only to an engine that names it.
int printCapabilities() {
    print("sample-lines\n");
    return std::fflush(stdout) == 0 ? 0 : 1;
}

int main(int argc, char** argv) {
    if (argc == 2 && std::string_view(argv[1]) == "--capabilities") return printCapabilities();
    if (argc != 2) return fail("usage: pls CONTROLFILE");
    std::ifstream input(argv[1], std::ios::binary);
    if (!input) return fail(std::string("cannot open the control file ") + argv[1]);
    static char outputBuffer[1 << 16];
    std::setvbuf(stdout, outputBuffer, _IOFBF, sizeof outputBuffer);
    // One thread: measured on the shared two-core machine, estimating problems on further
    // threads cost more processor time than it saved.
    int writeError = 0;  // the first failed write's reason: a full disk, for one
    const int problems = lvpls::streamListing(input, [&writeError](std::string_view listing) {
        if (std::fwrite(listing.data(), 1, listing.size(), stdout) < listing.size() && !writeError)
            writeError = errno;
    });
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
