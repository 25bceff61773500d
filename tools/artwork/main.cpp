// Draws all of the program's artwork with QPainter, so the images can be
// remade and changed in one place. Usage: orvelle_artwork <resource folder>
#include "artwork.h"

#include <QGuiApplication>
#include <cstdio>

int main(int argc, char *argv[])
{
    // No window is shown: draw without a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <resource folder>\n", argv[0]);
        return 2;
    }

    ImageWriter out(QString::fromLocal8Bit(argv[1]));
    writeKeys(out);
    writeControls(out);
    writePictures(out);
    if (!out.writeResourceCollection()) {
        std::fprintf(stderr, "cannot write the resource collection\n");
        return 1;
    }
    return out.ok() ? 0 : 1;
}
