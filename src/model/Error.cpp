#include "model/Error.h"

#include <cstdarg>
#include <cstdio>

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
