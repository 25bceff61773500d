#pragma once

#include <note_output.h>

#include <QList>

// What the training session needs of the on-screen keyboard.
class KeyMarking {
public:
    virtual ~KeyMarking() = default;
    virtual void clearKeysState() = 0;
    virtual void markKeys(const QList<int> &greenKeys, const QList<int> &redKeys) = 0;
    virtual void repaintKeyboard() = 0;
};
