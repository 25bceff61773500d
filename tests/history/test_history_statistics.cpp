// The statistics of the answer history, on a generated history whose
// figures are known: the split of wrong answers into octave and chroma
// errors, the confusion counts, reaction medians, and the days in the
// user's time zone (Berlin here), across midnight and both changes of
// daylight saving time. The counts the window keeps by day give the same
// figures as a reading of every answer, for every filter, as answers are
// added and as the history file grows or is replaced.

#include "generated_history.h"
#include "history_aggregate.h"
#include "history_statistics.h"

#include <QTemporaryDir>
#include <QtTest>

#include <cstdlib>
#include <ctime>

namespace {

qint64 utc(const char *isoTime)
{
    return QDateTime::fromString(QString::fromLatin1(isoTime), Qt::ISODate).toMSecsSinceEpoch();
}

AnswerRecord answer(const char *when, unsigned question, unsigned given, qint64 reactionMs = -1,
                    const char *source = "screen keyboard", unsigned level = 5)
{
    AnswerRecord a;
    a.timeUtcMs = utc(when);
    a.questionNote = question;
    a.answerNote = given;
    a.correct = question == given;
    a.reactionMs = reactionMs;
    a.source = QString::fromLatin1(source);
    a.level = level;
    return a;
}

StatisticsFilter at(const char *now)
{
    StatisticsFilter filter;
    filter.now = QDateTime::fromMSecsSinceEpoch(utc(now));
    return filter;
}

// Every filter the window offers, for the levels 1 to 3.
std::vector<StatisticsFilter> everyFilter(const QDateTime &now)
{
    std::vector<StatisticsFilter> filters;
    for (const auto period : {StatisticsFilter::Period::AllTime, StatisticsFilter::Period::Last7Days,
                              StatisticsFilter::Period::ThisCourse}) {
        for (const auto source :
             {StatisticsFilter::Source::All, StatisticsFilter::Source::Midi, StatisticsFilter::Source::OnScreen}) {
            for (unsigned level = 1; level <= (period == StatisticsFilter::Period::ThisCourse ? 4u : 1u); ++level) {
                StatisticsFilter filter;
                filter.period = period;
                filter.source = source;
                filter.level = level;
                filter.adaptive = level == 4; // the adaptive course
                filter.now = now;
                filters.push_back(filter);
            }
        }
    }
    return filters;
}

void compareCounts(const AnswerCounts &kept, const AnswerCounts &read)
{
    QCOMPARE(kept.asked, read.asked);
    QCOMPARE(kept.right, read.right);
    QCOMPARE(kept.rightIgnoringOctave, read.rightIgnoringOctave);
}

// Every figure of the window, field by field.
void compareFigures(const HistoryStatistics &kept, const HistoryStatistics &read)
{
    QCOMPARE(kept.today, read.today);
    compareCounts(kept.all, read.all);
    for (std::size_t k = 0; k < read.byKey.size() && !QTest::currentTestFailed(); ++k)
        compareCounts(kept.byKey[k], read.byKey[k]);
    for (std::size_t pc = 0; pc < 12 && !QTest::currentTestFailed(); ++pc) {
        compareCounts(kept.byPitchClass[pc], read.byPitchClass[pc]);
        QCOMPARE(kept.byPitchClass[pc].medianReactionMs, read.byPitchClass[pc].medianReactionMs);
        QCOMPARE(kept.byPitchClass[pc].p90ReactionMs, read.byPitchClass[pc].p90ReactionMs);
    }
    QVERIFY(kept.confusion == read.confusion);
    QCOMPARE(kept.errors.wrong, read.errors.wrong);
    QCOMPARE(kept.errors.octave, read.errors.octave);
    QVERIFY(kept.errors.byDistance == read.errors.byDistance);
    QCOMPARE(kept.errors.meanAbsoluteSemitones, read.errors.meanAbsoluteSemitones);
    QCOMPARE(kept.days.size(), read.days.size());
    for (std::size_t d = 0; d < read.days.size() && !QTest::currentTestFailed(); ++d) {
        QCOMPARE(kept.days[d].date, read.days[d].date);
        compareCounts(kept.days[d], read.days[d]);
        QCOMPARE(kept.days[d].trainedMs, read.days[d].trainedMs);
        QCOMPARE(kept.days[d].medianReactionMs, read.days[d].medianReactionMs);
    }
    for (const auto &[k, r] : {std::pair(&kept.last7Days, &read.last7Days), std::pair(&kept.last30Days, &read.last30Days),
                               std::pair(&kept.allDays, &read.allDays)}) {
        compareCounts(*k, *r);
        QCOMPARE(k->trainedMs, r->trainedMs);
        QCOMPARE(k->days, r->days);
    }
    QCOMPARE(kept.streakDays, read.streakDays);
}

// The kept counts against a reading of every answer, for every filter.
void compareEveryFilter(const HistoryAggregate &kept, const std::vector<AnswerRecord> &answers, const QDateTime &now)
{
    for (const StatisticsFilter &filter : everyFilter(now)) {
        compareFigures(kept.statistics(filter), computeStatistics(answers, filter));
        if (QTest::currentTestFailed()) {
            qWarning("with the filter period %d, source %d, level %u", int(filter.period), int(filter.source),
                     filter.level);
            return;
        }
    }
}

// A generated history with what the generator leaves out: untimed answers,
// the computer keyboard, a question off the 88 keys, a clock set back.
std::vector<AnswerRecord> varied(int count)
{
    std::vector<AnswerRecord> answers = GeneratedHistory::make(count);
    for (std::size_t i = 0; i < answers.size(); i += 7)
        answers[i].reactionMs = -1;
    for (std::size_t i = 1; i < answers.size(); i += 5)
        answers[i].source = QStringLiteral("computer keyboard");
    answers[2].questionNote = 12;
    answers[answers.size() / 2].timeUtcMs -= 3 * 86400000;
    return answers;
}

QDateTime dayAfter(const std::vector<AnswerRecord> &answers)
{
    return QDateTime::fromMSecsSinceEpoch(answers.back().timeUtcMs + 86400000);
}

} // namespace

