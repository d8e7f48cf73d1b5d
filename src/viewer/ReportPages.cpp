#include "viewer/ReportPages.h"

#include <algorithm>

namespace venkar {

namespace {

// The table whose rows contain `line`, or null.
const TableHead* tableWithRowAt(const std::vector<TableHead>& heads, int line) {
    const auto after =
        std::upper_bound(heads.begin(), heads.end(), line,
                         [](int at, const TableHead& head) { return at < head.first; });
    if (after == heads.begin())
        return nullptr;
    const TableHead& head = *std::prev(after);
    return head.body <= line && line < head.end ? &head : nullptr;
}

// The table whose head begins at `line`, or null.
const TableHead* tableStartingAt(const std::vector<TableHead>& heads, int line) {
    const auto found =
        std::lower_bound(heads.begin(), heads.end(), line,
                         [](const TableHead& head, int at) { return head.first < at; });
    return found != heads.end() && found->first == line ? &*found : nullptr;
}

} // namespace

std::vector<ReportPage> paginateReport(int first, int end, int linesPerPage,
                                       const std::vector<TableHead>& heads) {
    const int capacity = std::max(linesPerPage, 1);
    std::vector<ReportPage> pages;
    int next = first;
    while (next < end) {
        ReportPage page;
        if (const TableHead* continued = tableWithRowAt(heads, next)) {
            const int headLines = continued->body - continued->first;
            if (headLines < capacity)
                for (int line = continued->first; line < continued->body; ++line)
                    page.lines.push_back(line);
        }
        int ownLines = 0;
        while (next < end && static_cast<int>(page.lines.size()) < capacity) {
            if (const TableHead* starting = tableStartingAt(heads, next);
                starting && ownLines > 0) {
                // The head and the first row, or as much of the head as
                // there is before the report ends.
                const int needed = std::min(starting->body + 1, end) - starting->first;
                const int left = capacity - static_cast<int>(page.lines.size());
                if (needed > left && needed <= capacity)
                    break;
            }
            page.lines.push_back(next++);
            ++ownLines;
        }
        pages.push_back(std::move(page));
    }
    return pages;
}

} // namespace venkar
