// Piano key images: six sets of fourteen, one pixel per layout unit.
// White keys are 35 x 180 and transparent where their black neighbours are
// drawn over them; black keys are 19 x 108.
#include "artwork.h"

#include <QLinearGradient>
#include <QPainterPath>

namespace {

constexpr int kWhiteWidth = 35;
constexpr int kWhiteHeight = 180;
constexpr int kBlackWidth = 19;
constexpr int kBlackHeight = 108;

// The upper part of a white key is the strip [left, right) between the black
// keys that sit over it; the keyboard draws black keys at fixed offsets, so
// each white image name has one notch shape. "B" also serves B0, whose
// black neighbour ends one unit further left, so its notch is one unit narrower.
struct WhiteShape {
    const char *name;
    int left;
    int right;
};

const WhiteShape kWhiteShapes[] = {
    {"Afirst", 0, 30}, {"C", 0, 21}, {"D", 5, 30}, {"E", 14, 35}, {"F", 0, 21},
    {"G", 5, 25},      {"A", 9, 31}, {"B", 14, 35}, {"Clast", 0, 35},
};

const char *const kBlackNames[] = {"C_sharp", "D_sharp", "F_sharp", "G_sharp", "A_sharp"};

// How one image set looks.
struct KeyLook {
    const char *folder;
    QColor whiteTop, whiteBottom, whiteLip;
    QColor blackTop, blackBottom, blackLip, blackEdge;
    bool pushed;  // the key is held down: a shorter front lip and a deeper top shadow
};

const KeyLook kLooks[] = {
    {"normal", QColor("#ffffff"), QColor("#f2f5f7"), QColor("#d9e0e5"),
     QColor("#2c3338"), QColor("#15191c"), QColor("#3e474e"), QColor("#0b0d0f"), false},
    {"hover", QColor("#f3f9fd"), QColor("#d4e8f4"), QColor("#b5cfdf"),
     QColor("#56646e"), QColor("#37424a"), QColor("#6a7984"), QColor("#1c2227"), false},
    {"pressed", QColor("#c9dbe6"), QColor("#aac2d1"), QColor("#89a1af"),
     QColor("#6f8ea2"), QColor("#3d5566"), QColor("#7f9db0"), QColor("#1c2a33"), true},
    {"green", QColor("#bff0cf"), QColor("#5cc684"), QColor("#3a9a5f"),
     QColor("#48c177"), QColor("#1f7f46"), QColor("#5fd38c"), QColor("#14542e"), false},
    {"blue", QColor("#cfe6fa"), QColor("#6fb0e8"), QColor("#3f86c4"),
     QColor("#4b9be0"), QColor("#1d5f9c"), QColor("#68b0ee"), QColor("#113d66"), false},
    {"red", QColor("#fbd3d1"), QColor("#ea7f7b"), QColor("#c4504c"),
     QColor("#e0605b"), QColor("#9a2724"), QColor("#ee7c77"), QColor("#5e1513"), false},
};

QPainterPath whiteKeyPath(const WhiteShape &shape)
{
    const qreal radius = 4;
    const qreal notchBottom = 108;
    QPainterPath path;
    path.moveTo(shape.left, 0);
    path.lineTo(shape.right, 0);
    path.lineTo(shape.right, notchBottom);
    path.lineTo(kWhiteWidth, notchBottom);
    path.lineTo(kWhiteWidth, kWhiteHeight - radius);
    path.quadTo(kWhiteWidth, kWhiteHeight, kWhiteWidth - radius, kWhiteHeight);
    path.lineTo(radius, kWhiteHeight);
    path.quadTo(0, kWhiteHeight, 0, kWhiteHeight - radius);
    path.lineTo(0, notchBottom);
    path.lineTo(shape.left, notchBottom);
    path.closeSubpath();
    return path;
}

QImage whiteKey(const WhiteShape &shape, const KeyLook &look)
{
    QImage image = blankImage(kWhiteWidth, kWhiteHeight);
    QPainter p(&image);
    preparePainter(p);
    const QPainterPath body = whiteKeyPath(shape);
    p.setClipPath(body);

    const int lipTop = look.pushed ? 174 : 168;
    QLinearGradient face(0, 0, 0, lipTop);
    face.setColorAt(0, look.whiteTop);
    face.setColorAt(1, look.whiteBottom);
    p.fillPath(body, face);

    // The rounded front edge of the key.
    QLinearGradient lip(0, lipTop, 0, kWhiteHeight);
    lip.setColorAt(0, look.whiteBottom);
    lip.setColorAt(1, look.whiteLip);
    p.fillRect(QRectF(0, lipTop, kWhiteWidth, kWhiteHeight - lipTop), lip);
    p.fillRect(QRectF(0, lipTop, kWhiteWidth, 1), QColor(255, 255, 255, 140));

    // The shadow of the key bed's felt along the top, deeper while pushed down.
    QLinearGradient felt(0, 0, 0, look.pushed ? 16 : 8);
    felt.setColorAt(0, QColor(0, 0, 0, look.pushed ? 90 : 55));
    felt.setColorAt(1, QColor(0, 0, 0, 0));
    p.fillRect(QRectF(0, 0, kWhiteWidth, 16), felt);

    // Black neighbours cast a soft shadow below their front edge.
    QLinearGradient below(0, 108, 0, 116);
    below.setColorAt(0, QColor(0, 0, 0, 50));
    below.setColorAt(1, QColor(0, 0, 0, 0));
    if (shape.left > 0)
        p.fillRect(QRectF(0, 108, shape.left + 1, 8), below);
    if (shape.right < kWhiteWidth)
        p.fillRect(QRectF(shape.right - 1, 108, kWhiteWidth - shape.right + 1, 8), below);

    // A light left edge and a darker right edge read as the gap between keys.
    p.setClipping(false);
    p.setRenderHint(QPainter::Antialiasing, false);
    const int rightTop = shape.right < kWhiteWidth ? 108 : 0;
    p.fillRect(QRect(kWhiteWidth - 1, rightTop, 1, kWhiteHeight - rightTop - 3), QColor(0x9a, 0xa8, 0xb2));
    const int leftTop = shape.left > 0 ? 108 : 0;
    p.fillRect(QRect(0, leftTop, 1, kWhiteHeight - leftTop - 3), QColor(255, 255, 255, 200));
    return image;
}

QImage blackKey(const KeyLook &look)
{
    QImage image = blankImage(kBlackWidth, kBlackHeight);
    QPainter p(&image);
    preparePainter(p);
    const int lipTop = look.pushed ? 100 : 94;

    p.fillRect(image.rect(), look.blackEdge);
    // Body: the top face between two narrow bevels.
    QLinearGradient face(0, 0, 0, lipTop);
    face.setColorAt(0, look.blackBottom);
    face.setColorAt(0.15, look.blackTop);
    face.setColorAt(1, look.blackBottom);
    p.fillRect(QRectF(1, 0, kBlackWidth - 2, lipTop), face);

    QLinearGradient bevel(0, 0, kBlackWidth, 0);
    bevel.setColorAt(0, QColor(255, 255, 255, 40));
    bevel.setColorAt(0.18, QColor(255, 255, 255, 0));
    bevel.setColorAt(0.82, QColor(0, 0, 0, 0));
    bevel.setColorAt(1, QColor(0, 0, 0, 70));
    p.fillRect(QRectF(1, 0, kBlackWidth - 2, lipTop), bevel);

    // Gloss: a soft highlight running down the top face.
    QLinearGradient gloss(0, 4, 0, lipTop - 10);
    gloss.setColorAt(0, QColor(255, 255, 255, look.pushed ? 25 : 70));
    gloss.setColorAt(1, QColor(255, 255, 255, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(gloss);
    p.drawRoundedRect(QRectF(4.5, 4, 5, lipTop - 14), 2.5, 2.5);

    // The front edge, lit from above.
    QLinearGradient lip(0, lipTop, 0, kBlackHeight);
    lip.setColorAt(0, look.blackLip);
    lip.setColorAt(1, look.blackBottom);
    p.fillRect(QRectF(1, lipTop, kBlackWidth - 2, kBlackHeight - lipTop - 1), lip);
    p.fillRect(QRectF(1, lipTop, kBlackWidth - 2, 1), QColor(255, 255, 255, 60));
    return image;
}

QString imagePath(const KeyLook &look, const char *name)
{
    const QString folder = QString::fromLatin1(look.folder);
    const QString suffix = folder == "normal" ? QString() : "_" + folder;
    return "GKC/" + folder + "/" + QString::fromLatin1(name) + suffix + ".png";
}

}  // namespace

void writeKeys(ImageWriter &out)
{
    for (const KeyLook &look : kLooks) {
        for (const WhiteShape &shape : kWhiteShapes)
            out.save(whiteKey(shape, look), imagePath(look, shape.name));
        const QImage black = blackKey(look);
        for (const char *name : kBlackNames)
            out.save(black, imagePath(look, name));
    }
}
