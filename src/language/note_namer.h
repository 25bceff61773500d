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

public:
    using QObject::QObject;

    // A MIDI note with its octave ("C♯4", "do 3"); empty outside 0..127.
    Q_INVOKABLE QString note(int midiNote) const;
    // The twelve pitch classes from C up.
    QStringList pitchClasses() const;

    // Names every note of the program from now on.
    void setNaming(const Theory::NoteNaming &naming);

signals:
    void namingChanged();
};
