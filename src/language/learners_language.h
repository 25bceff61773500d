#pragma once

#include <QString>

// The learner's language and note names: their choices ("Language",
// "NoteNames" of the options), else the desktop's locale. Sets the note
// naming for the whole program and gives the translation to load (empty:
// English).
struct LearnersLanguage {
    QString translation;        // for Translations; empty: English
    QString noteNamesLanguage;  // whose musicians' names are the default
};
LearnersLanguage SetUpLearnersLanguage(const QString &languageChoice, const QString &noteNamesChoice);
// The same with the choices read from the settings store, for the command
// line, which has no question bank to read them: read only, and only where
// the store is a regular file, so that a FIFO in its place never holds it up.
// Needs the application's names set.
LearnersLanguage SetUpLearnersLanguageFromStore();

// The store's keys of the two choices.
extern const char *const kLanguageSetting;
extern const char *const kNoteNamesSetting;
