#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace qv {

// The bytes of a whole file as they are, or nothing with the system's reason in reason
// ("Is a directory" for a folder in the file's place, which opens but cannot be read).
std::optional<std::string> ReadWholeFile(const std::filesystem::path& path, std::string& reason);

// Writes the bytes through a ReplacedFile: a temporary file beside the file, renamed over it,
// so a failed write never leaves a half file and the previous one stays. Returns
// "cannot write FILE: reason" or nothing.
std::optional<std::string> WriteWholeFile(const std::filesystem::path& path, const std::string& bytes);

// The message for a listing that cannot be read: "ERROR!: <reason> (<file>)".
std::string UnreadableListingText(const std::string& reason, const std::filesystem::path& path);

}  // namespace qv
