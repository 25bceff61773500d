#include "history_statistics.h"

#include <theory/note_naming.h>

#include <QCoreApplication>
#include <QLocale>

#include <QTextStream>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <map>

QDate LocalDays::dayOf(qint64 utcMs)
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

qint64 TrainingClock::add(qint64 utcMs, const QDate &day, qint64 reactionMs)
{
    const qint64 gap = utcMs - previousMs;
    const bool sameSitting = day == previousDay && gap >= 0 && gap <= kLongestTrainingGapMs;
    previousMs = utcMs;
    previousDay = day;
    if (sameSitting)
        return gap;
    return reactionMs > 0 ? std::min(reactionMs, kLongestTrainingGapMs) : 0;
}

int chromaDistance(unsigned questionNote, unsigned answerNote)
{
    int d = static_cast<int>(answerNote % 12) - static_cast<int>(questionNote % 12);
    d = ((d % 12) + 12) % 12;
    return d > 6 ? d - 12 : d;
}

QDate statisticsToday(const StatisticsFilter &filter)
{
    return (filter.now.isValid() ? filter.now : QDateTime::currentDateTime()).toLocalTime().date();
}

QDate firstDayOf(const StatisticsFilter &filter, const QDate &today)
{
    return filter.period == StatisticsFilter::Period::Last7Days ? today.addDays(-6) : QDate();
}

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

namespace {

void addDays(PeriodSummary &summary, const DayStatistics &day)
{
    summary += day;
    summary.trainedMs += day.trainedMs;
    ++summary.days;
}

} // namespace

bool isMidiSource(const QString &source)
{
    return source != QLatin1String("screen keyboard") && source != QLatin1String("computer keyboard");
}

unsigned courseKeyOf(const AnswerRecord &answer)
{
    return answer.course == QLatin1String("adaptive") ? kAdaptiveCourseKey : answer.level;
}

unsigned courseKeyOf(const StatisticsFilter &filter)
{
    return filter.adaptive ? kAdaptiveCourseKey : filter.level;
}

bool passesFilter(const AnswerRecord &answer, const StatisticsFilter &filter)
{
    if (filter.period == StatisticsFilter::Period::ThisCourse && courseKeyOf(answer) != courseKeyOf(filter))
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
    StatisticsTally tally;
    HistoryStatistics &s = tally.figures;
    s.today = statisticsToday(filter);
    const QDate firstDay = firstDayOf(filter, s.today);
    const qint64 sinceMs = firstDay.isValid() ? QDateTime(firstDay, QTime(0, 0)).toMSecsSinceEpoch()
                                              : std::numeric_limits<qint64>::min();
    std::set<QDate> answeredDays;
    LocalDays localDays;
    TrainingClock clock;

    for (const AnswerRecord &a : answers) {
        const QDate date = localDays.dayOf(a.timeUtcMs);
        if (answeredDays.empty() || *answeredDays.rbegin() != date)
            answeredDays.insert(date);
        if (!passesFilter(a, filter))
            continue;
        // A day's training time is the same whatever the period shown, even
        // when a clock set back put an answer before the period among its own.
        const qint64 trainedMs = clock.add(a.timeUtcMs, date, a.reactionMs);
        if (a.timeUtcMs < sinceMs)
            continue;
        const unsigned questionClass = a.questionNote % 12;
        const unsigned answerClass = a.answerNote % 12;
        const bool rightClass = questionClass == answerClass;
        s.all.count(a.correct, rightClass);
        const int key = static_cast<int>(a.questionNote) - HistoryStatistics::kLowestNote;
        if (key >= 0 && key < HistoryStatistics::kKeys)
            s.byKey[static_cast<std::size_t>(key)].count(a.correct, rightClass);
        s.byPitchClass[questionClass].count(a.correct, rightClass);
        ++s.confusion[questionClass][answerClass];
        if (a.reactionMs >= 0)
            tally.reactions[questionClass].push_back(double(a.reactionMs));

        if (!a.correct) {
            ++s.errors.wrong;
            if (rightClass) {
                ++s.errors.octave;
            } else {
                const int d = chromaDistance(a.questionNote, a.answerNote);
                ++s.errors.byDistance[static_cast<std::size_t>(d + 5)];
                tally.absoluteSemitones += std::abs(d);
            }
        }

        DayStatistics &day = tally.days[date];
        day.date = date;
        day.count(a.correct, rightClass);
        if (a.reactionMs >= 0)
            tally.dayReactions[date].push_back(double(a.reactionMs));
        day.trainedMs += trainedMs;
    }
    return finishStatistics(tally, answeredDays);
}

