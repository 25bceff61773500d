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

void NoteNamer::setNaming(const Theory::NoteNaming &naming)
{
    if (naming == Theory::CurrentNoteNaming())
        return;
    Theory::SetCurrentNoteNaming(naming);
    emit namingChanged();
}
