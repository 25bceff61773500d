#pragma once

#include <theory/note_naming.h>

#include <QObject>
#include <QStringList>

// The learner's note names for the documents: the feedback line, the
// statistics' heat map and confusion table name notes through it, and
// follow a change of naming at once.
class NoteNamer : public QObject {
    Q_OBJECT
    Q_PROPERTY(QStringList pitchClasses READ pitchClasses NOTIFY namingChanged)
    // The naming in use: letters 0 C D E … B, 1 with H, 2 fixed do; octaves
    // 0 middle C = C4, 1 middle C = do 3.
    Q_PROPERTY(int letters READ letters NOTIFY namingChanged)
    Q_PROPERTY(int octaves READ octaves NOTIFY namingChanged)

public:
    using QObject::QObject;

    // A MIDI note with its octave ("C♯4", "do 3"); empty outside 0..127.
    Q_INVOKABLE QString note(int midiNote) const;
    // The twelve pitch classes from C up.
    QStringList pitchClasses() const;
    int letters() const { return static_cast<int>(Theory::CurrentNoteNaming().letters); }
    int octaves() const { return static_cast<int>(Theory::CurrentNoteNaming().octaves); }
    // The stored form of a choice of letters and octaves.
    Q_INVOKABLE static QString keyFor(int letters, int octaves);

    // Names every note of the program from now on.
    void setNaming(const Theory::NoteNaming &naming);

signals:
    void namingChanged();
};
