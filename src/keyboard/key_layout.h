#pragma once

#include <theory/piano.h>

#include <QPointF>
#include <QRectF>
#include <QString>

#include <array>

// Where the 88 keys lie in the keyboard's fixed design space, and which
// images they are drawn with. One design unit is one image pixel.
namespace KeyLayout {

constexpr int kKeyCount = Piano::kKeyCount;
constexpr qreal kDesignWidth = 1820;
constexpr qreal kDesignHeight = 180;
constexpr int kImagesPerSet = 14;

// The image sets, in the order they are loaded.
enum ImageSet { Normal, Hover, Pressed, Green, Blue, Red, ImageSetCount };

struct KeyGeometry {
    int imageIndex = 0;   // into an image set
    QRectF upperRect;     // hit area above the black keys' ends; a black key's whole hit area
    QRectF lowerRect;     // a white key's full-width front part; unused for black keys
    QPointF origin;       // where the key's image is drawn
    bool isWhite = true;
};

inline bool isKeyIndex(int key) { return key >= 0 && key < kKeyCount; }

// The table of all keys, built once.
const std::array<KeyGeometry, kKeyCount> &geometries();

// Resource path of one key image, e.g. ":/res/GKC/hover/C_sharp_hover.png".
QString imagePath(ImageSet set, int imageIndex);

}  // namespace KeyLayout
