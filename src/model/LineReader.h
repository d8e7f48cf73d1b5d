#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <utility>

namespace venkar {

// Reads the system, load and configuration files line by line from their
// whole text. Lines end at "\n" ("\r\n" counts as one line end, as in text
// mode); tabs expand to the next multiple of eight columns.
class LineReader {
public:
    // The longest line the reader takes, in characters before the line end
    // and after tab expansion; a longer one raises "Line to long".
    static constexpr int maxLineLength = 196;

    // `fileName` names the file in reading errors (may be empty).
    explicit LineReader(std::string text, std::string fileName = {});

    bool atEnd() const { return position_ >= text_.size(); }
    void rewind() {
        position_ = 0;
        lineNumber_ = 0;
    }

    // The 1-based number of the line read last (0 before the first).
    int lineNumber() const { return lineNumber_; }
    // The section being read, named in reading errors; empty outside one.
    void setSection(std::string section) { section_ = std::move(section); }

    // Throws the reading VenkarError for `line`, the line read last.
    [[noreturn]] void refuse(const std::string& line, const std::string& problem) const;

    // A place in the text to come back to (look-ahead).
    struct Mark {
        std::size_t position;
        int lineNumber;
    };
    Mark mark() const { return {position_, lineNumber_}; }
    void backTo(Mark mark) {
        position_ = mark.position;
        lineNumber_ = mark.lineNumber;
    }

    // Reads the next line without its line end and without trailing blanks.
    // At the end of the text the line is empty.
    std::string readLine();

    // Searches from the current position to the end and then once more from
    // the start for a line beginning with `keyword` (upper and lower case
    // letters match each other). On success the reader stands after that line
    // and the line is copied into `line` when given; otherwise the reader is
    // left rewound.
    bool findLine(std::string_view keyword, std::string* line = nullptr);

private:
    std::string text_;
    std::string fileName_;
    std::string section_;
    std::size_t position_ = 0;
    int lineNumber_ = 0;
};

// The leading integer of a line as atoi reads it: blanks, an optional sign,
// then digits; 0 when there are none. Saturates instead of overflowing.
long long leadingInteger(std::string_view line);

} // namespace venkar
