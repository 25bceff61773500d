#include "course_history.h"

#include <course_texts.h>

#include <QDateTime>
#include <QStringList>

Course::CourseAnswer courseAnswerOf(const AnswerRecord &record)
{
    Course::CourseAnswer answer;
    answer.askedNote = static_cast<int>(record.questionNote);
    answer.answeredNote = static_cast<int>(record.answerNote);
    // Rows from before the audible onset was kept: from the note-on.
    answer.reactionMs = record.audibleReactionMs >= 0 ? record.audibleReactionMs : record.reactionMs;
    answer.adaptive = record.course == QLatin1String("adaptive");
    return answer;
}

namespace {

QString dayOf(std::int64_t timeUtcMs)
{
    return timeUtcMs > 0 ? QDateTime::fromMSecsSinceEpoch(timeUtcMs).toString(QStringLiteral("yyyy-MM-dd"))
                         : QStringLiteral("-");
}

QString percentOf(double share)
{
    return share < 0 ? QStringLiteral("-") : QStringLiteral("%1 %").arg(qRound(share * 100));
}

} // namespace

QString courseReport(const std::vector<AnswerRecord> &answers, int startClasses)
{
    Course::CourseTimelineBuilder builder(startClasses);
    bool adaptive = false;
    for (const AnswerRecord &record : answers) {
        adaptive = adaptive || record.course == QLatin1String("adaptive");
        builder.add(courseAnswerOf(record), record.timeUtcMs);
    }
    if (!adaptive)
        return QString();
    const Course::AdaptiveCourse &course = builder.course();
    const Course::CourseTimeline &timeline = builder.timeline();
    QStringList lines;
    lines << QStringLiteral("Adaptive course: %1 answers, deadline %2 s")
                 .arg(course.adaptiveAnswerCount())
                 .arg(course.deadlineSeconds(), 0, 'f', 1);
    lines << QStringLiteral("Note  State     Last 20  Octave  Secure since  Mastered since");
    for (int c = 0; c < Course::kClassCount; ++c) {
        const Course::ClassReport report = course.report(c);
        lines << QStringLiteral("%1 %2 %3 %4 %5  %6")
                     .arg(Course::className(c), -5)
                     .arg(QString::fromLatin1(Course::stateName(report.state)), -9)
                     .arg(percentOf(report.accuracy), 7)
                     .arg(percentOf(report.octaveExactShare), 7)
                     .arg(dayOf(timeline.firstSecure[c]), 12)
                     .arg(dayOf(timeline.firstMastered[c]), 14);
    }
    // The deadline's moves, the latest last (at most the last twelve).
    QStringList moves;
    const auto &points = timeline.deadline;
    for (std::size_t i = points.size() > 12 ? points.size() - 12 : 0; i < points.size(); ++i)
        moves << QStringLiteral("%1 s (%2)").arg(points[i].seconds, 0, 'f', 1).arg(dayOf(points[i].timeUtcMs));
    if (!moves.isEmpty())
        lines << QStringLiteral("Deadline over time: ") + moves.join(QStringLiteral(" → "));
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}
