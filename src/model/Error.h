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

// A file line the reader refuses: the file, the 1-based line number in it,
// the section being read (empty outside a section), the line itself and what
// is wrong with it. The message reads
// "<file>, Zeile <n> (Abschnitt <section>): <problem>" and the line on the
// next line.
class FileReadError : public VenkarError {
public:
    FileReadError(std::string fileName, int lineNumber, std::string section, std::string lineText,
                  std::string problem);

    const std::string& fileName() const { return fileName_; }
    int lineNumber() const { return lineNumber_; }
    const std::string& section() const { return section_; }
    const std::string& lineText() const { return lineText_; }
    const std::string& problem() const { return problem_; }

private:
    std::string fileName_;
    int lineNumber_;
    std::string section_;
    std::string lineText_;
    std::string problem_;
};

// Formats the message printf-style and throws it as a VenkarError.
[[noreturn]] void raiseError(const char* format, ...) __attribute__((format(printf, 1, 2)));

// printf-style formatting into a std::string, in the C library's current
// locale (the program keeps LC_NUMERIC at "C").
std::string formatText(const char* format, ...) __attribute__((format(printf, 1, 2)));
void appendFormat(std::string& out, const char* format, ...) __attribute__((format(printf, 2, 3)));

} // namespace venkar
