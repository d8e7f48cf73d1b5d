#pragma once

#include <QPoint>
#include <QString>
#include <QStringList>

#include <optional>

namespace venkar {

// What venkar-view is started with:
//   venkar-view [--name NAME] [--heads FILE] [--near X,Y] REPORT
// NAME is the report's document name without extension (the folder and
// name it is saved and printed under), FILE the side file of its table
// heads, X,Y the global point whose screen the window opens on.
struct ViewerOptions {
    QString reportFile;
    QString documentName;
    QString headsFile;
    std::optional<QPoint> near;
};

// Reads the arguments after the program's name; none on a usage fault (an
// unknown option, a missing value, no report or more than one).
std::optional<ViewerOptions> parseViewerArguments(const QStringList& arguments);

// The line that says how to start the viewer.
QString viewerUsage();

} // namespace venkar
