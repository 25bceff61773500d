#include "course_texts.h"

#include "pitch_classes.h"

#include <theory/note_naming.h>

#include <QCoreApplication>
#include <QStringList>

namespace Course {

namespace {

// Called as Qt's tr is, so that lupdate reads a count as a count.
QString tr(const char *text, const char *comment = nullptr, int n = -1)
{
    return QCoreApplication::translate("Course", text, comment, n);
}

QString namesText(const std::vector<int> &classes)
{
    QStringList names;
    for (int c : classes)
        names << className(c);
    if (names.size() < 2)
        return names.join(QString());
    const QString last = names.takeLast();
    return tr("%1 and %2").arg(names.join(QStringLiteral(", ")), last);
}

} // namespace

QString className(int noteIndex)
{
    if (noteIndex < 0 || noteIndex >= kClassCount)
        return QString();
    return Theory::PitchClassName(kSemitonesAboveC[std::size_t(noteIndex)], Theory::CurrentNoteNaming());
}

QString stateText(ClassState state)
{
    switch (state) {
    case ClassState::Locked:
        return tr("locked");
    case ClassState::Learning:
        return tr("learning");
    case ClassState::Secure:
        return tr("secure");
    case ClassState::Mastered:
        return tr("mastered");
    }
    return QString();
}

QString secondsText(long long ms)
{
    if (ms < 0)
        return QString();
    return tr("%1 s").arg(double(ms) / 1000.0, 0, 'f', 1);
}

QVariantMap roundSummaryForDocument(const RoundSummary &s)
{
    QStringList lines;
    QStringList moved;
    for (int c = 0; c < kClassCount; ++c) {
        if (s.before[c] != s.after[c])
            moved << tr("%1 %2 → %3").arg(className(c), stateText(s.before[c]), stateText(s.after[c]));
    }
    lines << (moved.isEmpty() ? tr("No note changed its state.") : moved.join(QStringLiteral(", ")) + QLatin1Char('.'));
    if (s.deadlineSeconds != s.deadlineBefore)
        lines << tr("Answer within %1 s to count as fast (%2 s before).")
                     .arg(s.deadlineSeconds, 0, 'f', 1)
                     .arg(s.deadlineBefore, 0, 'f', 1);
    else
        lines << tr("Answer within %1 s to count as fast.").arg(s.deadlineSeconds, 0, 'f', 1);
    if (s.nextUnlock < 0)
        lines << tr("All twelve notes are in the course.");
    else if (s.notYetSecure.empty())
        lines << tr("%1 comes next.").arg(className(s.nextUnlock));
    else
        lines << (s.notYetSecure.size() > 1 ? tr("%1 comes next, once %2 are secure.")
                                            : tr("%1 comes next, once %2 is secure."))
                     .arg(className(s.nextUnlock), namesText(s.notYetSecure));
    for (const ConfusedPair &pair : s.confusions) {
        lines << tr("You hear %1 as %2: %n times", nullptr, int(pair.times)).arg(className(pair.asked), className(pair.heardAs));
    }
    const unsigned percent = s.questions > 0 ? unsigned(s.right * 100 / s.questions) : 0;
    QVariantMap map;
    map.insert(QStringLiteral("headline"), tr("Round %1: %2 of %3 right").arg(s.round).arg(s.right).arg(s.questions));
    map.insert(QStringLiteral("detail"), lines.join(QLatin1Char('\n')));
    map.insert(QStringLiteral("percent"), percent);
    map.insert(QStringLiteral("perfectPitch"), false);
    map.insert(QStringLiteral("adaptive"), true);
    return map;
}

} // namespace Course
