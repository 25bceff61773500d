#pragma once

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QString>
#include <QStringList>

// The one palette every image is drawn from; it follows the window's colours.
namespace Palette {
const QColor slate("#424c53");
const QColor slateDark("#2f363b");
const QColor slateDeep("#23292d");
const QColor lightBlue("#d4e8f4");
const QColor greyBlue("#89a1af");
const QColor text("#d0efff");
const QColor muted("#718897");
const QColor white("#ffffff");
const QColor green("#3fae69");
const QColor greenDark("#2e8a51");
const QColor blue("#3a8fd6");
const QColor red("#d9534f");
const QColor gold("#f2c14e");
const QColor goldDark("#c58f1c");
}

// Collects the written files so that the resource collection can list them.
class ImageWriter {
public:
    explicit ImageWriter(const QString &folder);

    bool save(const QImage &image, const QString &relativePath);
    bool writeResourceCollection() const;
    bool ok() const { return failures == 0; }

private:
    QString folder;
    QStringList written;
    int failures = 0;
};

// A transparent ARGB image ready to paint on.
QImage blankImage(int width, int height);
// A painter with antialiasing on, as every picture wants it.
void preparePainter(QPainter &p);
// The sans-serif family used for all text.
QFont uiFont(qreal pixelSize, int weight = QFont::Normal);
// Draws text centred in a rectangle.
void drawCentredText(QPainter &p, const QRectF &r, const QString &text, const QFont &font, const QColor &c);

void writeKeys(ImageWriter &out);
void writeControls(ImageWriter &out);
void writePictures(ImageWriter &out);
