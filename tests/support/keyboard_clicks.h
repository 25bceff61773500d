#pragma once

// Clicks keys of the on-screen keyboard with real mouse events on its window.

#include <keyboard.h>

#include <QQuickWindow>
#include <QtTest>

namespace KeyboardClicks {

// The middle of the part of `key` that a user would click, in window coordinates.
inline QPoint keyCenter(const Keyboard &keyboard, int key)
{
    // White keys are widest near the bottom, black keys exist only near the top.
    for (qreal fraction : {0.9, 0.3}) {
        const int y = int(keyboard.height() * fraction);
        int first = -1;
        int last = -1;
        for (int x = 0; x < int(keyboard.width()); ++x) {
            if (keyboard.keyAt(x, y) == key) {
                if (first < 0)
                    first = x;
                last = x;
            }
        }
        if (first >= 0)
            return keyboard.mapToScene(QPointF((first + last) / 2.0, y)).toPoint();
    }
    return QPoint(-1, -1);
}

inline bool clickKey(Keyboard &keyboard, int key)
{
    const QPoint at = keyCenter(keyboard, key);
    if (at.x() < 0 || !keyboard.window())
        return false;
    QTest::mouseClick(keyboard.window(), Qt::LeftButton, Qt::NoModifier, at);
    return true;
}

} // namespace KeyboardClicks
