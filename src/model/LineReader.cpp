#include "model/LineReader.h"

#include "model/Error.h"

#include <cctype>
#include <limits>
#include <utility>

namespace venkar {

namespace {

// The reader's buffer holds 200 characters; it gives up when the count of
// stored characters (line end or end-of-file mark included) reaches 198.
constexpr int bufferLimit = LineReader::maxLineLength + 2;

// True when the stored characters fill the buffer.
bool countStored(int& stored) {
    return ++stored >= bufferLimit;
}

bool startsWithIgnoringCase(std::string_view line, std::string_view keyword) {
    if (line.size() < keyword.size())
        return false;
    for (std::size_t i = 0; i < keyword.size(); ++i) {
        const auto a = static_cast<unsigned char>(line[i]);
        const auto b = static_cast<unsigned char>(keyword[i]);
        if (std::toupper(a) != std::toupper(b))
            return false;
    }
    return true;
}

} // namespace

LineReader::LineReader(std::string text, std::string fileName)
    : text_(std::move(text)), fileName_(std::move(fileName)) {}

void LineReader::refuse(const std::string& line, const std::string& problem) const {
    throw FileReadError(fileName_, lineNumber_, section_, line, problem);
}

std::string LineReader::readLine() {
    std::string line;
    int stored = 0;
    ++lineNumber_;
    const auto store = [&] {
        if (countStored(stored))
            refuse({}, "Line to long");
    };
    for (;;) {
        if (atEnd()) {
            store(); // the end-of-file mark takes a place too
            break;
        }
        const char c = text_[position_++];
        if (c == '\r' && position_ < text_.size() && text_[position_] == '\n')
            continue;
        if (c == '\n') {
            store();
            break;
        }
        if (c == '\t') {
            do {
                line.push_back(' ');
                store();
            } while (stored % 8 != 0);
            continue;
        }
        line.push_back(c);
        store();
    }
    while (!line.empty() && line.back() == ' ')
        line.pop_back();
    return line;
}

bool LineReader::findLine(std::string_view keyword, std::string* line) {
    for (int passes = 0; passes < 2; ++passes) {
        while (!atEnd()) {
            std::string candidate = readLine();
            if (startsWithIgnoringCase(candidate, keyword)) {
                if (line)
                    *line = std::move(candidate);
                return true;
            }
        }
        rewind();
    }
    return false;
}

long long leadingInteger(std::string_view line) {
    std::size_t i = 0;
    while (i < line.size() && std::isspace(static_cast<unsigned char>(line[i])))
        ++i;
    bool negative = false;
    if (i < line.size() && (line[i] == '+' || line[i] == '-'))
        negative = line[i++] == '-';
    constexpr long long limit = std::numeric_limits<int>::max();
    long long value = 0;
    for (; i < line.size() && std::isdigit(static_cast<unsigned char>(line[i])); ++i) {
        value = value * 10 + (line[i] - '0');
        if (value > limit)
            value = limit;
    }
    return negative ? -value : value;
}

} // namespace venkar
