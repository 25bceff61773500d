#pragma once

#include "answer_history.h"

#include <QDate>
#include <QDateTime>

#include <array>
#include <vector>

// Which answers the statistics are made of.
struct StatisticsFilter {
    enum class Period { AllTime, Last7Days, ThisLevel };
    enum class Source { All, Midi, OnScreen };
    Period period = Period::AllTime;
    Source source = Source::All;
    unsigned level = 1;       // for ThisLevel
    QDateTime now;            // "today" for the periods and the streak; the clock when invalid
};

struct AnswerCounts {
    int asked = 0;
    int right = 0;             // the exact key
    int rightIgnoringOctave = 0; // the right pitch class in any octave
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
    static constexpr int kKeys = 88;      // A0 .. C8
    static constexpr int kLowestNote = 21;

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
HistoryStatistics computeStatistics(const std::vector<AnswerRecord> &answers, const StatisticsFilter &filter);

// The plain-text summary of `orvelle --stats`.
QString statisticsReport(const HistoryStatistics &statistics);
