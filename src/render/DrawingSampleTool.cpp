// Writes the drawing sample to a file; the extension (.png, .svg, .pdf)
// chooses the format. Usage: venkar-drawing-sample FILE [WIDTH HEIGHT]
#include "render/DrawingSample.h"
#include "render/PictureExport.h"

#include <QString>

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
    if (argc != 2 && argc != 4) {
        std::fprintf(stderr, "usage: %s FILE [WIDTH HEIGHT]\n", argv[0]);
        return 2;
    }
    venkar::ensureGuiApplication();
    const QString path = QString::fromLocal8Bit(argv[1]);
    const QSize size = argc == 4 ? QSize(std::atoi(argv[2]), std::atoi(argv[3])) : QSize(1200, 600);
    if (size.width() <= 0 || size.height() <= 0) {
        std::fprintf(stderr, "%s: invalid size\n", argv[0]);
        return 2;
    }
    const venkar::Picture picture = venkar::buildDrawingSample();
    bool written = false;
    if (path.endsWith(".svg", Qt::CaseInsensitive))
        written = venkar::writeSvg(picture, path, size, "Venkar drawing sample");
    else if (path.endsWith(".pdf", Qt::CaseInsensitive))
        written = venkar::writePdf(picture, path, "Venkar drawing sample");
    else
        written = venkar::writePng(picture, path, size);
    if (!written) {
        std::fprintf(stderr, "%s: cannot write %s\n", argv[0], argv[1]);
        return 1;
    }
    return 0;
}
