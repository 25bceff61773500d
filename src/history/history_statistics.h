#pragma once

#include "answer_history.h"

#include <theory/piano.h>

#include <QDate>
#include <QDateTime>

#include <array>
#include <map>
#include <set>
#include <vector>

// Which answers the statistics are made of.
struct StatisticsFilter {
    // ThisCourse: the adaptive course's answers, or the twelve levels' at
    // the current level.
    enum class Period { AllTime, Last7Days, ThisCourse };
    enum class Source { All, Midi, OnScreen };
    Period period = Period::AllTime;
    Source source = Source::All;
    unsigned level = 1;       // for ThisCourse in the twelve levels
    bool adaptive = false;    // ThisCourse is the adaptive course
    QDateTime now;            // "today" for the periods and the streak; the clock when invalid
};

struct AnswerCounts {
    int asked = 0;
    int right = 0;             // the exact key
    int rightIgnoringOctave = 0; // the right pitch class in any octave

    // One answer more.
    void count(bool exact, bool ignoringOctave)
    {
        ++asked;
        right += exact;
        rightIgnoringOctave += ignoringOctave;
    }
    AnswerCounts &operator+=(const AnswerCounts &part)
    {
        asked += part.asked;
        right += part.right;
        rightIgnoringOctave += part.rightIgnoringOctave;
        return *this;
    }
};

struct PitchClassStatistics : AnswerCounts {
    double medianReactionMs = -1; // -1 without any timed answer
    double p90ReactionMs = -1;
};

// Wrong answers by kind: the right note in another octave, or another pitch
// class at a distance of 1 to 6 semitones within the octave, below (-) or
// above (+) the question. A tritone is one kind (+6).
struct ErrorKinds {
    static constexpr int kLargest = 6;
    int wrong = 0;
    int octave = 0;
    // Index distance + 5: -5 .. -1 at 0..4, +1 .. +6 at 6..11; 5 stays 0.
    std::array<int, 12> byDistance{};
    // Over the wrong answers, octaves ignored (an octave error counts 0).
    double meanAbsoluteSemitones = 0;

    int atDistance(int semitones) const { return byDistance.at(static_cast<std::size_t>(semitones + 5)); }
};

struct DayStatistics : AnswerCounts {
    QDate date;            // local calendar day
    qint64 trainedMs = 0;  // time spent answering that day
    double medianReactionMs = -1;
};

struct PeriodSummary : AnswerCounts {
    qint64 trainedMs = 0;
    int days = 0; // days trained in the period
};

struct HistoryStatistics {
    static constexpr int kKeys = Piano::kKeyCount;
    static constexpr int kLowestNote = Piano::kLowestNote;

    QDate today; // the local day the periods end with
    AnswerCounts all;
    std::array<AnswerCounts, kKeys> byKey{};          // as the question, by key index
    std::array<PitchClassStatistics, 12> byPitchClass{}; // C, C#, D … B
    std::array<std::array<int, 12>, 12> confusion{};  // [question's pitch class][answer's]
    ErrorKinds errors;
    std::vector<DayStatistics> days;                  // days with answers, oldest first
    PeriodSummary last7Days;
    PeriodSummary last30Days;
    PeriodSummary allDays;
    int streakDays = 0; // days in a row up to today (or up to yesterday, before today's first answer)
};

// A gap longer than this between two answers is a pause, not training time.
constexpr qint64 kLongestTrainingGapMs = 2 * 60 * 1000;

bool isMidiSource(const QString &source);
bool passesFilter(const AnswerRecord &answer, const StatisticsFilter &filter);
// What "this course" compares: the level of an answer of the twelve levels,
// kAdaptiveCourseKey for one of the adaptive course.
constexpr unsigned kAdaptiveCourseKey = 0;
unsigned courseKeyOf(const AnswerRecord &answer);
unsigned courseKeyOf(const StatisticsFilter &filter);
HistoryStatistics computeStatistics(const std::vector<AnswerRecord> &answers, const StatisticsFilter &filter);

// ---- The steps the figures are made of, shared by computeStatistics and
// the figures kept up to date as answers arrive (HistoryAggregate).

// The local calendar day of an answer's time. Answers mostly come in time
// order, so the bounds of the last day found answer most lookups without a
// time-zone conversion.
class LocalDays {
public:
    QDate dayOf(qint64 utcMs);

private:
    qint64 start = 0;
    qint64 end = 0;
    QDate date;
};

// The local day the filter's periods end with.
QDate statisticsToday(const StatisticsFilter &filter);
// The first local day of the filter's period; invalid when it has no start.
QDate firstDayOf(const StatisticsFilter &filter, const QDate &today);
// The median (the mean of the middle two of an even count) and the value at
// rank share × count; -1 without values. Both reorder `values`.
double median(std::vector<double> &values);
double percentile(std::vector<double> &values, double share);
// Signed distance from the question's pitch class to the answer's, -5 .. +6.
int chromaDistance(unsigned questionNote, unsigned answerNote);

// Training time of one stream of answers, answer by answer in row order:
// time between answers of one sitting counts as training; the first answer
// of a sitting brings the time it took.
class TrainingClock {
public:
    qint64 add(qint64 utcMs, const QDate &day, qint64 reactionMs);

private:
    qint64 previousMs = 0;
    QDate previousDay;
};

// What is counted before the medians and the day summaries are made.
struct StatisticsTally {
    HistoryStatistics figures;
    std::array<std::vector<double>, 12> reactions; // by the question's pitch class
    std::map<QDate, DayStatistics> days;
    std::map<QDate, std::vector<double>> dayReactions;
    qint64 absoluteSemitones = 0; // over the wrong answers, octaves ignored
};

// Medians, period summaries and the streak. The streak counts the days of
// every answer (`answeredDays`), whatever the filter: days in a row are the
// user's, not the filter's.
HistoryStatistics finishStatistics(StatisticsTally &tally, const std::set<QDate> &answeredDays);

// The plain-text summary of `orvelle --stats`.
QString statisticsReport(const HistoryStatistics &statistics);