class HistoryStatisticsTest : public QObject {
    Q_OBJECT

private slots:
    void wrongAnswersSplitIntoOctaveAndChromaErrors()
    {
        const std::vector<AnswerRecord> history = {
            answer("2026-12-01T10:00:00Z", 60, 60, 300),  // C4 right
            answer("2026-12-01T10:00:05Z", 60, 72, 100),  // C5: octave error
            answer("2026-12-01T10:00:10Z", 64, 52, 200),  // E3 for E4: octave error
            answer("2026-12-01T10:00:15Z", 60, 61, 400),  // +1
            answer("2026-12-01T10:00:20Z", 60, 46),       // A#2: -2, octaves ignored
            answer("2026-12-01T10:00:25Z", 60, 66),       // F#: the tritone, +6
            answer("2026-12-01T10:00:30Z", 67, 62),       // G to D: -5
            answer("2026-12-01T10:00:35Z", 62, 62, 900, "Keystation 88"),
        };
        const HistoryStatistics s = computeStatistics(history, at("2026-12-01T12:00:00Z"));
        QCOMPARE(s.all.asked, 8);
        QCOMPARE(s.all.right, 2);
        QCOMPARE(s.all.rightIgnoringOctave, 4);
        QCOMPARE(s.errors.wrong, 6);
        QCOMPARE(s.errors.octave, 2);
        QCOMPARE(s.errors.atDistance(1), 1);
        QCOMPARE(s.errors.atDistance(-2), 1);
        QCOMPARE(s.errors.atDistance(6), 1);
        QCOMPARE(s.errors.atDistance(-5), 1);
        QCOMPARE(s.errors.meanAbsoluteSemitones, (0 + 0 + 1 + 2 + 6 + 5) / 6.0);

        QCOMPARE(s.confusion[0][0], 2);  // C as C, in any octave
        QCOMPARE(s.confusion[0][1], 1);  // C as C#
        QCOMPARE(s.confusion[0][10], 1); // C as A#
        QCOMPARE(s.confusion[7][2], 1);  // G as D
        QCOMPARE(s.byKey[60 - 21].asked, 5);
        QCOMPARE(s.byKey[60 - 21].right, 1);
        QCOMPARE(s.byKey[62 - 21].right, 1);
        QCOMPARE(s.byKey[0].asked, 0);

        // Reaction times of C: 100, 300, 400 (two answers were untimed).
        QCOMPARE(s.byPitchClass[0].medianReactionMs, 300.0);
        QCOMPARE(s.byPitchClass[0].p90ReactionMs, 400.0);
        QCOMPARE(s.byPitchClass[4].medianReactionMs, 200.0);
        QCOMPARE(s.byPitchClass[9].medianReactionMs, -1.0);

        // Only MIDI answers, or only on-screen ones.
        StatisticsFilter midi = at("2026-12-01T12:00:00Z");
        midi.source = StatisticsFilter::Source::Midi;
        QCOMPARE(computeStatistics(history, midi).all.asked, 1);
        midi.source = StatisticsFilter::Source::OnScreen;
        QCOMPARE(computeStatistics(history, midi).all.asked, 7);
    }

