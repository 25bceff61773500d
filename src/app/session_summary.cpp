#include "session_summary.h"

#include <theory/note_naming.h>

#include <QCoreApplication>
#include <QStringList>

#include <cmath>

namespace {

// The summary's texts, translated under one name wherever they are built.
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(SessionSummary)
};

unsigned neededPercent()
{
    return static_cast<unsigned>(std::lround(QuestionBank::kPassRatio * 100));
}

} // namespace

QString levelNotesText(unsigned level)
{
    QStringList names;
    for (unsigned i = 0; i < level && i < noteOrder.size(); ++i)
        names << Theory::PitchClassName(noteOrder[i] % 12, Theory::CurrentNoteNaming());
    if (names.size() < 2)
        return names.join(QString());
    const QString last = names.takeLast();
    return Texts::tr("%1 and %2").arg(names.join(QStringLiteral(", ")), last);
}

SessionSummary summarize(const SessionOutcome &o)
{
    SessionSummary s;
    s.percent = o.total > 0 ? o.correct * 100 / o.total : 0;
    const QString score = Texts::tr("%1 of %2 right: %3 %, %4 % needed")
                              .arg(o.correct)
                              .arg(o.total)
                              .arg(s.percent)
                              .arg(neededPercent());
    if (o.perfectPitch) {
        s.headline = Texts::tr("Perfect pitch: all twelve notes");
        s.detail = Texts::tr("%1 of %2 right: %3 %. Train level 12 again to keep it.").arg(o.correct).arg(o.total).arg(s.percent);
    } else {
        // One shape for every verdict: the level, passed or not, and what comes next.
        const QString next = o.passed ? Texts::tr("%1 next").arg(levelNotesText(o.nextLevel))
                             : o.nextLevel < o.level ? Texts::tr("back to %1").arg(levelNotesText(o.nextLevel))
                                                     : Texts::tr("%1 again").arg(levelNotesText(o.level));
        s.headline = (o.passed ? Texts::tr("Level %1 passed: %2") : Texts::tr("Level %1 not passed: %2")).arg(o.level).arg(next);
        s.detail = score;
    }
    return s;
}

QVariantMap summaryForDocument(const SessionOutcome &o)
{
    const SessionSummary s = summarize(o);
    return {
        {QStringLiteral("level"), o.level},
        {QStringLiteral("nextLevel"), o.nextLevel},
        {QStringLiteral("correct"), o.correct},
        {QStringLiteral("total"), o.total},
        {QStringLiteral("percent"), s.percent},
        {QStringLiteral("neededPercent"), neededPercent()},
        {QStringLiteral("passed"), o.passed},
        {QStringLiteral("perfectPitch"), o.perfectPitch},
        {QStringLiteral("headline"), s.headline},
        {QStringLiteral("detail"), s.detail},
    };
}
