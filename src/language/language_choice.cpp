#include "language_choice.h"

namespace Language {
namespace {

QString localeName(QString value)
{
    value = value.section(QLatin1Char('.'), 0, 0).section(QLatin1Char('@'), 0, 0);
    value.replace(QLatin1Char('-'), QLatin1Char('_'));
    return value.trimmed();
}

bool saysNothing(const QString &name)
{
    return name.isEmpty() || name == QLatin1String("C") || name == QLatin1String("POSIX");
}

// Our translation for a locale name, or empty.
QString translationFor(const QString &name)
{
    if (name == Pseudo())
        return name;
    const QString language = name.section(QLatin1Char('_'), 0, 0).toLower();
    const QString rest = name.section(QLatin1Char('_'), 1).toUpper();
    if (language == QLatin1String("zh")) {
        // Simplified Chinese: mainland China and Singapore, or no region.
        const bool simplified = rest.isEmpty() || rest == QLatin1String("CN") || rest == QLatin1String("SG") ||
                                rest == QLatin1String("HANS") || rest.startsWith(QLatin1String("HANS_"));
        return simplified ? QStringLiteral("zh_CN") : QString();
    }
    return Translated().contains(language) ? language : QString();
}

} // namespace

const QStringList &Translated()
{
    static const QStringList languages{QStringLiteral("de"), QStringLiteral("fr"), QStringLiteral("es"),
                                       QStringLiteral("it"), QStringLiteral("ja"), QStringLiteral("zh_CN")};
    return languages;
}

QString Pseudo()
{
    return QStringLiteral("pseudo");
}

QStringList FromEnvironment(const QProcessEnvironment &environment)
{
    QStringList names;
    for (const QString &entry : environment.value(QStringLiteral("LANGUAGE")).split(QLatin1Char(':'))) {
        const QString name = localeName(entry);
        if (!saysNothing(name))
            names << name;
    }
    for (const char *variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const QString value = environment.value(QString::fromLatin1(variable));
        if (value.isEmpty())
            continue;
        const QString name = localeName(value);
        if (!saysNothing(name))
            names << name;
        break;  // the first one set decides, as for every program
    }
    names.removeDuplicates();
    return names;
}

QString Choose(const QString &setting, const QStringList &desktop)
{
    const QString chosen = translationFor(localeName(setting));
    if (!chosen.isEmpty() || setting == QLatin1String("en"))
        return chosen;
    for (const QString &name : desktop) {
        // English on the desktop before any of ours: the learner reads English.
        if (name.section(QLatin1Char('_'), 0, 0) == QLatin1String("en"))
            return QString();
        const QString found = translationFor(name);
        if (!found.isEmpty())
            return found;
    }
    return QString();
}

QString ForNoteNames(const QString &setting, const QStringList &desktop)
{
    if (!saysNothing(setting))
        return setting;
    return desktop.isEmpty() ? QString() : desktop.front();
}

} // namespace Language
