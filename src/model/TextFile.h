#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace venkar {

// The whole content of a file, or none when it cannot be opened or read.
std::optional<std::string> readTextFile(const std::filesystem::path& path);

// Writes `content` to a new temporary file in the target's folder and
// renames it over `path`, so that a failed or interrupted save leaves the
// previous file as it was. Returns false (and removes the temporary file)
// when anything fails; errno then tells why.
bool writeTextFileAtomically(const std::filesystem::path& path, const std::string& content);

} // namespace venkar
