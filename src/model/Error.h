#pragma once

#include <stdexcept>
#include <string>
#include <utility>

namespace venkar {

// Where a reading error was found. Every part is optional: an empty file or
// section, line 0 (unknown).
struct ErrorOrigin {
    std::string file;     // the file's name as the user gave it
    int line = 0;         // 1-based line number in the file
    std::string section;  // section keyword ("SHELLLOAD")
    std::string lineText; // the line as read
};

// The one error type for everything the user must see and that ends the
// current command: out of memory, a file that cannot be read or written, a
// file line the reader refuses. The text is German and shown to the user as
// it stands; `what()` is the complete text, origin included.
class VenkarError : public std::runtime_error {
public:
    explicit VenkarError(const std::string& message);
    // A reading error: `what()` is
    //   "<file>, Zeile <line> (Abschnitt <section>): <reason>\n<line text>"
    // with the parts the origin lacks left out.
    VenkarError(const std::string& reason, ErrorOrigin origin);

    // The message without its origin.
    const std::string& reason() const { return reason_; }
    const ErrorOrigin& origin() const { return origin_; }

    // The same error with the file name set (readers of a text know the line
    // and section, the caller knows the file).
    VenkarError inFile(const std::string& file) const;

private:
    std::string reason_;
    ErrorOrigin origin_;
};

// The complete text of a reading error (the format of `VenkarError::what()`).
std::string describeError(const std::string& reason, const ErrorOrigin& origin);

// A file line the reader refuses: a reading error whose origin names the
// file, the 1-based line number in it, the section being read (empty outside
// a section) and the line itself; `problem()` says what is wrong with it.
class FileReadError : public VenkarError {
public:
    FileReadError(std::string fileName, int lineNumber, std::string section, std::string lineText,
                  const std::string& problem)
        : VenkarError(problem, ErrorOrigin{std::move(fileName), lineNumber, std::move(section),
                                           std::move(lineText)}) {}

    const std::string& fileName() const { return origin().file; }
    int lineNumber() const { return origin().line; }
    const std::string& section() const { return origin().section; }
    const std::string& lineText() const { return origin().lineText; }
    const std::string& problem() const { return reason(); }
};

// Formats the message printf-style and throws it as a VenkarError.
[[noreturn]] void raiseError(const char* format, ...) __attribute__((format(printf, 1, 2)));

// printf-style formatting into a std::string, in the C library's current
// locale (the program keeps LC_NUMERIC at "C").
std::string formatText(const char* format, ...) __attribute__((format(printf, 1, 2)));
void appendFormat(std::string& out, const char* format, ...) __attribute__((format(printf, 2, 3)));

} // namespace venkar
