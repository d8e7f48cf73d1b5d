#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace venkar {

// Texts are UTF-8 in memory; the configuration file is kept in Windows code
// page 1252, the encoding of the program's earlier files.

// True when `bytes` is well-formed UTF-8 (no overlong forms, no surrogates,
// nothing above U+10FFFF).
bool isValidUtf8(std::string_view bytes);

// The characters of UTF-8 text; a byte that starts no well-formed sequence
// counts as one character with the code of its Windows-1252 reading.
std::vector<char32_t> decodeUtf8(std::string_view bytes);

// Windows-1252 bytes to UTF-8. The five bytes the code page leaves undefined
// map to the control characters of the same number, as Windows does.
std::string windows1252ToUtf8(std::string_view bytes);

// UTF-8 to Windows-1252; none when a character has no place in the code page
// (or the input is not well-formed UTF-8).
std::optional<std::string> utf8ToWindows1252(std::string_view utf8);

} // namespace venkar