    void daysFollowTheLocalCalendarAcrossMidnightAndDaylightSaving()
    {
        const std::vector<AnswerRecord> history = {
            // 29 March 2026 has 23 hours in Berlin: 00:30 CET and 23:30 CEST.
            answer("2026-03-28T23:30:00Z", 60, 60, 1000, "screen keyboard", 2),
            answer("2026-03-29T21:30:00Z", 60, 61, 1000, "screen keyboard", 2),
            answer("2026-03-29T22:10:00Z", 60, 60, 1000, "screen keyboard", 2), // 00:10 on the 30th
            // 25 October 2026 has 25 hours: 00:30 CEST and 23:30 CET.
            answer("2026-10-24T22:30:00Z", 62, 62),
            answer("2026-10-25T22:30:00Z", 62, 62),
            // Across midnight before the test's "today", 8 December.
            answer("2026-12-06T22:59:00Z", 64, 64, 2000),
            answer("2026-12-06T22:59:40Z", 64, 76, 2000), // 23:59:40, 40 s later
            answer("2026-12-06T23:00:30Z", 64, 64, 2000), // 00:00:30 on the 7th
            answer("2026-12-06T23:01:00Z", 64, 64, 2000),
            answer("2026-12-06T23:30:00Z", 64, 64, 2000), // after a pause of 29 min
            answer("2026-12-07T23:10:00Z", 64, 64, 2000), // 00:10 on the 8th, "today"
        };
        const HistoryStatistics s = computeStatistics(history, at("2026-12-08T12:00:00Z"));
        QCOMPARE(int(s.days.size()), 6);
        QCOMPARE(s.days[0].date, QDate(2026, 3, 29));
        QCOMPARE(s.days[0].asked, 2);
        QCOMPARE(s.days[1].date, QDate(2026, 3, 30));
        QCOMPARE(s.days[2].date, QDate(2026, 10, 25));
        QCOMPARE(s.days[2].asked, 2);
        QCOMPARE(s.days[3].date, QDate(2026, 12, 6));
        QCOMPARE(s.days[3].asked, 2);
        QCOMPARE(s.days[3].right, 1);
        QCOMPARE(s.days[3].rightIgnoringOctave, 2);
        // The first answer brings its reaction time, the next the 40 s since.
        QCOMPARE(s.days[3].trainedMs, 2000 + 40000);
        QCOMPARE(s.days[4].date, QDate(2026, 12, 7));
        QCOMPARE(s.days[4].asked, 3);
        // 2 s, then 30 s; the pause of 29 minutes brings only its reaction time.
        QCOMPARE(s.days[4].trainedMs, 2000 + 30000 + 2000);
        QCOMPARE(s.days[5].date, QDate(2026, 12, 8));

        QCOMPARE(s.streakDays, 3);
        QCOMPARE(s.last7Days.days, 3);
        QCOMPARE(s.last7Days.asked, 6);
        QCOMPARE(s.allDays.asked, 11);

        StatisticsFilter week = at("2026-12-08T12:00:00Z");
        week.period = StatisticsFilter::Period::Last7Days;
        QCOMPARE(computeStatistics(history, week).all.asked, 6);
        StatisticsFilter level = at("2026-12-08T12:00:00Z");
        level.period = StatisticsFilter::Period::ThisCourse;
        level.level = 2;
        QCOMPARE(computeStatistics(history, level).all.asked, 3);
        // "This course" in the adaptive course: its answers only, whatever
        // their level; they leave the twelve levels' count.
        std::vector<AnswerRecord> mixed = history;
        mixed[0].course = mixed[1].course = QStringLiteral("adaptive");
        mixed[0].level = mixed[1].level = 2;
        StatisticsFilter adaptive = level;
        adaptive.adaptive = true;
        QCOMPARE(computeStatistics(mixed, adaptive).all.asked, 2);
        QCOMPARE(computeStatistics(mixed, level).all.asked, 3 - int(history[0].level == 2) - int(history[1].level == 2));
        HistoryAggregate mixedKept;
        for (const AnswerRecord &a : mixed)
            mixedKept.add(a);
        QCOMPARE(mixedKept.statistics(adaptive).all.asked, 2);

        // The day after the last answer the streak still stands; a day later it is over.
        QCOMPARE(computeStatistics(history, at("2026-12-09T12:00:00Z")).streakDays, 3);
        QCOMPARE(computeStatistics(history, at("2026-12-10T12:00:00Z")).streakDays, 0);

        // The counts kept by day agree across both changes of daylight saving.
        HistoryAggregate kept;
        for (const AnswerRecord &a : history)
            kept.add(a);
        compareEveryFilter(kept, history, QDateTime::fromMSecsSinceEpoch(utc("2026-12-08T12:00:00Z")));
    }

