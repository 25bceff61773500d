// The statistics of the answer history, on a generated history whose
// figures are known: the split of wrong answers into octave and chroma
// errors, the confusion counts, reaction medians, and the days in the
// user's time zone (Berlin here), across midnight and both changes of
// daylight saving time.

#include "history_statistics.h"

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
        level.period = StatisticsFilter::Period::ThisLevel;
        level.level = 2;
        QCOMPARE(computeStatistics(history, level).all.asked, 3);

        // The day after the last answer the streak still stands; a day later it is over.
        QCOMPARE(computeStatistics(history, at("2026-12-09T12:00:00Z")).streakDays, 3);
        QCOMPARE(computeStatistics(history, at("2026-12-10T12:00:00Z")).streakDays, 0);
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
