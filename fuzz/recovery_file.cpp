// Recovery copies read at start. Two ways through the same bytes:
// - as a recovery file: a copy is accepted only in the exact form the program
//   writes and only when its text reads as its document;
// - as the parts of a copy (kind, file name, text): its encoding decodes to
//   the same copy, and the encoding truncated or with one byte of its text
//   changed is refused.
#include "app/RecoveryFile.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

using venkar::RecoveryCopy;

void requireAcceptedOnlyAsWritten(std::string_view bytes) {
    const std::optional<RecoveryCopy> copy = venkar::soundRecoveryCopy(bytes);
    if (copy && venkar::encodeRecoveryCopy(*copy) != bytes)
        std::abort();
}

// The first byte gives the kind and the length of the file name, the name
// follows, the rest is the text.
RecoveryCopy copyFromParts(std::string_view bytes) {
    RecoveryCopy copy;
    if (bytes.empty())
        return copy;
    const auto head = static_cast<unsigned char>(bytes.front());
    bytes.remove_prefix(1);
    copy.kind = head & 1 ? venkar::DocumentKind::Load : venkar::DocumentKind::System;
    const std::size_t nameLength = std::min<std::size_t>(head >> 1, bytes.size());
    copy.fileName = std::string(bytes.substr(0, nameLength));
    copy.text = std::string(bytes.substr(nameLength));
    return copy;
}

void requireRoundTripAndRefusedDamage(const RecoveryCopy& copy) {
    const std::string encoded = venkar::encodeRecoveryCopy(copy);
    const std::optional<RecoveryCopy> back = venkar::decodeRecoveryCopy(encoded);
    if (!back || back->kind != copy.kind || back->text != copy.text)
        std::abort();
    // A name the head cannot hold is left out, never mangled.
    if (back->fileName != copy.fileName && !back->fileName.empty())
        std::abort();
    for (const std::size_t length : {encoded.size() - 1, encoded.size() / 2})
        if (venkar::decodeRecoveryCopy(std::string_view(encoded).substr(0, length)))
            std::abort();
    if (!copy.text.empty()) {
        std::string damaged = encoded;
        const std::size_t at = encoded.size() - 1 - copy.text.size() / 2;
        damaged[at] = static_cast<char>(damaged[at] ^ 0x20);
        if (venkar::decodeRecoveryCopy(damaged))
            std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    requireAcceptedOnlyAsWritten(bytes);
    requireRoundTripAndRefusedDamage(copyFromParts(bytes));
    return 0;
}
