#include "reports/TableHeads.h"

#include <algorithm>
#include <charconv>

namespace venkar {

int TableHeadRecorder::nextLine() {
    lineEnds_ += static_cast<int>(
        std::count(out_.begin() + static_cast<std::ptrdiff_t>(scanned_), out_.end(), '\n'));
    scanned_ = out_.size();
    const bool lineOpen = !out_.empty() && out_.back() != '\n';
    return lineEnds_ + (lineOpen ? 1 : 0);
}

void TableHeadRecorder::beginHead() {
    open_.first = nextLine();
}

void TableHeadRecorder::beginBody() {
    open_.body = nextLine();
}

void TableHeadRecorder::endTable() {
    open_.end = nextLine();
    heads_.push_back(open_);
}

std::string formatTableHeads(const std::vector<TableHead>& heads) {
    std::string out;
    for (const TableHead& head : heads)
        out += std::to_string(head.first) + ' ' + std::to_string(head.body) + ' ' +
               std::to_string(head.end) + '\n';
    return out;
}

namespace {

// Reads a non-negative number at the start of `rest` after blanks and
// removes it; false when there is none.
bool takeNumber(std::string_view& rest, int& value) {
    while (!rest.empty() && (rest.front() == ' ' || rest.front() == '\t'))
        rest.remove_prefix(1);
    const auto [end, error] = std::from_chars(rest.data(), rest.data() + rest.size(), value);
    if (error != std::errc() || end == rest.data() || value < 0)
        return false;
    rest.remove_prefix(static_cast<std::size_t>(end - rest.data()));
    return true;
}

} // namespace

std::vector<TableHead> parseTableHeads(std::string_view text) {
    std::vector<TableHead> heads;
    while (!text.empty()) {
        const std::size_t lineEnd = std::min(text.find('\n'), text.size());
        std::string_view line = text.substr(0, lineEnd);
        text.remove_prefix(std::min(lineEnd + 1, text.size()));
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        TableHead head;
        if (!takeNumber(line, head.first) || !takeNumber(line, head.body) ||
            !takeNumber(line, head.end))
            continue;
        const bool onlyBlanksLeft = line.find_first_not_of(" \t") == std::string_view::npos;
        if (onlyBlanksLeft && head.first < head.body && head.body <= head.end)
            heads.push_back(head);
    }
    return heads;
}

} // namespace venkar
