#pragma once

#include <stdexcept>
#include <string>

namespace venkar {

// An error that ends the current command: out of memory, an over-long file
// line, a file row the reader refuses. The text is German and shown to the
// user as it stands.
class VenkarError : public std::runtime_error {
public:
    explicit VenkarError(const std::string& message) : std::runtime_error(message) {}
};

// Formats the message printf-style and throws it as a VenkarError.
[[noreturn]] void raiseError(const char* format, ...) __attribute__((format(printf, 1, 2)));

// printf-style formatting into a std::string, in the C library's current
// locale (the program keeps LC_NUMERIC at "C").
std::string formatText(const char* format, ...) __attribute__((format(printf, 1, 2)));
void appendFormat(std::string& out, const char* format, ...) __attribute__((format(printf, 2, 3)));

} // namespace venkar
