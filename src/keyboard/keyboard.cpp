#include "keyboard.h"

#include <theory/piano.h>

#include <QCoreApplication>
#include <QHoverEvent>
#include <QImage>
#include <QMessageLogger>
#include <QMouseEvent>
#include <QPainter>
#include <QVariant>

#include <QFont>

#include <algorithm>
#include <cmath>

using KeyLayout::ImageSet;
using KeyLayout::isKeyIndex;
using KeyLayout::kKeyCount;

namespace {

using ImageSets = std::array<std::array<QImage, KeyLayout::kImagesPerSet>, ImageSet::ImageSetCount>;

// Loaded once per process and shared by every keyboard; an image that cannot
// be loaded stays empty and draws nothing.
const ImageSets &keyImages()
{
    static const ImageSets images = [] {
        ImageSets sets;
        for (int s = 0; s < ImageSet::ImageSetCount; ++s)
            for (int i = 0; i < KeyLayout::kImagesPerSet; ++i)
                sets[s][i] = QImage(KeyLayout::imagePath(ImageSet(s), i));
        return sets;
    }();
    return images;
}

// The application object sets the window's cursor; a bare QApplication (as in
// tests) has no such slot, and then the cursor is left alone.
void requestCursor(Qt::CursorShape shape)
{
    QObject *app = QCoreApplication::instance();
    if (!app || app->metaObject()->indexOfMethod("onChangeCursor(QVariant)") < 0)
        return;
    QMetaObject::invokeMethod(app, "onChangeCursor", Q_ARG(QVariant, QVariant(int(shape))));
}

// Design units of an item pixel coordinate, truncated toward zero; false when
// the item has no extent or the point lies far outside the design space.
bool toDesignUnit(int pixel, qreal scale, int &unit)
{
    if (!(scale > 0))
        return false;
    const double value = (1.0 / scale) * pixel;
    if (!(std::fabs(value) < 1e6))
        return false;
    unit = static_cast<int>(value);
    return true;
}

}  // namespace

Keyboard::Keyboard(QQuickItem *parent) : QQuickPaintedItem(parent)
{
    qRegisterMetaType<KeysStateMap>("KeysStateMap");
    setAcceptedMouseButtons(Qt::LeftButton);
    setAcceptHoverEvents(true);
    setEnabled(true);
    keyImages();
    KeyLayout::geometries();
}

Keyboard::~Keyboard() = default;

void Keyboard::geometryChanged(const QRectF &newGeometry, const QRectF &oldGeometry)
{
    const float sx = float(newGeometry.width()) / float(KeyLayout::kDesignWidth);
    const float sy = float(newGeometry.height()) / float(KeyLayout::kDesignHeight);
    m_scale = QPointF(sx, sy);
    QQuickPaintedItem::geometryChanged(newGeometry, oldGeometry);
}

int Keyboard::keyAt(int x, int y) const
{
    int u = 0;
    int v = 0;
    if (!toDesignUnit(x, m_scale.x(), u) || !toDesignUnit(y, m_scale.y(), v))
        return -1;
    const QPointF point(u, v);
    const auto &keys = KeyLayout::geometries();
    // Edges count as inside, so on a shared edge the lower key index wins.
    for (int k = 0; k < kKeyCount; ++k) {
        if (keys[k].upperRect.contains(point) || (keys[k].isWhite && keys[k].lowerRect.contains(point)))
            return k;
    }
    return -1;
}

ImageSet Keyboard::imageSetOf(int key) const
{
    if (!isKeyIndex(key))
        return ImageSet::Normal;
    const KeyState &s = m_keys[key];
    if (s.keyColor == 1)
        return ImageSet::Green;
    if (s.keyColor == 2)
        return ImageSet::Blue;
    if (s.keyColor != 0)
        return ImageSet::Red;
    if (key == m_pressedKey && s.clicked)
        return ImageSet::Pressed;
    if (key == m_hoveredKey && !s.clicked)
        return ImageSet::Hover;
    return ImageSet::Normal;
}

