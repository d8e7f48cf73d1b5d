#pragma once

#include "app/PrintLayout.h"

#include <QImage>
#include <QString>

#include <vector>

class QPainter;
class QWidget;

namespace venkar {

class GraphDialogs;
class TGraphForm;
struct EditorAndMargins;

// What the title strip of a printed sheet shows besides the program icon:
// the version and the name parts of the two input files (empty while a
// document has no file).
struct TitleStripData {
    QString version = QStringLiteral("1.34");
    QString systemFile;
    QString loadFile;
    QImage icon; // the program picture; a built-in drawing when null
};

// The page margins the settings hold ("Editor und Seitenränder").
PageMargins pageMarginsOf(const EditorAndMargins& settings);

// Paints one sheet: the frame around the drawing area, the footer line, the
// title strip, and every window into its cell (cells in the order of
// `windows`, each clipped to the cell shrunk by 0.3 mm). The painter must be
// active on a device of `device.width` x `device.height` pixels. With no
// window only the frame and the title strip are drawn.
void paintGraphPage(QPainter& painter, const PageDevice& device, const PageMargins& margins,
                    const std::vector<const TGraphForm*>& windows, const TitleStripData& title);

// The print job of the graph windows: lets the user choose the printer
// through `dialogs` (nothing happens on cancel), then prints one page with
// document title "Venkar". Returns false when the user cancelled or the
// printer could not be started. "Grafiken drucken" passes every graph
// window, "Drucken" in a graph window that window alone.
bool printGraphWindows(const std::vector<const TGraphForm*>& windows, GraphDialogs& dialogs,
                       const TitleStripData& title, const PageMargins& margins,
                       QWidget* parent = nullptr);

} // namespace venkar
