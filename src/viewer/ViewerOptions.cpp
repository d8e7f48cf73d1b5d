#include "viewer/ViewerOptions.h"

namespace venkar {

namespace {

std::optional<QPoint> parsePoint(const QString& text) {
    const QStringList parts = text.split(QLatin1Char(','));
    if (parts.size() != 2)
        return std::nullopt;
    bool xRead = false;
    bool yRead = false;
    const int x = parts[0].trimmed().toInt(&xRead);
    const int y = parts[1].trimmed().toInt(&yRead);
    if (!xRead || !yRead)
        return std::nullopt;
    return QPoint(x, y);
}

} // namespace

QString viewerUsage() {
    return QStringLiteral("Aufruf: venkar-view [--name NAME] [--heads DATEI] [--near X,Y] DATEI");
}

std::optional<ViewerOptions> parseViewerArguments(const QStringList& arguments) {
    ViewerOptions options;
    bool haveReport = false;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        const bool isOption = argument.startsWith(QStringLiteral("--"));
        if (!isOption) {
            if (haveReport)
                return std::nullopt;
            options.reportFile = argument;
            haveReport = true;
            continue;
        }
        if (i + 1 >= arguments.size())
            return std::nullopt;
        const QString& value = arguments[++i];
        if (argument == QStringLiteral("--name")) {
            options.documentName = value;
        } else if (argument == QStringLiteral("--heads")) {
            options.headsFile = value;
        } else if (argument == QStringLiteral("--near")) {
            options.near = parsePoint(value);
            if (!options.near)
                return std::nullopt;
        } else {
            return std::nullopt;
        }
    }
    if (!haveReport)
        return std::nullopt;
    return options;
}

} // namespace venkar
