#include "viewer/ReportPrinting.h"

#include "viewer/ReportPages.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPrinter>

#include <algorithm>

namespace venkar {

namespace {

// The blank line and the line of the page number at the foot of a page.
constexpr int footLines = 2;

// Fixed-width lines are as wide as their number of characters.
qsizetype longestLine(const QStringList& lines, int first, int end) {
    qsizetype longest = 1;
    for (int line = first; line < end; ++line)
        longest = std::max(longest, lines.at(line).size());
    return longest;
}

} // namespace

bool printReportLines(QPrinter& printer, const QStringList& lines, int first, int end,
                      const std::vector<TableHead>& heads, QFont font) {
    first = std::clamp(first, 0, static_cast<int>(lines.size()));
    end = std::clamp(end, first, static_cast<int>(lines.size()));
    const QRectF area(QPointF(0, 0), printer.pageRect(QPrinter::DevicePixel).size());

    // A font scales not quite in proportion to its size (hinting rounds the
    // advance), so the width is measured again after every shrinking.
    const QString longest(longestLine(lines, first, end), QLatin1Char('0'));
    for (int step = 0; step < 8; ++step) {
        const qreal width = QFontMetricsF(font, &printer).horizontalAdvance(longest);
        if (width <= area.width())
            break;
        font.setPointSizeF(font.pointSizeF() * area.width() / width * 0.98);
    }
    const QFontMetricsF metrics(font, &printer);
    const qreal spacing = metrics.lineSpacing();
    const int linesPerPage = std::max(1, static_cast<int>(area.height() / spacing) - footLines);

    const std::vector<ReportPage> pages = paginateReport(first, end, linesPerPage, heads);
    const int pageCount = std::max(1, static_cast<int>(pages.size()));
    int from = 1;
    int to = pageCount;
    if (printer.printRange() == QPrinter::PageRange && printer.fromPage() > 0) {
        from = std::max(1, printer.fromPage());
        to = std::min(pageCount, std::max(from, printer.toPage()));
        if (from > to)
            return true; // the range lies past the report's end: no pages
    }

    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    painter.setFont(font);
    painter.setPen(Qt::black);
    for (int number = from; number <= to; ++number) {
        if (number > from)
            printer.newPage();
        qreal baseline = metrics.ascent();
        if (number <= static_cast<int>(pages.size()))
            for (int line : pages[static_cast<std::size_t>(number - 1)].lines) {
                painter.drawText(QPointF(0, baseline), lines.at(line));
                baseline += spacing;
            }
        const QRectF foot(0, area.height() - spacing, area.width(), spacing);
        painter.drawText(foot, Qt::AlignRight | Qt::AlignVCenter,
                         QStringLiteral("Seite %1 von %2").arg(number).arg(pageCount));
    }
    return painter.end();
}

} // namespace venkar
