#pragma once

#include <QList>
#include <QQuickPaintedItem>

// Stand-in on-screen keyboard: 52 plain white keys; the painted 88-key item replaces it.
class Keyboard : public QQuickPaintedItem {
    Q_OBJECT
public:
    explicit Keyboard(QQuickItem *parent = nullptr);

    void paint(QPainter *painter) override;
    void markKeys(const QList<int> &greenKeys, const QList<int> &redKeys);
    void clearKeysState();

signals:
    void keyPressed(int key);
    void keyReleased(int key);

protected:
    void mousePressEvent(QMouseEvent *event) override;

private:
    QList<int> green;
    QList<int> red;
};
