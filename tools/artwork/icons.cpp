// The application icon, rendered from its hand-drawn SVG at the sizes the
// desktop's icon theme and the window want.
#include "artwork.h"

#include <QSvgRenderer>
#include <cstdio>

void writeIcons(ImageWriter &out)
{
    const QString source = QString::fromUtf8(ORVELLE_ICON_SVG);
    QSvgRenderer renderer(source);
    if (!renderer.isValid()) {
        std::fprintf(stderr, "cannot read the icon drawing %s\n", qPrintable(source));
        out.fail();
        return;
    }
    for (const int size : iconSizes) {
        QImage image = blankImage(size, size);
        QPainter p(&image);
        preparePainter(p);
        renderer.render(&p, QRectF(0, 0, size, size));
        p.end();
        out.save(image, QStringLiteral("icons/orvelle-%1.png").arg(size));
    }
}
