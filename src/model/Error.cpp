#include "model/Error.h"

#include <cstdarg>
#include <cstdio>
#include <utility>

namespace venkar {

namespace {

void appendFormatV(std::string& out, const char* format, va_list args) {
    va_list measure;
    va_copy(measure, args);
    const int needed = std::vsnprintf(nullptr, 0, format, measure);
    va_end(measure);
    if (needed <= 0)
        return;
    const std::size_t start = out.size();
    out.resize(start + static_cast<std::size_t>(needed) + 1);
    std::vsnprintf(out.data() + start, static_cast<std::size_t>(needed) + 1, format, args);
    out.resize(start + static_cast<std::size_t>(needed));
}

std::string readErrorMessage(const std::string& fileName, int lineNumber,
                             const std::string& section, const std::string& lineText,
                             const std::string& problem) {
    std::string message = fileName.empty() ? "" : fileName + ", ";
    message += "Zeile " + std::to_string(lineNumber);
    if (!section.empty())
        message += " (Abschnitt " + section + ")";
    message += ": " + problem;
    if (!lineText.empty())
        message += "\n" + lineText;
    return message;
}

} // namespace

FileReadError::FileReadError(std::string fileName, int lineNumber, std::string section,
                             std::string lineText, std::string problem)
    : VenkarError(readErrorMessage(fileName, lineNumber, section, lineText, problem)),
      fileName_(std::move(fileName)), lineNumber_(lineNumber), section_(std::move(section)),
      lineText_(std::move(lineText)), problem_(std::move(problem)) {}

void raiseError(const char* format, ...) {
    std::string message;
    va_list args;
    va_start(args, format);
    appendFormatV(message, format, args);
    va_end(args);
    throw VenkarError(message);
}

std::string formatText(const char* format, ...) {
    std::string text;
    va_list args;
    va_start(args, format);
    appendFormatV(text, format, args);
    va_end(args);
    return text;
}

void appendFormat(std::string& out, const char* format, ...) {
    va_list args;
    va_start(args, format);
    appendFormatV(out, format, args);
    va_end(args);
}

} // namespace venkar
