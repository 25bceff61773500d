#pragma once

#include "history_statistics.h"

#include <QDate>

#include <array>
#include <atomic>
#include <map>
#include <set>
#include <vector>

// The statistics' counts kept by local day, level and kind of source, so
// that the figures for any filter come from a few thousand buckets instead
// of every answer. Answers are added in row order; a history file is read
// once and then only for the rows added since the last reading.
// Not thread-safe: one thread at a time uses it.
class HistoryAggregate {
public:
    // One answer, after every answer before it in the history's row order.
    void add(const AnswerRecord &answer);
    // The figures computeStatistics gives for the same answers and filter.
    HistoryStatistics statistics(const StatisticsFilter &filter) const;

    // Brings the counts up to date with the history file at `path`: the rows
    // after the last one read, or all of them when the file is not the one
    // read before. Stops early, keeping what was read, when `stop` is set.
    // False when the file cannot be read (or reading stopped).
    bool update(const QString &path, const std::atomic<bool> &stop);

    int answers() const { return answerCount; }
    qint64 lastRowId() const { return lastId; }

private:
    // What one filter can select: a day, a level and a kind of source.
    struct BucketKey {
        QDate day;
        unsigned level = 0;
        bool midi = false;
        bool operator<(const BucketKey &other) const;
        bool operator==(const BucketKey &other) const;
    };
    struct Bucket {
        std::array<AnswerCounts, HistoryStatistics::kKeys> byKey{};
        std::array<AnswerCounts, 12> byPitchClass{};
        std::array<std::array<int, 12>, 12> confusion{};
        ErrorKinds errors;
        qint64 absoluteSemitones = 0;
        // Every timed answer's reaction, so that medians stay exact.
        std::array<std::vector<quint32>, 12> reactions;
    };
    // What a filter selects apart from its period: any or one level (-1 for
    // any), any source or one kind. Training time counts the gaps between
    // the answers a filter selects, so each selection keeps its own clock.
    using Selection = std::pair<qint64, StatisticsFilter::Source>;

    // Reaction times and how often each came, in ascending order: the
    // medians of a whole selection without going through its answers.
    class ReactionCounts {
    public:
        void add(quint32 ms);
        double median() const;
        double percentile(double share) const;

    private:
        double atRank(std::size_t rank) const;

        std::vector<std::pair<quint32, int>> counts;
        std::size_t total = 0;
    };

    // What a selection keeps over all days.
    struct SelectionCounts {
        TrainingClock clock;
        std::array<ReactionCounts, 12> reactions;
    };
    // Where the last answer went: the next one mostly goes to the same
    // places, found without a look-up.
    struct Place {
        BucketKey key;
        Bucket *bucket = nullptr;
        std::array<SelectionCounts *, 4> selections{};
        std::array<qint64 *, 4> trained{};
    };

    void clear();
    Place &placeOf(const QDate &day, unsigned level, bool midi);
    // The four selections an answer belongs to.
    static std::array<Selection, 4> selectionsOf(unsigned level, bool midi);
    double dayMedian(const QDate &day, const Selection &selection) const;

    std::map<BucketKey, Bucket> buckets;
    std::map<Selection, SelectionCounts> selections;
    std::map<std::pair<QDate, Selection>, qint64> trainedMs;
    Place lastPlace;
    // The days' median reactions as computed, until an answer comes on that day.
    mutable std::map<std::pair<QDate, Selection>, double> dayMedians;
    std::set<QDate> answeredDays;
    LocalDays localDays;
    int answerCount = 0;
    qint64 lastId = 0;
};
