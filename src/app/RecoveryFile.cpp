#include "app/RecoveryFile.h"

#include "model/Error.h"

#include <cinttypes>
#include <cstdio>

namespace venkar {

namespace {

constexpr std::string_view headLine = "VENKAR-WIEDERHERSTELLUNG 1";

// FNV-1a, 64 bit: enough to tell a damaged copy from a sound one.
std::uint64_t checksum(std::string_view bytes) {
    std::uint64_t hash = 14695981039346656037ULL;
    for (const char byte : bytes) {
        hash ^= static_cast<unsigned char>(byte);
        hash *= 1099511628211ULL;
    }
    return hash;
}

const char* kindName(DocumentKind kind) {
    return kind == DocumentKind::System ? "System" : "Lastfall";
}

// Takes the next line (without its '\n') off the front of `bytes`; none when
// there is no complete line.
std::optional<std::string_view> takeLine(std::string_view& bytes) {
    const std::size_t end = bytes.find('\n');
    if (end == std::string_view::npos)
        return std::nullopt;
    const std::string_view line = bytes.substr(0, end);
    bytes.remove_prefix(end + 1);
    return line;
}

} // namespace

std::string encodeRecoveryCopy(const RecoveryCopy& copy) {
    std::string bytes(headLine);
    appendFormat(bytes, "\n%s\n%s\n%zu %016" PRIx64 "\n", kindName(copy.kind),
                 copy.fileName.c_str(), copy.text.size(), checksum(copy.text));
    bytes += copy.text;
    return bytes;
}

std::optional<RecoveryCopy> decodeRecoveryCopy(std::string_view bytes) {
    const auto head = takeLine(bytes);
    const auto kind = takeLine(bytes);
    const auto fileName = takeLine(bytes);
    const auto sizes = takeLine(bytes);
    if (!head || *head != headLine || !kind || !fileName || !sizes)
        return std::nullopt;
    RecoveryCopy copy;
    if (*kind == kindName(DocumentKind::System))
        copy.kind = DocumentKind::System;
    else if (*kind == kindName(DocumentKind::Load))
        copy.kind = DocumentKind::Load;
    else
        return std::nullopt;
    std::size_t length = 0;
    std::uint64_t sum = 0;
    const std::string sizeText(*sizes);
    char rest = 0;
    if (std::sscanf(sizeText.c_str(), "%zu %" SCNx64 "%c", &length, &sum, &rest) != 2)
        return std::nullopt;
    if (bytes.size() != length || checksum(bytes) != sum)
        return std::nullopt;
    copy.fileName = std::string(*fileName);
    copy.text = std::string(bytes);
    return copy;
}

} // namespace venkar
