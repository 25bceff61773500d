#include "computer_keys.h"

#include <theory/piano.h>

#include <QEvent>
#include <QKeyEvent>

#include <algorithm>
#include <array>

namespace {

// X11 and Wayland scan codes (Linux evdev codes + 8) of the home row and the
// row above it, and the QWERTY letter printed there.
struct KeyPlace {
    quint32 scanCode;
    int qwertyKey;
    int semitone;
};

constexpr std::array<KeyPlace, 13> kNoteKeys{{
    {38, Qt::Key_A, 0},  {25, Qt::Key_W, 1},  {39, Qt::Key_S, 2},  {26, Qt::Key_E, 3},
    {40, Qt::Key_D, 4},  {41, Qt::Key_F, 5},  {28, Qt::Key_T, 6},  {42, Qt::Key_G, 7},
    {29, Qt::Key_Y, 8},  {43, Qt::Key_H, 9},  {30, Qt::Key_U, 10}, {44, Qt::Key_J, 11},
    {45, Qt::Key_K, 12},
}};
constexpr KeyPlace kOctaveDown{52, Qt::Key_Z, -1};
constexpr KeyPlace kOctaveUp{53, Qt::Key_X, +1};

constexpr int kLowestKeyNote = Piano::kLowestNote;
constexpr int kKeyCount = Piano::kKeyCount;

bool matches(const KeyPlace &place, quint32 scanCode, int qtKey)
{
    return scanCode != 0 ? place.scanCode == scanCode : place.qwertyKey == qtKey;
}

}  // namespace

ComputerKeys::ComputerKeys(QObject *parent) : QObject(parent) {}

void ComputerKeys::setOctave(int octave)
{
    octave = std::clamp(octave, kLowestOctave, kHighestOctave);
    if (octave == m_octave)
        return;
    m_octave = octave;
    emit octaveChanged(octave);
}

int ComputerKeys::semitoneOf(quint32 nativeScanCode, int qtKey)
{
    for (const KeyPlace &place : kNoteKeys)
        if (matches(place, nativeScanCode, qtKey))
            return place.semitone;
    return -1;
}

int ComputerKeys::octaveStepOf(quint32 nativeScanCode, int qtKey)
{
    if (matches(kOctaveDown, nativeScanCode, qtKey))
        return -1;
    if (matches(kOctaveUp, nativeScanCode, qtKey))
        return +1;
    return 0;
}

int ComputerKeys::keyIndexOf(int octave, int semitone)
{
    const int key = 12 * (octave + 1) + semitone - kLowestKeyNote;
    return key >= 0 && key < kKeyCount ? key : -1;
}

bool ComputerKeys::handleKeyPress(const QKeyEvent &event)
{
    // Shortcuts with Ctrl, Alt or Meta stay with whoever wants them.
    if (!m_active || (event.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)))
        return false;
    const quint32 scanCode = event.nativeScanCode();
    if (const int step = octaveStepOf(scanCode, event.key())) {
        if (!event.isAutoRepeat())
            setOctave(m_octave + step);
        return true;
    }
    const int semitone = semitoneOf(scanCode, event.key());
    if (semitone < 0)
        return false;
    // A held key answers once.
    if (!event.isAutoRepeat()) {
        const int key = keyIndexOf(m_octave, semitone);
        if (key >= 0)
            emit keyPressed(key);
    }
    return true;
}

bool ComputerKeys::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress && handleKeyPress(*static_cast<QKeyEvent *>(event)))
        return true;
    return QObject::eventFilter(watched, event);
}
