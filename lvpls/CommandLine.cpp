#include "lvpls/CommandLine.h"

#include <algorithm>
#include <charconv>
#include <thread>

namespace lvpls {

namespace {

constexpr const char* kUsage = "usage: pls [--threads N] CONTROLFILE, or pls --capabilities";

CommandLine refused(const std::string& reason) {
    CommandLine line;
    line.error = reason;
    return line;
}

}  // namespace

CommandLine parseCommandLine(const std::vector<std::string>& arguments) {
    if (arguments.size() == 1 && arguments[0] == "--capabilities") {
        CommandLine line;
        line.capabilities = true;
        return line;
    }
    CommandLine line;
    std::size_t next = 0;
    if (arguments.size() == 3 && arguments[0] == "--threads") {
        const std::string& count = arguments[1];
        const auto [end, error] = std::from_chars(count.data(), count.data() + count.size(), line.threads);
        if (error != std::errc() || end != count.data() + count.size() || line.threads < 1 ||
            line.threads > kMostThreads) {
            return refused("--threads takes a number from 1 to " + std::to_string(kMostThreads) + ", not '" +
                           count + "'");
        }
        next = 2;
    }
    if (arguments.size() != next + 1) return refused(kUsage);
    line.controlFile = arguments[next];
    return line;
}

int threadsToUse(const CommandLine& line) {
    if (line.threads > 0) return line.threads;
    const unsigned processors = std::thread::hardware_concurrency();
    return processors == 0 ? 1 : int(std::min(processors, unsigned(kMostThreads)));
}

}  // namespace lvpls
