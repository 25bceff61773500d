#pragma once

#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

// Which of the program's languages the learner reads, from the desktop's
// locale or from their own choice in the settings.
namespace Language {

// The languages the program is translated into, as locale names
// ("de", "zh_CN"). English is the source language and has no entry.
const QStringList &Translated();
// The made-up language that checks that every text fits when it grows; it is
// chosen only by name ("LANGUAGE=pseudo"), never offered in the settings.
QString Pseudo();

// The desktop's languages in the order gettext reads them: the list in
// LANGUAGE, then the first of LC_ALL, LC_MESSAGES and LANG that is set.
// Encodings and modifiers are dropped ("de_DE.UTF-8@euro" -> "de_DE"); "C"
// and "POSIX" say nothing about a language and are left out.
QStringList FromEnvironment(const QProcessEnvironment &environment);

// The translation to load: `setting` when it names one of ours (the learner
// chose it), otherwise the first of `desktop` that we have, matched by
// language and, for Chinese, by script ("zh_TW" is not Simplified Chinese).
// Empty: English.
QString Choose(const QString &setting, const QStringList &desktop);

// The language whose musicians' note names are the default: the learner's
// choice, else the desktop's first language even where the program has no
// translation for it (a Portuguese desktop reads English with Dó Ré Mi).
QString ForNoteNames(const QString &setting, const QStringList &desktop);

} // namespace Language
