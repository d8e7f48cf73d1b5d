#include "app/GraphPrinting.h"

#include "app/GraphDialogs.h"
#include "app/GraphWindow.h"
#include "graphics/GraphSettings.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>
#include <QPrinter>

namespace venkar {

namespace {

constexpr int printFontSize = 14;
const QString twoBlanks = QStringLiteral("  ");
const QString fourBlanks = QStringLiteral("    ");

// The program picture when none is handed in: a water tank in its meridian
// section beside the dash-dotted axis.
QImage builtInIcon() {
    QImage image(96, 96, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::gray, 3, Qt::DashDotLine));
    painter.drawLine(16, 6, 16, 90);
    QPainterPath shell;
    shell.moveTo(16, 30);
    shell.quadTo(50, 12, 76, 30);
    shell.lineTo(76, 80);
    shell.lineTo(16, 80);
    painter.setPen(QPen(QColor(0, 0, 255), 5));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(shell);
    painter.setPen(QPen(QColor(0, 128, 0), 3));
    painter.drawLine(70, 88, 82, 88);
    painter.end();
    return image;
}

// Shrinks the painter's font until `text` fits the box; the size carries on
// to the next text.
void fitText(QPainter& painter, const QString& text, int width, int height) {
    QFont font = painter.font();
    const int size = fitFontSize(font.pointSize(), width, height, [&](int pointSize) {
        QFont trial = font;
        trial.setPointSize(std::max(pointSize, 1));
        const QFontMetrics metrics(trial, painter.device());
        return QSize(metrics.horizontalAdvance(text), metrics.height());
    });
    font.setPointSize(std::max(size, 1));
    painter.setFont(font);
}

// Draws `text` from x, vertically centred between the two heights.
void drawTextBetween(QPainter& painter, int x, int top, int bottom, const QString& text) {
    const QFontMetrics metrics(painter.font(), painter.device());
    const int baseline = (top + bottom) / 2 + (metrics.ascent() - metrics.descent()) / 2;
    painter.drawText(x, baseline, text);
}

int textWidth(const QPainter& painter, const QString& text) {
    return QFontMetrics(painter.font(), painter.device()).horizontalAdvance(text);
}

void drawTitleStrip(QPainter& painter, const PageFrame& frame, const PageDevice& device,
                    const TitleStripData& title) {
    const TitleStripLayout strip = titleStripLayout(frame, device);
    painter.drawImage(strip.icon, title.icon.isNull() ? builtInIcon() : title.icon);
    const QString version = QStringLiteral("V.%1").arg(title.version);
    const QString system = QStringLiteral("System: %1").arg(title.systemFile);
    const QString load = QStringLiteral("Lastfall: %1").arg(title.loadFile);
    const int top = frame.footerLine;
    const int bottom = frame.bottom;
    if (device.landscape) {
        const TitleStripLayout::TextBox& box = strip.mainText;
        const QString line = version + fourBlanks + system + fourBlanks + load;
        fitText(painter, line, box.textWidth, box.textHeight);
        drawTextBetween(painter, box.textLeft, box.textTop, box.textBottom, line);
        const int first = box.textLeft + textWidth(painter, version + twoBlanks);
        const int second = first + textWidth(painter, twoBlanks + system + twoBlanks);
        painter.drawLine(first, top, first, bottom);
        painter.drawLine(second, top, second, bottom);
        return;
    }
    painter.drawLine(strip.rowLineLeft, top, strip.rowLineLeft, bottom);
    painter.drawLine(strip.rowLineLeft, strip.middle, frame.right, strip.middle);
    const TitleStripLayout::TextBox& files = strip.mainText;
    const QString line = system + fourBlanks + load;
    fitText(painter, line, files.textWidth, files.textHeight);
    drawTextBetween(painter, files.textLeft, files.textTop, files.textBottom, line);
    const int separator = files.textLeft + textWidth(painter, system + twoBlanks);
    painter.drawLine(separator, strip.middle, separator, bottom);
    const TitleStripLayout::TextBox& versionBox = strip.versionText;
    fitText(painter, version, versionBox.textWidth, versionBox.textHeight);
    drawTextBetween(painter, versionBox.textLeft, versionBox.textTop, versionBox.textBottom,
                    version);
}

} // namespace

PageMargins pageMarginsOf(const EditorAndMargins& settings) {
    return {settings.marginLeft, settings.marginRight, settings.marginTop, settings.marginBottom};
}

void paintGraphPage(QPainter& painter, const PageDevice& device, const PageMargins& margins,
                    const std::vector<const TGraphForm*>& windows, const TitleStripData& title) {
    const PageFrame frame = pageFrame(device, margins);
    QFont font(QStringLiteral("Arial"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSize(printFontSize);
    painter.setFont(font);
    painter.setPen(QPen(Qt::black, frame.penWidth));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(
        QRect(frame.left, frame.top, frame.right - frame.left, frame.bottom - frame.top));
    painter.drawLine(frame.left, frame.footerLine, frame.right, frame.footerLine);
    drawTitleStrip(painter, frame, device, title);

    const QRect area(frame.left, frame.top, frame.cellAreaWidth(), frame.cellAreaHeight());
    const CellLayout layout = cellLayout(static_cast<int>(windows.size()), area, frame.aspect);
    for (std::size_t index = 0; index < layout.cells.size(); ++index) {
        painter.save();
        const QRect cell = shrunkCell(layout.cells[index], device);
        painter.setClipRect(cell);
        painter.setFont(font);
        windows[index]->printInto(painter, cell, frame.aspect);
        painter.restore();
    }
}

bool printGraphWindows(const std::vector<const TGraphForm*>& windows, GraphDialogs& dialogs,
                       const TitleStripData& title, const PageMargins& margins, QWidget* parent) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(QStringLiteral("Venkar"));
    printer.setFullPage(true);
    if (!dialogs.setUpPrinter(parent, printer))
        return false;
    // The page is laid out in pixels of the whole sheet.
    printer.setFullPage(true);
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    const QRect page = printer.pageLayout().fullRectPixels(printer.resolution());
    PageDevice device;
    device.width = page.width();
    device.height = page.height();
    device.dotsPerInchX = printer.logicalDpiX();
    device.dotsPerInchY = printer.logicalDpiY();
    device.landscape = printer.pageLayout().orientation() == QPageLayout::Landscape;
    paintGraphPage(painter, device, margins, windows, title);
    return painter.end();
}

} // namespace venkar
