#include "graphics/TextEncoding.h"

#include <array>

namespace venkar {

namespace {

// The characters of the bytes 0x80 to 0x9F in Windows-1252; the undefined
// bytes 0x81, 0x8D, 0x8F, 0x90 and 0x9D keep their own number.
constexpr std::array<char32_t, 32> upperControlRange = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char32_t windows1252Character(unsigned char byte) {
    if (byte >= 0x80 && byte <= 0x9F)
        return upperControlRange[byte - 0x80];
    return byte; // the rest is Latin-1
}

// Decodes the sequence at `bytes[i]`; returns its length, or 0 when it is not
// well-formed.
std::size_t decodeOne(std::string_view bytes, std::size_t i, char32_t& character) {
    const auto lead = static_cast<unsigned char>(bytes[i]);
    if (lead < 0x80) {
        character = lead;
        return 1;
    }
    std::size_t length = 0;
    char32_t value = 0;
    char32_t minimum = 0;
    if ((lead & 0xE0) == 0xC0) {
        length = 2;
        value = lead & 0x1F;
        minimum = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3;
        value = lead & 0x0F;
        minimum = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4;
        value = lead & 0x07;
        minimum = 0x10000;
    } else {
        return 0;
    }
    if (i + length > bytes.size())
        return 0;
    for (std::size_t k = 1; k < length; ++k) {
        const auto next = static_cast<unsigned char>(bytes[i + k]);
        if ((next & 0xC0) != 0x80)
            return 0;
        value = (value << 6) | (next & 0x3F);
    }
    if (value < minimum || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF))
        return 0;
    character = value;
    return length;
}

void appendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out.push_back(static_cast<char>(c));
    } else if (c < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (c >> 6)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else if (c < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | (c >> 12)));
        out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | (c >> 18)));
        out.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    }
}

std::optional<unsigned char> windows1252Byte(char32_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return static_cast<unsigned char>(c);
    for (std::size_t i = 0; i < upperControlRange.size(); ++i) {
        if (upperControlRange[i] == c)
            return static_cast<unsigned char>(0x80 + i);
    }
    return std::nullopt;
}

} // namespace

bool isValidUtf8(std::string_view bytes) {
    char32_t ignored = 0;
    for (std::size_t i = 0; i < bytes.size();) {
        const std::size_t length = decodeOne(bytes, i, ignored);
        if (length == 0)
            return false;
        i += length;
    }
    return true;
}

std::vector<char32_t> decodeUtf8(std::string_view bytes) {
    std::vector<char32_t> characters;
    for (std::size_t i = 0; i < bytes.size();) {
        char32_t c = 0;
        std::size_t length = decodeOne(bytes, i, c);
        if (length == 0) {
            c = windows1252Character(static_cast<unsigned char>(bytes[i]));
            length = 1;
        }
        characters.push_back(c);
        i += length;
    }
    return characters;
}

std::string windows1252ToUtf8(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size());
    for (const char byte : bytes)
        appendUtf8(out, windows1252Character(static_cast<unsigned char>(byte)));
    return out;
}

std::optional<std::string> utf8ToWindows1252(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();) {
        char32_t c = 0;
        const std::size_t length = decodeOne(utf8, i, c);
        if (length == 0)
            return std::nullopt;
        const std::optional<unsigned char> byte = windows1252Byte(c);
        if (!byte)
            return std::nullopt;
        out.push_back(static_cast<char>(*byte));
        i += length;
    }
    return out;
}

} // namespace venkar
