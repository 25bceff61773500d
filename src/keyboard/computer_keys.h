#pragma once

#include <QObject>

class QKeyEvent;

// Answers from the computer keyboard, played like a piano: A W S E D F T G Y
// H U J K are C C# D D# E F F# G G# A A# B C of the typing octave, Z and X move
// that octave down and up. Keys are read by their place on the keyboard (the
// scan code), so QWERTY, QWERTZ and AZERTY play the same notes.
class ComputerKeys : public QObject {
    Q_OBJECT
    Q_PROPERTY(int octave READ octave WRITE setOctave NOTIFY octaveChanged)
    Q_PROPERTY(bool active READ active WRITE setActive)
public:
    static constexpr int kLowestOctave = 0;  // only its A, A# and B are keys
    static constexpr int kHighestOctave = 7;
    static constexpr int kDefaultOctave = 4;  // A plays middle C, C4

    explicit ComputerKeys(QObject *parent = nullptr);

    int octave() const { return m_octave; }
    void setOctave(int octave);
    // While false (an overlay is open) no key is taken.
    bool active() const { return m_active; }
    void setActive(bool active) { m_active = active; }

    // Semitone above the typing octave's C for a key event (0..12), -1 for a
    // key that plays nothing. The scan code decides; events without one (a
    // platform that gives none) fall back to the QWERTY letters.
    static int semitoneOf(quint32 nativeScanCode, int qtKey);
    // -1 for Z's place, +1 for X's place, 0 otherwise.
    static int octaveStepOf(quint32 nativeScanCode, int qtKey);
    // Key index 0..87 (A0 = 0) of a semitone in an octave, or -1 off the keyboard.
    static int keyIndexOf(int octave, int semitone);

    // Handles one key press; true when it was one of ours.
    bool handleKeyPress(const QKeyEvent &event);

signals:
    void keyPressed(int key);
    void octaveChanged(int octave);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    int m_octave = kDefaultOctave;
    bool m_active = true;
};
