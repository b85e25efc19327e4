#pragma once

#include <filesystem>
#include <string>

namespace qv {

// What an engine reads beyond the standard control-file layout, as `ENGINE --capabilities`
// names it, one name a line.
struct EngineCapabilities {
    bool sampleLines = false;  // "sample-lines": resampling problems of one SAMPLE line each
};

// Asks the engine once per engine file: the answer is kept for its path, size and time of
// change, so an engine replaced in place is asked again. An engine that cannot be started,
// ends with another status than 0, prints nothing or takes longer than a few seconds reads
// the standard layout alone.
EngineCapabilities QueryEngineCapabilities(const std::filesystem::path& engine);

// The names an engine printed, read from its output.
EngineCapabilities ParseEngineCapabilities(const std::string& printed);

}  // namespace qv
