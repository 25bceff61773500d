#include "history_statistics.h"

#include <theory/theory_tables.h>

#include <QTextStream>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <map>

namespace {

// The local calendar day of an answer's time. Answers come in time order,
// so the bounds of the last day found answer most lookups without a
// time-zone conversion.
class LocalDays {
public:
    QDate dayOf(qint64 utcMs)
    {
        if (utcMs >= start && utcMs < end)
            return date;
        date = QDateTime::fromMSecsSinceEpoch(utcMs).date();
        start = QDateTime(date, QTime(0, 0)).toMSecsSinceEpoch();
        end = QDateTime(date.addDays(1), QTime(0, 0)).toMSecsSinceEpoch();
        // A zone whose midnight does not exist on that day: no shortcut.
        if (!(utcMs >= start && utcMs < end))
            start = end = 0;
        return date;
    }

private:
    qint64 start = 0;
    qint64 end = 0;
    QDate date;
};

double percentile(std::vector<double> &values, double share)
{
    if (values.empty())
        return -1;
    const std::size_t rank = std::min(values.size() - 1, static_cast<std::size_t>(share * double(values.size())));
    std::nth_element(values.begin(), values.begin() + static_cast<std::ptrdiff_t>(rank), values.end());
    return values[rank];
}

double median(std::vector<double> &values)
{
    if (values.empty())
        return -1;
    const std::size_t middle = values.size() / 2;
    std::nth_element(values.begin(), values.begin() + static_cast<std::ptrdiff_t>(middle), values.end());
    double m = values[middle];
    if (values.size() % 2 == 0) {
        const double below = *std::max_element(values.begin(), values.begin() + static_cast<std::ptrdiff_t>(middle));
        m = (m + below) / 2;
    }
    return m;
}

void count(AnswerCounts &counts, bool right, bool rightIgnoringOctave)
{
    ++counts.asked;
    counts.right += right;
    counts.rightIgnoringOctave += rightIgnoringOctave;
}

// Signed distance from the question's pitch class to the answer's, -5 .. +6.
int chromaDistance(unsigned questionNote, unsigned answerNote)
{
    int d = static_cast<int>(answerNote % 12) - static_cast<int>(questionNote % 12);
    d = ((d % 12) + 12) % 12;
    return d > 6 ? d - 12 : d;
}

void addDays(PeriodSummary &summary, const DayStatistics &day)
{
    summary.asked += day.asked;
    summary.right += day.right;
    summary.rightIgnoringOctave += day.rightIgnoringOctave;
    summary.trainedMs += day.trainedMs;
    ++summary.days;
}

QDate today(const StatisticsFilter &filter)
{
    return (filter.now.isValid() ? filter.now : QDateTime::currentDateTime()).toLocalTime().date();
}

} // namespace

bool isMidiSource(const QString &source)
{
    return source != QLatin1String("screen keyboard") && source != QLatin1String("computer keyboard");
}

bool passesFilter(const AnswerRecord &answer, const StatisticsFilter &filter)
{
    if (filter.period == StatisticsFilter::Period::ThisLevel && answer.level != filter.level)
        return false;
    switch (filter.source) {
    case StatisticsFilter::Source::Midi:
        return isMidiSource(answer.source);
    case StatisticsFilter::Source::OnScreen:
        return !isMidiSource(answer.source);
    case StatisticsFilter::Source::All:
        break;
    }
    return true;
}

HistoryStatistics computeStatistics(const std::vector<AnswerRecord> &answers, const StatisticsFilter &filter)
{
    HistoryStatistics s;
    const QDate now = today(filter);
    s.today = now;
    const qint64 sinceMs = filter.period == StatisticsFilter::Period::Last7Days
                               ? QDateTime(now.addDays(-6), QTime(0, 0)).toMSecsSinceEpoch()
                               : std::numeric_limits<qint64>::min();
    std::array<std::vector<double>, 12> reactions;
    std::map<QDate, DayStatistics> days;
    std::map<QDate, std::vector<double>> dayReactions;
    LocalDays localDays;
    double absoluteSemitones = 0;
    qint64 previousMs = 0;
    QDate previousDay;

    for (const AnswerRecord &a : answers) {
        if (a.timeUtcMs < sinceMs || !passesFilter(a, filter))
            continue;
        const unsigned questionClass = a.questionNote % 12;
        const unsigned answerClass = a.answerNote % 12;
        const bool rightClass = questionClass == answerClass;
        count(s.all, a.correct, rightClass);
        const int key = static_cast<int>(a.questionNote) - HistoryStatistics::kLowestNote;
        if (key >= 0 && key < HistoryStatistics::kKeys)
            count(s.byKey[static_cast<std::size_t>(key)], a.correct, rightClass);
        count(s.byPitchClass[questionClass], a.correct, rightClass);
        ++s.confusion[questionClass][answerClass];
        if (a.reactionMs >= 0)
            reactions[questionClass].push_back(double(a.reactionMs));

        if (!a.correct) {
            ++s.errors.wrong;
            if (rightClass) {
                ++s.errors.octave;
            } else {
                const int d = chromaDistance(a.questionNote, a.answerNote);
                ++s.errors.byDistance[static_cast<std::size_t>(d + 5)];
                absoluteSemitones += std::abs(d);
            }
        }

        const QDate date = localDays.dayOf(a.timeUtcMs);
        DayStatistics &day = days[date];
        day.date = date;
        count(day, a.correct, rightClass);
        if (a.reactionMs >= 0)
            dayReactions[date].push_back(double(a.reactionMs));
        // Time between answers of one sitting counts as training; the first
        // answer of a sitting brings the time it took.
        const qint64 gap = a.timeUtcMs - previousMs;
        if (date == previousDay && gap >= 0 && gap <= kLongestTrainingGapMs)
            day.trainedMs += gap;
        else if (a.reactionMs > 0)
            day.trainedMs += std::min(a.reactionMs, kLongestTrainingGapMs);
        previousMs = a.timeUtcMs;
        previousDay = date;
    }

    for (std::size_t pc = 0; pc < 12; ++pc) {
        s.byPitchClass[pc].medianReactionMs = median(reactions[pc]);
        s.byPitchClass[pc].p90ReactionMs = percentile(reactions[pc], 0.9);
    }
    if (s.errors.wrong > 0)
        s.errors.meanAbsoluteSemitones = absoluteSemitones / s.errors.wrong;

    for (auto &entry : days) {
        DayStatistics &day = entry.second;
        day.medianReactionMs = median(dayReactions[entry.first]);
        s.days.push_back(day);
        if (day.date > now.addDays(-7))
            addDays(s.last7Days, day);
        if (day.date > now.addDays(-30))
            addDays(s.last30Days, day);
        addDays(s.allDays, day);
    }

    // Today counts once it has an answer; until then the streak may still
    // run up to yesterday.
    QDate expected = days.count(now) ? now : now.addDays(-1);
    for (auto it = s.days.rbegin(); it != s.days.rend() && it->date >= expected; ++it) {
        if (it->date != expected)
            break;
        ++s.streakDays;
        expected = expected.addDays(-1);
    }
    return s;
}

