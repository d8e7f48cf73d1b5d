#pragma once

#include "documents/DocumentDialogs.h"

#include <optional>
#include <string>
#include <string_view>

namespace venkar {

// One recovery copy: the text of a modified document as its file would hold
// it, and the name of the file it belongs to (empty when it has none yet).
struct RecoveryCopy {
    DocumentKind kind = DocumentKind::System;
    std::string fileName;
    std::string text;
};

// The bytes of a recovery file: a head line, the document kind, the file
// name, the length (decimal) and checksum (16 hex digits) of the text, then
// the text itself. The checksum lets a damaged or truncated copy be
// recognised. A file name with a line break is left out (the copy then
// has no name).
std::string encodeRecoveryCopy(const RecoveryCopy& copy);

// The copy held by `bytes`; none when the head, the length or the checksum
// does not match (a damaged or truncated file). Only the exact bytes
// encodeRecoveryCopy writes are accepted.
std::optional<RecoveryCopy> decodeRecoveryCopy(std::string_view bytes);

// The copy held by `bytes` when it is intact and its text reads as a
// document of its kind without an error; what the program restores at start.
std::optional<RecoveryCopy> soundRecoveryCopy(std::string_view bytes);

} // namespace venkar
