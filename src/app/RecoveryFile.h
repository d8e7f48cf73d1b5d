#pragma once

#include "documents/DocumentDialogs.h"

#include <optional>
#include <string>
#include <string_view>

namespace venkar {

// One recovery copy. Of a modified document: its text as its file would
// hold it, and the name of the file it belongs to (empty when it has none
// yet). Of an unmodified document of the same session: only the name of
// its file (never empty), and no text; restoring reads that file again.
struct RecoveryCopy {
    DocumentKind kind = DocumentKind::System;
    std::string fileName;
    std::string text;
    bool modified = true;
};

// The bytes of a recovery file: a head line, the document kind, the file
// name, the length (decimal) and checksum (16 hex digits) of the text, then
// the text itself. The checksum lets a damaged or truncated copy be
// recognised. The head line tells the copy of a modified document
// ("VENKAR-WIEDERHERSTELLUNG 1", the only form older programs wrote) from
// the name of an unmodified one ("VENKAR-DATEINAME 1", empty text). A file
// name with a line break is left out (the copy then has no name; a name
// alone is then not written at all: the result is empty).
std::string encodeRecoveryCopy(const RecoveryCopy& copy);

// The copy held by `bytes`; none when the head, the length or the checksum
// does not match (a damaged or truncated file). Only the exact bytes
// encodeRecoveryCopy writes are accepted.
std::optional<RecoveryCopy> decodeRecoveryCopy(std::string_view bytes);

// The copy held by `bytes` when it is intact and its text reads as a
// document of its kind without an error (a name alone is intact when it
// decodes); what the program restores at start.
std::optional<RecoveryCopy> soundRecoveryCopy(std::string_view bytes);

} // namespace venkar
