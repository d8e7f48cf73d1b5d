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

} // namespace

VenkarError::VenkarError(const std::string& message)
    : std::runtime_error(message), reason_(message) {}

VenkarError::VenkarError(const std::string& reason, ErrorOrigin origin)
    : std::runtime_error(describeError(reason, origin)), reason_(reason),
      origin_(std::move(origin)) {}

VenkarError VenkarError::inFile(const std::string& file) const {
    ErrorOrigin origin = origin_;
    origin.file = file;
    return VenkarError(reason_, std::move(origin));
}

std::string describeError(const std::string& reason, const ErrorOrigin& origin) {
    std::string place = origin.file;
    if (origin.line > 0)
        place += (place.empty() ? "" : ", ") + formatText("Zeile %d", origin.line);
    if (!origin.section.empty())
        place += (place.empty() ? "" : " ") + formatText("(Abschnitt %s)", origin.section.c_str());
    std::string text = place.empty() ? reason : place + ": " + reason;
    if (!origin.lineText.empty())
        text += "\n" + origin.lineText;
    return text;
}

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
