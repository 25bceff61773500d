#include "learners_language.h"
#include "language_choice.h"

#include <theory/note_naming.h>

#include <QCoreApplication>
#include <QFile>
#include <QProcessEnvironment>
#include <QSettings>
#include <QStandardPaths>

#include <sys/stat.h>

const char *const kLanguageSetting = "Language";
const char *const kNoteNamesSetting = "NoteNames";

namespace {

QString storePath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + QLatin1Char('/') +
           QCoreApplication::organizationName() + QLatin1Char('/') + QCoreApplication::applicationName() +
           QStringLiteral(".conf");
}

QString storedChoice(const char *key)
{
    const QString path = storePath();
    struct stat info;
    if (::stat(QFile::encodeName(path).constData(), &info) != 0 || !S_ISREG(info.st_mode))
        return QString();
    const QSettings store(path, QSettings::IniFormat);
    return store.value(QStringLiteral("GlobalSetting/") + QLatin1String(key)).toString();
}

} // namespace

LearnersLanguage SetUpLearnersLanguage(const QString &languageChoice, const QString &noteNamesChoice)
{
    const QStringList desktop = Language::FromEnvironment(QProcessEnvironment::systemEnvironment());
    LearnersLanguage learner{Language::Choose(languageChoice, desktop), Language::ForNoteNames(languageChoice, desktop)};
    Theory::SetCurrentNoteNaming(Theory::NoteNamingFromKey(noteNamesChoice, learner.noteNamesLanguage));
    return learner;
}

LearnersLanguage SetUpLearnersLanguageFromStore()
{
    return SetUpLearnersLanguage(storedChoice(kLanguageSetting), storedChoice(kNoteNamesSetting));
}
