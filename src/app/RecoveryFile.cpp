#include "app/RecoveryFile.h"

#include "model/Error.h"
#include "model/Model.h"
#include "model/ModelFiles.h"

#include <charconv>
#include <cinttypes>

namespace venkar {

namespace {

constexpr std::string_view headLine = "VENKAR-WIEDERHERSTELLUNG 1";
constexpr std::string_view nameHeadLine = "VENKAR-DATEINAME 1";

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

// Reads the whole of `text` as a number in `base` written with `digits`
// only: no sign, blank, prefix or superfluous leading zero, so that a copy
// has exactly one form.
template <class Number>
bool readWhole(std::string_view text, int base, std::string_view digits, Number& value) {
    if (text.empty() || text.find_first_not_of(digits) != std::string_view::npos)
        return false;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, base);
    return error == std::errc() && end == text.data() + text.size();
}

// The length and checksum line: "<decimal length> <16 hex digits>".
bool readSizes(std::string_view line, std::size_t& length, std::uint64_t& sum) {
    const std::size_t blank = line.find(' ');
    if (blank == std::string_view::npos)
        return false;
    const std::string_view decimal = line.substr(0, blank);
    const std::string_view hex = line.substr(blank + 1);
    if (decimal.size() > 1 && decimal.front() == '0')
        return false;
    return readWhole(decimal, 10, "0123456789", length) && hex.size() == 16 &&
           readWhole(hex, 16, "0123456789abcdef", sum);
}

// A name the name line can hold: one with a line break is left out, so the
// copy restores without a file name (a save then asks for one) instead of
// being refused as damaged at the next start.
std::string storableFileName(const std::string& fileName) {
    return fileName.find('\n') == std::string::npos ? fileName : std::string();
}

bool readsAsDocument(DocumentKind kind, const std::string& text) {
    Model scratch;
    try {
        if (kind == DocumentKind::System)
            readSystemText(scratch, text);
        else
            readLoadText(scratch, text);
        return true;
    } catch (const VenkarError&) {
        return false;
    }
}

} // namespace

std::string encodeRecoveryCopy(const RecoveryCopy& copy) {
    const std::string fileName = storableFileName(copy.fileName);
    if (!copy.modified && fileName.empty())
        return {};
    const std::string_view text = copy.modified ? std::string_view(copy.text) : std::string_view();
    std::string bytes(copy.modified ? headLine : nameHeadLine);
    appendFormat(bytes, "\n%s\n", kindName(copy.kind));
    bytes += fileName;
    appendFormat(bytes, "\n%zu %016" PRIx64 "\n", text.size(), checksum(text));
    bytes += text;
    return bytes;
}

std::optional<RecoveryCopy> decodeRecoveryCopy(std::string_view bytes) {
    const auto head = takeLine(bytes);
    const auto kind = takeLine(bytes);
    const auto fileName = takeLine(bytes);
    const auto sizes = takeLine(bytes);
    if (!head || (*head != headLine && *head != nameHeadLine) || !kind || !fileName || !sizes)
        return std::nullopt;
    RecoveryCopy copy;
    copy.modified = *head == headLine;
    if (*kind == kindName(DocumentKind::System))
        copy.kind = DocumentKind::System;
    else if (*kind == kindName(DocumentKind::Load))
        copy.kind = DocumentKind::Load;
    else
        return std::nullopt;
    std::size_t length = 0;
    std::uint64_t sum = 0;
    if (!readSizes(*sizes, length, sum))
        return std::nullopt;
    if (bytes.size() != length || checksum(bytes) != sum)
        return std::nullopt;
    if (!copy.modified && (!bytes.empty() || fileName->empty()))
        return std::nullopt;
    copy.fileName = std::string(*fileName);
    copy.text = std::string(bytes);
    return copy;
}

std::optional<RecoveryCopy> soundRecoveryCopy(std::string_view bytes) {
    std::optional<RecoveryCopy> copy = decodeRecoveryCopy(bytes);
    if (!copy || (copy->modified && !readsAsDocument(copy->kind, copy->text)))
        return std::nullopt;
    return copy;
}

} // namespace venkar
