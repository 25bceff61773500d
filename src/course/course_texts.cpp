#include "course_texts.h"

#include <QCoreApplication>
#include <QStringList>

namespace Course {

namespace {

QString Tr(const char *text, int n = -1)
{
    return QCoreApplication::translate("Course", text, nullptr, n);
}

QString NamesText(const std::vector<int> &classes)
{
    QStringList names;
    for (int c : classes)
        names << ClassName(c);
    if (names.size() < 2)
        return names.join(QString());
    const QString last = names.takeLast();
    return Tr("%1 and %2").arg(names.join(QStringLiteral(", ")), last);
}

} // namespace

QString ClassName(int noteIndex)
{
    static const char *const kNames[kClassCount] = {"C", "D", "E", "F", "G", "A", "B",
                                                    "C♯", "D♯", "F♯", "G♯", "A♯"};
    return noteIndex >= 0 && noteIndex < kClassCount ? QString::fromUtf8(kNames[noteIndex]) : QString();
}

QString StateText(ClassState state)
{
    switch (state) {
    case ClassState::Locked:
        return Tr("locked");
    case ClassState::Learning:
        return Tr("learning");
    case ClassState::Secure:
        return Tr("secure");
    case ClassState::Mastered:
        return Tr("mastered");
    }
    return QString();
}

QString SecondsText(long long ms)
{
    if (ms < 0)
        return QString();
    return Tr("%1 s").arg(double(ms) / 1000.0, 0, 'f', 1);
}

QVariantMap RoundSummaryForDocument(const RoundSummary &s)
{
    QStringList lines;
    QStringList moved;
    for (int c = 0; c < kClassCount; ++c) {
        if (s.before[c] != s.after[c])
            moved << Tr("%1 %2 → %3").arg(ClassName(c), StateText(s.before[c]), StateText(s.after[c]));
    }
    lines << (moved.isEmpty() ? Tr("No note changed its state.") : moved.join(QStringLiteral(", ")) + QLatin1Char('.'));
    if (s.deadlineSeconds != s.deadlineBefore)
        lines << Tr("Answer within %1 s to count as fast (%2 s before).")
                     .arg(s.deadlineSeconds, 0, 'f', 1)
                     .arg(s.deadlineBefore, 0, 'f', 1);
    else
        lines << Tr("Answer within %1 s to count as fast.").arg(s.deadlineSeconds, 0, 'f', 1);
    if (s.nextUnlock < 0)
        lines << Tr("All twelve notes are in the course.");
    else if (s.notYetSecure.empty())
        lines << Tr("%1 comes next.").arg(ClassName(s.nextUnlock));
    else
        lines << (s.notYetSecure.size() > 1 ? Tr("%1 comes next, once %2 are secure.")
                                            : Tr("%1 comes next, once %2 is secure."))
                     .arg(ClassName(s.nextUnlock), NamesText(s.notYetSecure));
    for (const ConfusedPair &pair : s.confusions) {
        const QString text = pair.times == 1 ? Tr("You hear %1 as %2: once") : Tr("You hear %1 as %2: %3 times");
        lines << text.arg(ClassName(pair.asked), ClassName(pair.heardAs)).arg(pair.times);
    }
    const unsigned percent = s.questions > 0 ? unsigned(s.right * 100 / s.questions) : 0;
    QVariantMap map;
    map.insert(QStringLiteral("headline"), Tr("Round %1: %2 of %3 right").arg(s.round).arg(s.right).arg(s.questions));
    map.insert(QStringLiteral("detail"), lines.join(QLatin1Char('\n')));
    map.insert(QStringLiteral("percent"), percent);
    map.insert(QStringLiteral("perfectPitch"), false);
    map.insert(QStringLiteral("adaptive"), true);
    return map;
}

} // namespace Course
