#include "artwork.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTextStream>
#include <cstdio>

ImageWriter::ImageWriter(const QString &folder) : folder(folder) {}

bool ImageWriter::save(const QImage &image, const QString &relativePath)
{
    const QString path = QDir(folder).filePath(relativePath);
    QDir().mkpath(QFileInfo(path).absolutePath());
    if (!image.save(path, "PNG")) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        ++failures;
        return false;
    }
    written << relativePath;
    return true;
}

bool ImageWriter::writeResourceCollection() const
{
    QFile file(QDir(folder).filePath("resources.qrc"));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Text | QIODevice::Truncate))
        return false;
    QStringList sorted = written;
    sorted.sort();
    QTextStream s(&file);
    s << "<!-- Written by tools/artwork (orvelle_artwork); do not edit by hand. -->\n";
    s << "<RCC>\n    <qresource prefix=\"/res\">\n";
    for (const QString &name : sorted)
        s << "        <file>" << name << "</file>\n";
    s << "    </qresource>\n</RCC>\n";
    return s.status() == QTextStream::Ok;
}

QImage blankImage(int width, int height)
{
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

void preparePainter(QPainter &p)
{
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setRenderHint(QPainter::TextAntialiasing, true);
    p.setRenderHint(QPainter::SmoothPixmapTransform, true);
}

QFont uiFont(qreal pixelSize, int weight)
{
    QFont f("DejaVu Sans");
    f.setPixelSize(qRound(pixelSize));
    f.setWeight(weight);
    f.setHintingPreference(QFont::PreferFullHinting);
    return f;
}

void drawCentredText(QPainter &p, const QRectF &r, const QString &text, const QFont &font, const QColor &c)
{
    p.save();
    p.setFont(font);
    p.setPen(c);
    p.drawText(r, Qt::AlignCenter, text);
    p.restore();
}
