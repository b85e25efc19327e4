#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace qv {

// The bytes of a whole file as they are, or nothing with the system's reason in reason
// ("Is a directory" for a folder in the file's place, which opens but cannot be read).
std::optional<std::string> ReadWholeFile(const std::filesystem::path& path, std::string& reason);

// Writes the bytes into a temporary file beside the file and renames it over the file, so a
// failed write never leaves a half file. The file keeps its identity: a symbolic link is
// followed (its target is replaced, the link stays) and an existing file keeps its
// permissions. Returns "cannot write FILE: reason" or nothing.
std::optional<std::string> WriteWholeFile(const std::filesystem::path& path, const std::string& bytes);

// The message for a listing that cannot be read: "ERROR!: <reason> (<file>)".
std::string UnreadableListingText(const std::string& reason, const std::filesystem::path& path);

}  // namespace qv