HistoryStatistics finishStatistics(StatisticsTally &tally, const std::set<QDate> &answeredDays)
{
    HistoryStatistics &s = tally.figures;
    const QDate now = s.today;
    for (std::size_t pc = 0; pc < 12; ++pc) {
        s.byPitchClass[pc].medianReactionMs = median(tally.reactions[pc]);
        s.byPitchClass[pc].p90ReactionMs = percentile(tally.reactions[pc], 0.9);
    }
    if (s.errors.wrong > 0)
        s.errors.meanAbsoluteSemitones = double(tally.absoluteSemitones) / s.errors.wrong;

    s.days.clear();
    for (auto &entry : tally.days) {
        DayStatistics &day = entry.second;
        const auto reactions = tally.dayReactions.find(entry.first);
        if (reactions != tally.dayReactions.end())
            day.medianReactionMs = median(reactions->second);
        s.days.push_back(day);
        if (day.date > now.addDays(-7))
            addDays(s.last7Days, day);
        if (day.date > now.addDays(-30))
            addDays(s.last30Days, day);
        addDays(s.allDays, day);
    }

    // Today counts once it has an answer; until then the streak may still
    // run up to yesterday.
    QDate expected = answeredDays.count(now) ? now : now.addDays(-1);
    for (auto it = answeredDays.rbegin(); it != answeredDays.rend() && *it >= expected; ++it) {
        if (*it != expected)
            break;
        ++s.streakDays;
        expected = expected.addDays(-1);
    }
    return s;
}

namespace {

// The report's texts, translated under one name.
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(StatisticsReport)
};

QString percentOf(int part, int whole)
{
    return whole > 0 ? Texts::tr("%1 %").arg(std::lround(100.0 * part / whole)) : QStringLiteral("-");
}

QString answersCount(int n)
{
    return Texts::tr("%n answers", "", n);
}

QString minutes(qint64 ms)
{
    return Texts::tr("%1 min").arg(std::lround(double(ms) / 60000.0));
}

QString pitchClassName(std::size_t pc)
{
    return Theory::PitchClassName(static_cast<int>(pc), Theory::CurrentNoteNaming());
}

QString distanceLabel(int d)
{
    if (d == ErrorKinds::kLargest)
        return Texts::tr("6 semitones (tritone)");
    return d > 0 ? Texts::tr("+%n semitones", "", d) : Texts::tr("-%n semitones", "", -d);
}

int widest(const QStringList &texts)
{
    int width = 0;
    for (const QString &t : texts)
        width = std::max(width, static_cast<int>(t.size()));
    return width;
}

