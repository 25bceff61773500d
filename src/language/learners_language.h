#pragma once

#include <QString>

// The learner's language and note names at start: their choices in the
// settings store ("Language", "NoteNames"), else the desktop's locale.
// Sets the note naming for the whole program and gives the translation to
// load (empty: English). Needs the application's names set; reads the store
// only where it is a regular file, so that a FIFO in its place never holds
// the start up.
struct LearnersLanguage {
    QString translation;        // for Translations; empty: English
    QString noteNamesLanguage;  // whose musicians' names are the default
};
LearnersLanguage SetUpLearnersLanguage();

// The store's keys of the two choices.
extern const char *const kLanguageSetting;
extern const char *const kNoteNamesSetting;