    // Days in a row are the user's: a filter that selects none of today's or
    // yesterday's answers leaves the streak as it is.
    void theStreakIsTheSameUnderEveryFilter()
    {
        const std::vector<AnswerRecord> history = {
            answer("2026-12-05T10:00:00Z", 60, 60, 500, "Keystation 88", 1),
            answer("2026-12-06T10:00:00Z", 60, 60, 500, "Keystation 88", 1),
            answer("2026-12-07T10:00:00Z", 60, 60, 500, "screen keyboard", 2),
            answer("2026-12-08T10:00:00Z", 60, 60, 500, "computer keyboard", 3),
        };
        HistoryAggregate kept;
        for (const AnswerRecord &a : history)
            kept.add(a);
        for (const StatisticsFilter &filter : everyFilter(QDateTime::fromMSecsSinceEpoch(utc("2026-12-08T12:00:00Z")))) {
            QCOMPARE(computeStatistics(history, filter).streakDays, 4);
            QCOMPARE(kept.statistics(filter).streakDays, 4);
        }
    }

    void keptCountsEqualAFullReadingAsAnswersArrive()
    {
        const std::vector<AnswerRecord> history = varied(6000);
        HistoryAggregate kept;
        std::vector<AnswerRecord> given;
        // Openings of the window between answers: after the first answer, a
        // few days in, and at the end.
        for (const std::size_t until : {std::size_t(1), std::size_t(2500), history.size()}) {
            while (given.size() < until) {
                given.push_back(history[given.size()]);
                kept.add(given.back());
            }
            compareEveryFilter(kept, given, dayAfter(given));
            if (QTest::currentTestFailed())
                return;
        }
        QCOMPARE(kept.answers(), 6000);
    }

    // The history file: read whole, then only the rows added since; a file
    // that took the place of the one read is read afresh.
    void readsTheRowsAddedSinceTheLastReading()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("history.sqlite");
        const std::atomic<bool> go{false};
        HistoryAggregate kept;
        QVERIFY(kept.update(path, go)); // no file yet: no answers
        QCOMPARE(kept.answers(), 0);

        std::vector<AnswerRecord> history = varied(3000);
        QVERIFY(GeneratedHistory::write(path, history));
        QVERIFY(kept.update(path, go));
        QCOMPARE(kept.answers(), 3000);
        QCOMPARE(kept.lastRowId(), 3000);
        {
            AnswerHistory writer(path);
            for (const AnswerRecord &a : GeneratedHistory::make(5, 7)) {
                AnswerRecord later = a;
                later.timeUtcMs = history.back().timeUtcMs + 60000;
                QVERIFY(writer.append(later));
                history.push_back(later);
            }
        }
        QVERIFY(kept.update(path, go));
        QCOMPARE(kept.answers(), 3005);
        QCOMPARE(kept.lastRowId(), 3005);
        std::vector<AnswerRecord> read;
        {
            const AnswerHistory reader(path, AnswerHistory::Mode::ReadOnly);
            QVERIFY(reader.forEach([&read](const AnswerRecord &r) { read.push_back(r); }));
        }
        compareEveryFilter(kept, read, dayAfter(read));
        if (QTest::currentTestFailed())
            return;

        // A smaller history in its place (the old one set aside, say).
        for (const char *suffix : {"", "-wal", "-shm"})
            QFile::remove(path + suffix);
        QVERIFY(GeneratedHistory::write(path, GeneratedHistory::make(10)));
        QVERIFY(kept.update(path, go));
        QCOMPARE(kept.answers(), 10);

        // A file that is no history: an error, and the counts stay.
        QFile garbage(dir.filePath("garbage.sqlite"));
        QVERIFY(garbage.open(QIODevice::WriteOnly));
        garbage.write(QByteArray(4096, 'x'));
        garbage.close();
        QVERIFY(!kept.update(garbage.fileName(), go));
        QCOMPARE(kept.answers(), 10);
    }

    void theReportNamesEachFigure()
    {
        QVERIFY(statisticsReport(computeStatistics({}, at("2026-12-08T12:00:00Z"))).startsWith("No answers yet"));
        const std::vector<AnswerRecord> history = {answer("2026-12-08T10:00:00Z", 61, 61, 500),
                                                   answer("2026-12-08T10:00:10Z", 61, 73, 1500)};
        const QString report = statisticsReport(computeStatistics(history, at("2026-12-08T12:00:00Z")));
        QVERIFY2(report.contains("2 answers: 50 % exact, 100 % ignoring the octave"), qPrintable(report));
        QVERIFY2(report.contains(QString::fromUtf8("C\u266f         2    50 %                 100 %           1000 ms")), qPrintable(report));
        QVERIFY(report.contains("right note, other octave    100 %"));
        QVERIFY(report.contains("2026-12-08      2 answers   50 % exact  100 % ignoring the octave"));
        // One vocabulary with the statistics window.
        QVERIFY2(!report.contains("chroma") && !report.contains("% right"), qPrintable(report));
    }
};

int main(int argc, char **argv)
{
    qputenv("TZ", "Europe/Berlin");
    tzset();
    QCoreApplication app(argc, argv);
    HistoryStatisticsTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_history_statistics.moc"