// The table of pitch classes: each column as wide as its heading or its
// widest figure, whichever the language makes longer.
void pitchClassTable(QTextStream &out, const HistoryStatistics &s)
{
    const QStringList headings{Texts::tr("Note"), Texts::tr("asked"), Texts::tr("exact"),
                               Texts::tr("ignoring the octave"), Texts::tr("median reaction")};
    QList<QStringList> rows;
    for (std::size_t pc = 0; pc < 12; ++pc) {
        const PitchClassStatistics &p = s.byPitchClass[pc];
        if (p.asked == 0)
            continue;
        const QString reaction = p.medianReactionMs >= 0 ? Texts::tr("%1 ms").arg(std::lround(p.medianReactionMs))
                                                         : QStringLiteral("-");
        rows << QStringList{pitchClassName(pc), QString::number(p.asked), percentOf(p.right, p.asked),
                            percentOf(p.rightIgnoringOctave, p.asked), reaction};
    }
    QList<int> widths;
    for (int c = 0; c < headings.size(); ++c) {
        QStringList column{headings[c]};
        for (const QStringList &row : rows)
            column << row[c];
        widths << (c == 0 ? widest(column) : std::max(3 + int(headings[c].size()), 2 + widest(column)));
    }
    const auto line = [&](const QStringList &cells) {
        out << cells[0].leftJustified(widths[0]);
        for (int c = 1; c < cells.size(); ++c)
            out << cells[c].rightJustified(widths[c]);
        out << "\n";
    };
    // The headings sit over the figures' right edges.
    out << headings[0].leftJustified(widths[0]);
    for (int c = 1; c < headings.size(); ++c)
        out << headings[c].rightJustified(widths[c]);
    out << "\n";
    for (const QStringList &row : rows)
        line(row);
}

void wrongAnswers(QTextStream &out, const HistoryStatistics &s)
{
    out << "\n" << Texts::tr("Wrong answers: %1").arg(s.errors.wrong) << "\n";
    if (s.errors.wrong == 0)
        return;
    QList<QPair<QString, QString>> kinds{{Texts::tr("right note, other octave"),
                                          percentOf(s.errors.octave, s.errors.wrong)}};
    for (int d = -5; d <= ErrorKinds::kLargest; ++d)
        if (d != 0)
            kinds << qMakePair(distanceLabel(d), percentOf(s.errors.atDistance(d), s.errors.wrong));
    QStringList labels;
    for (const auto &k : kinds)
        labels << k.first;
    const int width = widest(labels) + 3;
    for (const auto &k : kinds)
        out << "  " << k.first.leftJustified(width) << k.second.rightJustified(6) << "\n";
    out << "  "
        << Texts::tr("mean error, octaves ignored: %1 semitones")
               .arg(QLocale().toString(s.errors.meanAbsoluteSemitones, 'f', 1))
        << "\n";
}

} // namespace

QString statisticsReport(const HistoryStatistics &s)
{
    QString text;
    QTextStream out(&text);
    if (s.all.asked == 0) {
        out << Texts::tr("No answers yet: answer a few questions and your statistics appear here.") << "\n";
        return text;
    }
    // The words of the statistics window.
    out << Texts::tr("%1: %2 exact, %3 ignoring the octave")
               .arg(answersCount(s.all.asked), percentOf(s.all.right, s.all.asked),
                    percentOf(s.all.rightIgnoringOctave, s.all.asked))
        << "\n\n";
    pitchClassTable(out, s);
    wrongAnswers(out, s);

    out << "\n"
        << Texts::tr("Last 7 days: %1 on %2, %3 exact, %4 ignoring the octave, %5")
               .arg(answersCount(s.last7Days.asked), Texts::tr("%n days", "", s.last7Days.days),
                    percentOf(s.last7Days.right, s.last7Days.asked),
                    percentOf(s.last7Days.rightIgnoringOctave, s.last7Days.asked), minutes(s.last7Days.trainedMs))
        << "\n";
    for (const DayStatistics &day : s.days) {
        if (day.date <= s.today.addDays(-7))
            continue;
        // One row per day, its cells in columns.
        out << "  " << day.date.toString(Qt::ISODate) << answersCount(day.asked).rightJustified(15)
            << Texts::tr("%1 exact").arg(percentOf(day.right, day.asked).rightJustified(7))
            << Texts::tr("%1 ignoring the octave").arg(percentOf(day.rightIgnoringOctave, day.asked).rightJustified(7))
            << minutes(day.trainedMs).rightJustified(9) << "\n";
    }
    out << Texts::tr("Training days in a row: %1").arg(s.streakDays) << "\n";
    return text;
}
