#include "note_namer.h"

QString NoteNamer::note(int midiNote) const
{
    return Theory::NoteName(midiNote, Theory::CurrentNoteNaming());
}

QStringList NoteNamer::pitchClasses() const
{
    const Theory::NoteNaming naming = Theory::CurrentNoteNaming();
    QStringList names;
    for (int pc = 0; pc < 12; ++pc)
        names << Theory::PitchClassName(pc, naming);
    return names;
}

QString NoteNamer::keyFor(int letters, int octaves)
{
    Theory::NoteNaming naming;
    naming.letters = static_cast<Theory::NoteLetters>(qBound(0, letters, 2));
    naming.octaves = static_cast<Theory::OctaveNumbering>(qBound(0, octaves, 1));
    return Theory::NoteNamingKey(naming);
}

void NoteNamer::setNaming(const Theory::NoteNaming &naming)
{
    if (naming == Theory::CurrentNoteNaming())
        return;
    Theory::SetCurrentNoteNaming(naming);
    emit namingChanged();
}