namespace {

QString percentOf(int part, int whole)
{
    return whole > 0 ? QString::number(std::lround(100.0 * part / whole)) + QStringLiteral(" %") : QStringLiteral("-");
}

QString answersCount(int n)
{
    return QString::number(n) + (n == 1 ? QStringLiteral(" answer") : QStringLiteral(" answers"));
}

QString minutes(qint64 ms)
{
    return QString::number(std::lround(double(ms) / 60000.0)) + QStringLiteral(" min");
}

QString pitchClassName(std::size_t pc)
{
    return Theory::NoteNames()[pc].sharp;
}

} // namespace

QString statisticsReport(const HistoryStatistics &s)
{
    QString text;
    QTextStream out(&text);
    if (s.all.asked == 0) {
        out << "No answers yet: answer a few questions and your statistics appear here.\n";
        return text;
    }
    // The words of the statistics window.
    out << answersCount(s.all.asked) << ": " << percentOf(s.all.right, s.all.asked) << " exact, "
        << percentOf(s.all.rightIgnoringOctave, s.all.asked) << " ignoring the octave\n\n";

    out << qSetFieldWidth(0) << "Note   asked   exact   ignoring the octave   median reaction\n";
    for (std::size_t pc = 0; pc < 12; ++pc) {
        const PitchClassStatistics &p = s.byPitchClass[pc];
        if (p.asked == 0)
            continue;
        const QString reaction =
            p.medianReactionMs >= 0 ? QString::number(std::lround(p.medianReactionMs)) + QStringLiteral(" ms") : "-";
        out << pitchClassName(pc).leftJustified(4) << QString::number(p.asked).rightJustified(8)
            << percentOf(p.right, p.asked).rightJustified(8) << percentOf(p.rightIgnoringOctave, p.asked).rightJustified(22)
            << reaction.rightJustified(18) << "\n";
    }

    out << "\nWrong answers: " << s.errors.wrong << "\n";
    if (s.errors.wrong > 0) {
        out << "  right note, other octave   " << percentOf(s.errors.octave, s.errors.wrong).rightJustified(6) << "\n";
        for (int d = -5; d <= ErrorKinds::kLargest; ++d) {
            if (d == 0)
                continue;
            const QString label = d == ErrorKinds::kLargest ? QStringLiteral("6 semitones (tritone)")
                                                            : QStringLiteral("%1%2 semitone%3")
                                                                  .arg(d > 0 ? "+" : "")
                                                                  .arg(d)
                                                                  .arg(std::abs(d) == 1 ? "" : "s");
            out << "  " << label.leftJustified(27) << percentOf(s.errors.atDistance(d), s.errors.wrong).rightJustified(6)
                << "\n";
        }
        out << "  mean error, octaves ignored: " << QString::number(s.errors.meanAbsoluteSemitones, 'f', 1)
            << " semitones\n";
    }

    out << "\nLast 7 days: " << answersCount(s.last7Days.asked) << " on " << s.last7Days.days
        << (s.last7Days.days == 1 ? " day, " : " days, ") << percentOf(s.last7Days.right, s.last7Days.asked) << " exact, "
        << percentOf(s.last7Days.rightIgnoringOctave, s.last7Days.asked) << " ignoring the octave, "
        << minutes(s.last7Days.trainedMs) << "\n";
    for (const DayStatistics &day : s.days) {
        if (day.date <= s.today.addDays(-7))
            continue;
        out << "  " << day.date.toString(Qt::ISODate) << QString::number(day.asked).rightJustified(7) << " answers"
            << percentOf(day.right, day.asked).rightJustified(7) << " exact"
            << percentOf(day.rightIgnoringOctave, day.asked).rightJustified(7) << " ignoring the octave"
            << minutes(day.trainedMs).rightJustified(9) << "\n";
    }
    out << "Training days in a row: " << s.streakDays << "\n";
    return text;
}
