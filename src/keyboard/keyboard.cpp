#include "keyboard.h"

#include <QMouseEvent>
#include <QPainter>

namespace {
constexpr int kKeys = 88;
}

Keyboard::Keyboard(QQuickItem *parent) : QQuickPaintedItem(parent)
{
    setAcceptedMouseButtons(Qt::LeftButton);
}

void Keyboard::paint(QPainter *painter)
{
    const qreal w = width() / kKeys;
    for (int k = 0; k < kKeys; ++k) {
        QColor c = Qt::white;
        if (green.contains(k))
            c = Qt::green;
        if (red.contains(k))
            c = Qt::red;
        painter->fillRect(QRectF(k * w, 0, w, height()), c);
        painter->drawRect(QRectF(k * w, 0, w, height()));
    }
}

void Keyboard::markKeys(const QList<int> &greenKeys, const QList<int> &redKeys)
{
    green += greenKeys;
    red += redKeys;
    update();
}

void Keyboard::clearKeysState()
{
    green.clear();
    red.clear();
}

void Keyboard::mousePressEvent(QMouseEvent *event)
{
    if (width() > 0) {
        const int k = static_cast<int>(event->pos().x() * kKeys / width());
        if (k >= 0 && k < kKeys)
            emit keyPressed(k);
    }
    event->accept();
}