void Keyboard::drawKey(QPainter *painter, int key)
{
    const KeyLayout::KeyGeometry &g = KeyLayout::geometries()[key];
    const QImage &image = keyImages()[imageSetOf(key)][g.imageIndex];
    if (!image.isNull())
        painter->drawImage(g.origin, image);
    m_keys[key].needsRepaint = false;
}

void Keyboard::paint(QPainter *painter)
{
    painter->setRenderHint(QPainter::Antialiasing, true);
    const auto &keys = KeyLayout::geometries();
    // Groups: A0 to B0, seven octaves C to B, then C8. Within a group the
    // black keys go over the white ones.
    for (int group = 0; group <= 8; ++group) {
        const int first = group == 0 ? 0 : group == 8 ? 87 : 12 * group - 9;
        const int last = group == 0 ? 2 : group == 8 ? 87 : 12 * group + 2;
        painter->save();
        painter->scale(m_scale.x(), m_scale.y());
        for (int k = first; k <= last; ++k)
            if (keys[k].isWhite)
                drawKey(painter, k);
        for (int k = first; k <= last; ++k)
            if (!keys[k].isWhite)
                drawKey(painter, k);
        painter->restore();
    }
    drawCLabels(painter);
    drawTypingOctave(painter);
}

void Keyboard::setTypingOctave(int octave)
{
    if (octave == m_typingOctave)
        return;
    m_typingOctave = octave;
    update();
    emit typingOctaveChanged();
}

void Keyboard::setLabelCKeys(bool on)
{
    if (on == m_labelCKeys)
        return;
    m_labelCKeys = on;
    update();
    emit labelCKeysChanged();
}

QRectF Keyboard::keyRect(int key) const
{
    if (!isKeyIndex(key))
        return QRectF();
    const KeyLayout::KeyGeometry &g = KeyLayout::geometries()[key];
    const QRectF design = g.isWhite ? g.upperRect.united(g.lowerRect) : g.upperRect;
    return QRectF(design.x() * m_scale.x(), design.y() * m_scale.y(),
                  design.width() * m_scale.x(), design.height() * m_scale.y());
}

QString Keyboard::keyName(int key)
{
    static const char *const names[] = {"C", "C#", "D", "D#", "E", "F", "F#", "G", "G#", "A", "A#", "B"};
    if (!isKeyIndex(key))
        return QString();
    const int note = Piano::noteOfKey(key); // middle C (60) is C4
    return QString::fromLatin1(names[note % 12]) + QString::number(note / 12 - 1);
}

namespace {
constexpr int kFirstCKey = 3;  // C1
constexpr int kLabelPixelSize = 12;
const QColor kLabelColor(0x42, 0x4c, 0x53);
const QColor kAccentColor(0x40, 0xb0, 0x6a);
}  // namespace

void Keyboard::drawCLabels(QPainter *painter)
{
    if (!m_labelCKeys)
        return;
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(kLabelPixelSize);
    painter->setFont(font);
    painter->setPen(kLabelColor);
    for (int key = kFirstCKey; key < kKeyCount; key += 12) {
        const QRectF area = keyRect(key).adjusted(0, 0, 0, -3);
        painter->drawText(area, Qt::AlignHCenter | Qt::AlignBottom, keyName(key));
    }
}

void Keyboard::drawTypingOctave(QPainter *painter)
{
    if (m_typingOctave <= 0)
        return;
    // A bar over the thirteen keys A to K play: C of the octave to the next C.
    const int first = kFirstCKey + 12 * (m_typingOctave - 1);
    const int last = std::min(first + 12, kKeyCount - 1);
    if (!isKeyIndex(first))
        return;
    const QRectF from = keyRect(first);
    const QRectF to = keyRect(last);
    painter->fillRect(QRectF(from.left(), 0, to.right() - from.left(), 4), kAccentColor);
}

