#pragma once

#include "key_layout.h"

#include <QColor>
#include <QList>
#include <QMap>
#include <QMetaType>
#include <QPointF>
#include <QQuickPaintedItem>

#include <array>

// What one key shows: its feedback colour and whether it was clicked.
struct KeyState {
    int auxValue = 3;         // carried by updateKeysState; never drawn
    bool auxFlag = true;      // carried by updateKeysState; never drawn
    bool clicked = false;     // pressed with the mouse since the last clear
    int keyColor = 0;         // 0 none, 1 green, 2 blue, anything else red
    bool needsRepaint = true;
};

using KeysStateMap = QMap<int, KeyState>;
Q_DECLARE_METATYPE(KeysStateMap)

// The on-screen 88-key piano, A0 (key 0) to C8 (key 87), painted from key
// images and stretched to the item's size. Clicks come out as key indices.
class Keyboard : public QQuickPaintedItem {
    Q_OBJECT
    Q_PROPERTY(QColor color READ color WRITE setColor)
    // Octave the computer keyboard types in (its C is marked), or 0 for none.
    Q_PROPERTY(int typingOctave READ typingOctave WRITE setTypingOctave NOTIFY typingOctaveChanged)
    // Whether the C keys carry their names, "C1" to "C8".
    Q_PROPERTY(bool labelCKeys READ labelCKeys WRITE setLabelCKeys NOTIFY labelCKeysChanged)
public:
    explicit Keyboard(QQuickItem *parent = nullptr);
    ~Keyboard() override;

    QColor color() const { return m_color; }
    void setColor(const QColor &color) { m_color = color; }
    int typingOctave() const { return m_typingOctave; }
    void setTypingOctave(int octave);
    bool labelCKeys() const { return m_labelCKeys; }
    void setLabelCKeys(bool on);

    // Where key `key` lies, in item pixels (empty for no key).
    Q_INVOKABLE QRectF keyRect(int key) const;
    // Name of key `key` in the learner's note names, sharps as "#": "A0" ...
    // "C4" ... "C8", "C#4" in English; "la -1", "do 3", "do# 3" in French.
    Q_INVOKABLE static QString keyName(int key);

    // Colours the keys of the first list green and those of the second red
    // (a key in both ends red); colours accumulate until clearKeysState.
    void markKeys(const QList<int> &greenKeys, const QList<int> &redKeys);
    // Clears colours, clicked marks and the hovered key; the caller repaints.
    void clearKeysState();

    // Key under a point in item pixels, or -1.
    int keyAt(int x, int y) const;
    // The image set key `key` is drawn with now.
    KeyLayout::ImageSet imageSetOf(int key) const;
    QPointF designScale() const { return m_scale; }
    int pressedKey() const { return m_pressedKey; }
    int hoveredKey() const { return m_hoveredKey; }
    bool fingersMode() const { return m_fingersMode; }

    void paint(QPainter *painter) override;

public slots:
    void changeFingersMode(bool enabled);

signals:
    void hover(int index);
    void keyPressed(int key);
    void keyReleased(int key);
    void typingOctaveChanged();
    void labelCKeysChanged();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void hoverEnterEvent(QHoverEvent *event) override;
    void hoverMoveEvent(QHoverEvent *event) override;
    void hoverLeaveEvent(QHoverEvent *event) override;
    void geometryChanged(const QRectF &newGeometry, const QRectF &oldGeometry) override;

private slots:
    void updateKeysState(KeysStateMap newState);

private:
    void repaintMarkedKeys();
    void releaseHeldKey();
    void drawKey(QPainter *painter, int key);
    void drawCLabels(QPainter *painter);
    void drawTypingOctave(QPainter *painter);

    QColor m_color;
    QPointF m_scale{1, 1};
    int m_pressedKey = -1;
    int m_hoveredKey = -1;
    bool m_fingersMode = false;
    int m_typingOctave = 0;
    bool m_labelCKeys = false;
    std::array<KeyState, KeyLayout::kKeyCount> m_keys{};
};
