#include "key_layout.h"

namespace KeyLayout {

namespace {

constexpr qreal kWhiteWidth = 35;
constexpr qreal kBlackHeight = 108;
constexpr qreal kLowerHeight = kDesignHeight - kBlackHeight;

const char *const kImageNames[kImagesPerSet] = {
    "Afirst", "C", "C_sharp", "D", "D_sharp", "E", "F",
    "F_sharp", "G", "G_sharp", "A", "A_sharp", "B", "Clast",
};

const char *const kSetFolders[ImageSetCount] = {"normal", "hover", "pressed", "green", "blue", "red"};

// One note of an octave, relative to the octave's left edge.
struct OctaveNote {
    bool isWhite;
    qreal originX;
    qreal hitX;
    qreal hitWidth;
};

// C to B. G sharp's hit area is one unit wider than its image; A's upper part
// stops one unit short of A sharp, and A sharp overlaps B's upper part by one.
const OctaveNote kOctave[12] = {
    {true, 0, 0, 21},      {false, 21, 21, 19},  {true, 35, 40, 25},   {false, 65, 65, 19},
    {true, 70, 84, 21},    {true, 105, 105, 21}, {false, 126, 126, 19}, {true, 140, 145, 20},
    {false, 165, 165, 20}, {true, 175, 185, 20}, {false, 206, 206, 19}, {true, 210, 224, 21},
};

KeyGeometry key(int imageIndex, bool isWhite, qreal originX, qreal hitX, qreal hitWidth)
{
    KeyGeometry g;
    g.imageIndex = imageIndex;
    g.isWhite = isWhite;
    g.origin = QPointF(originX, 0);
    g.upperRect = QRectF(hitX, 0, hitWidth, kBlackHeight);
    if (isWhite)
        g.lowerRect = QRectF(originX, kBlackHeight, kWhiteWidth, kLowerHeight);
    return g;
}

std::array<KeyGeometry, kKeyCount> buildGeometries()
{
    std::array<KeyGeometry, kKeyCount> keys;
    keys[0] = key(0, true, 0, 0, 30);       // A0
    keys[1] = key(11, false, 30, 30, 19);   // A sharp 0
    keys[2] = key(12, true, 35, 49, 21);    // B0
    for (int octave = 0; octave < 7; ++octave) {
        const qreal base = 70 + 245 * octave;
        for (int j = 0; j < 12; ++j) {
            const OctaveNote &n = kOctave[j];
            keys[3 + 12 * octave + j] = key(j + 1, n.isWhite, base + n.originX, base + n.hitX, n.hitWidth);
        }
    }
    keys[87] = key(13, true, 1785, 1785, 35);  // C8
    return keys;
}

}  // namespace

const std::array<KeyGeometry, kKeyCount> &geometries()
{
    static const std::array<KeyGeometry, kKeyCount> keys = buildGeometries();
    return keys;
}

QString imagePath(ImageSet set, int imageIndex)
{
    if (set < 0 || set >= ImageSetCount || imageIndex < 0 || imageIndex >= kImagesPerSet)
        return QString();
    const QString folder = QString::fromLatin1(kSetFolders[set]);
    const QString suffix = set == Normal ? QString() : "_" + folder;
    return ":/res/GKC/" + folder + "/" + QString::fromLatin1(kImageNames[imageIndex]) + suffix + ".png";
}

}  // namespace KeyLayout