void Keyboard::repaintMarkedKeys()
{
    for (const KeyState &s : m_keys) {
        if (s.needsRepaint) {
            update();
            return;
        }
    }
}

void Keyboard::markKeys(const QList<int> &greenKeys, const QList<int> &redKeys)
{
    for (KeyState &s : m_keys)
        s.needsRepaint = s.keyColor != 0;
    for (int k : greenKeys) {
        if (isKeyIndex(k)) {
            m_keys[k].keyColor = 1;
            m_keys[k].needsRepaint = true;
        }
    }
    for (int k : redKeys) {
        if (isKeyIndex(k)) {
            m_keys[k].keyColor = 3;
            m_keys[k].needsRepaint = true;
        }
    }
    update();
}

void Keyboard::clearKeysState()
{
    for (KeyState &s : m_keys) {
        s.needsRepaint = s.clicked && s.keyColor == 0;
        s.keyColor = 0;
        s.clicked = false;
    }
    m_hoveredKey = -1;
}

void Keyboard::updateKeysState(KeysStateMap newState)
{
    for (auto it = newState.cbegin(); it != newState.cend(); ++it) {
        if (!isKeyIndex(it.key()))
            continue;
        KeyState &current = m_keys[it.key()];
        const KeyState &wanted = it.value();
        if (current.keyColor != wanted.keyColor || current.clicked != wanted.clicked
            || current.auxFlag != wanted.auxFlag || current.auxValue != wanted.auxValue) {
            current = wanted;
            current.needsRepaint = true;
        }
    }
    for (int k = 0; k < kKeyCount; ++k) {
        KeyState &s = m_keys[k];
        if (!newState.contains(k) && (s.clicked || s.keyColor != 0)) {
            s.clicked = false;
            s.keyColor = 0;
            s.needsRepaint = true;
        }
    }
    repaintMarkedKeys();
}

void Keyboard::changeFingersMode(bool enabled)
{
    if (enabled == m_fingersMode)
        return;
    m_fingersMode = enabled;
    update();
}

void Keyboard::mousePressEvent(QMouseEvent *event)
{
    const int k = keyAt(event->pos().x(), event->pos().y());
    if (isKeyIndex(k)) {
        m_keys[k].needsRepaint = true;
        m_keys[k].clicked = true;
        repaintMarkedKeys();
        emit keyPressed(k);
        m_pressedKey = k;
    }
    event->accept();
}

void Keyboard::mouseMoveEvent(QMouseEvent *)
{
    // Dragging across keys plays nothing; hover moves track the mouse instead.
}

void Keyboard::mouseReleaseEvent(QMouseEvent *event)
{
    if (m_pressedKey >= 0) {
        const int released = m_pressedKey;
        m_keys[released].needsRepaint = true;
        emit keyReleased(released);
    }
    m_pressedKey = -1;
    repaintMarkedKeys();
    event->accept();
}

void Keyboard::hoverEnterEvent(QHoverEvent *)
{
    QMessageLogger().warning("Keyboard::hoverEnterEvent");
}

void Keyboard::releaseHeldKey()
{
    if (m_pressedKey >= 0)
        emit keyReleased(m_pressedKey);
    m_pressedKey = -1;
}

void Keyboard::hoverMoveEvent(QHoverEvent *event)
{
    requestCursor(Qt::PointingHandCursor);
    const int k = keyAt(event->pos().x(), event->pos().y());
    bool changed = true;
    if (k == m_pressedKey)
        changed = m_hoveredKey != k;
    else
        releaseHeldKey();
    m_hoveredKey = k;
    if (changed)
        update();
}

void Keyboard::hoverLeaveEvent(QHoverEvent *)
{
    requestCursor(Qt::ArrowCursor);
    releaseHeldKey();
    if (m_hoveredKey != -1) {
        m_hoveredKey = -1;
        update();
    }
}
