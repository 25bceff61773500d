#include "history_aggregate.h"

#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

#include <algorithm>
#include <limits>
#include <tuple>

namespace {

void count(AnswerCounts &counts, bool right, bool rightIgnoringOctave)
{
    ++counts.asked;
    counts.right += right;
    counts.rightIgnoringOctave += rightIgnoringOctave;
}

void addCounts(AnswerCounts &sum, const AnswerCounts &part)
{
    sum.asked += part.asked;
    sum.right += part.right;
    sum.rightIgnoringOctave += part.rightIgnoringOctave;
}

bool selects(StatisticsFilter::Source source, bool midi)
{
    switch (source) {
    case StatisticsFilter::Source::Midi:
        return midi;
    case StatisticsFilter::Source::OnScreen:
        return !midi;
    case StatisticsFilter::Source::All:
        break;
    }
    return true;
}

// A read-only connection of the calling thread's own, closed when it goes.
class ReadConnection {
public:
    explicit ReadConnection(const QString &path)
    {
        static std::atomic<int> serial{0};
        name = QStringLiteral("orvelle-history-aggregate-%1").arg(++serial);
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(path);
        db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
        open = db.open();
    }
    ~ReadConnection()
    {
        {
            QSqlDatabase db = QSqlDatabase::database(name, false);
            db.close();
        }
        QSqlDatabase::removeDatabase(name);
    }
    ReadConnection(const ReadConnection &) = delete;
    ReadConnection &operator=(const ReadConnection &) = delete;

    bool isOpen() const { return open; }
    QSqlDatabase database() const { return QSqlDatabase::database(name, false); }

private:
    QString name;
    bool open = false;
};

// Reactions beyond 49 days are a clock's fault, not the user's; they count
// as the longest one kept.
quint32 reactionOf(const AnswerRecord &a)
{
    return static_cast<quint32>(std::min<qint64>(a.reactionMs, std::numeric_limits<quint32>::max()));
}

// How often a long reading looks whether it is to stop.
constexpr int kRowsBetweenStopChecks = 4096;

} // namespace

bool HistoryAggregate::BucketKey::operator<(const BucketKey &other) const
{
    return std::tie(day, level, midi) < std::tie(other.day, other.level, other.midi);
}

void HistoryAggregate::ReactionCounts::add(quint32 ms)
{
    const auto at = std::lower_bound(counts.begin(), counts.end(), ms,
                                     [](const std::pair<quint32, int> &entry, quint32 value) { return entry.first < value; });
    if (at != counts.end() && at->first == ms)
        ++at->second;
    else
        counts.insert(at, {ms, 1});
    ++total;
}

double HistoryAggregate::ReactionCounts::atRank(std::size_t rank) const
{
    std::size_t below = 0;
    for (const auto &[ms, count] : counts) {
        below += static_cast<std::size_t>(count);
        if (rank < below)
            return ms;
    }
    return -1;
}

// As median() and percentile() of history_statistics.cpp: the mean of the
// two middle values of an even count; the value at rank share × count.
double HistoryAggregate::ReactionCounts::median() const
{
    if (total == 0)
        return -1;
    const std::size_t middle = total / 2;
    const double m = atRank(middle);
    return total % 2 == 0 ? (m + atRank(middle - 1)) / 2 : m;
}

double HistoryAggregate::ReactionCounts::percentile(double share) const
{
    if (total == 0)
        return -1;
    return atRank(std::min(total - 1, static_cast<std::size_t>(share * double(total))));
}

void HistoryAggregate::clear()
{
    buckets.clear();
    clocks.clear();
    trainedMs.clear();
    reactionsBySelection.clear();
    dayMedians.clear();
    answeredDays.clear();
    answerCount = 0;
    lastId = 0;
}

void HistoryAggregate::add(const AnswerRecord &a)
{
    const QDate day = localDays.dayOf(a.timeUtcMs);
    const bool midi = isMidiSource(a.source);
    if (answeredDays.empty() || *answeredDays.rbegin() != day)
        answeredDays.insert(day);
    ++answerCount;

    Bucket &b = buckets[BucketKey{day, a.level, midi}];
    const unsigned questionClass = a.questionNote % 12;
    const unsigned answerClass = a.answerNote % 12;
    const bool rightClass = questionClass == answerClass;
    const int key = static_cast<int>(a.questionNote) - HistoryStatistics::kLowestNote;
    if (key >= 0 && key < HistoryStatistics::kKeys)
        count(b.byKey[static_cast<std::size_t>(key)], a.correct, rightClass);
    count(b.byPitchClass[questionClass], a.correct, rightClass);
    ++b.confusion[questionClass][answerClass];
    if (a.reactionMs >= 0)
        b.reactions[questionClass].push_back(reactionOf(a));
    if (!a.correct) {
        ++b.errors.wrong;
        if (rightClass) {
            ++b.errors.octave;
        } else {
            const int d = chromaDistance(a.questionNote, a.answerNote);
            ++b.errors.byDistance[static_cast<std::size_t>(d + 5)];
            b.absoluteSemitones += std::abs(d);
        }
    }
    addBySelection(a, day, midi);
}

std::array<HistoryAggregate::Selection, 4> HistoryAggregate::selectionsOf(unsigned level, bool midi)
{
    using Source = StatisticsFilter::Source;
    const Source kind = midi ? Source::Midi : Source::OnScreen;
    return {{{-1, Source::All}, {-1, kind}, {qint64(level), Source::All}, {qint64(level), kind}}};
}

void HistoryAggregate::addBySelection(const AnswerRecord &a, const QDate &day, bool midi)
{
    // A day's medians change with its answers.
    dayMedians.erase(dayMedians.lower_bound({day, {std::numeric_limits<qint64>::min(), StatisticsFilter::Source::All}}),
                     dayMedians.lower_bound({day.addDays(1), {std::numeric_limits<qint64>::min(),
                                                              StatisticsFilter::Source::All}}));
    for (const Selection &selection : selectionsOf(a.level, midi)) {
        trainedMs[{day, selection}] += clocks[selection].add(a.timeUtcMs, day, a.reactionMs);
        if (a.reactionMs >= 0)
            reactionsBySelection[selection][a.questionNote % 12].add(reactionOf(a));
    }
}

double HistoryAggregate::dayMedian(const QDate &day, const Selection &selection) const
{
    const auto known = dayMedians.find({day, selection});
    if (known != dayMedians.end())
        return known->second;
    std::vector<double> reactions;
    for (auto b = buckets.lower_bound(BucketKey{day, 0, false}); b != buckets.end() && b->first.day == day; ++b) {
        if ((selection.first >= 0 && qint64(b->first.level) != selection.first) || !selects(selection.second, b->first.midi))
            continue;
        for (const auto &pitchClass : b->second.reactions)
            reactions.insert(reactions.end(), pitchClass.begin(), pitchClass.end());
    }
    const double m = median(reactions);
    dayMedians[{day, selection}] = m;
    return m;
}

HistoryStatistics HistoryAggregate::statistics(const StatisticsFilter &filter) const
{
    StatisticsTally tally;
    HistoryStatistics &s = tally.figures;
    s.today = statisticsToday(filter);
    const QDate firstDay = firstDayOf(filter, s.today);
    const bool oneLevel = filter.period == StatisticsFilter::Period::ThisLevel;
    const Selection selection{oneLevel ? qint64(filter.level) : qint64(-1), filter.source};

    for (const auto &[key, b] : buckets) {
        if ((firstDay.isValid() && key.day < firstDay) || (oneLevel && key.level != filter.level) ||
            !selects(filter.source, key.midi))
            continue;
        DayStatistics &day = tally.days[key.day];
        day.date = key.day;
        for (std::size_t pc = 0; pc < 12; ++pc) {
            addCounts(s.byPitchClass[pc], b.byPitchClass[pc]);
            addCounts(s.all, b.byPitchClass[pc]);
            addCounts(day, b.byPitchClass[pc]);
            for (std::size_t answer = 0; answer < 12; ++answer)
                s.confusion[pc][answer] += b.confusion[pc][answer];
            // A period's reactions are few; a whole selection's are counted.
            if (firstDay.isValid())
                tally.reactions[pc].insert(tally.reactions[pc].end(), b.reactions[pc].begin(), b.reactions[pc].end());
        }
        for (std::size_t k = 0; k < b.byKey.size(); ++k)
            addCounts(s.byKey[k], b.byKey[k]);
        s.errors.wrong += b.errors.wrong;
        s.errors.octave += b.errors.octave;
        for (std::size_t d = 0; d < b.errors.byDistance.size(); ++d)
            s.errors.byDistance[d] += b.errors.byDistance[d];
        tally.absoluteSemitones += b.absoluteSemitones;
    }

    for (auto &[date, day] : tally.days) {
        const auto trained = trainedMs.find({date, selection});
        if (trained != trainedMs.end())
            day.trainedMs = trained->second;
    }
    HistoryStatistics figures = finishStatistics(tally, answeredDays);
    for (DayStatistics &day : figures.days)
        day.medianReactionMs = dayMedian(day.date, selection);
    if (!firstDay.isValid()) {
        const auto reactions = reactionsBySelection.find(selection);
        for (std::size_t pc = 0; pc < 12 && reactions != reactionsBySelection.end(); ++pc) {
            figures.byPitchClass[pc].medianReactionMs = reactions->second[pc].median();
            figures.byPitchClass[pc].p90ReactionMs = reactions->second[pc].percentile(0.9);
        }
    }
    return figures;
}

bool HistoryAggregate::update(const QString &path, const std::atomic<bool> &stop)
{
    // A history never written is empty.
    if (!QFileInfo::exists(path)) {
        clear();
        return true;
    }
    const ReadConnection connection(path);
    if (!connection.isOpen())
        return false;
    QSqlQuery query(connection.database());
    query.setForwardOnly(true);
    if (!query.exec(QStringLiteral("SELECT max(id) FROM answers")) || !query.next())
        return false;
    // Fewer rows than were read: another file took this one's place (one set
    // aside, say). Its rows are all new.
    if (query.value(0).toLongLong() < lastId)
        clear();
    query.finish();

    query.prepare(QStringLiteral("SELECT id, time_utc_ms, level, question_note, answer_note, correct, source,"
                                 " reaction_ms FROM answers WHERE id > ? ORDER BY id"));
    query.addBindValue(lastId);
    if (!query.exec())
        return false;
    AnswerRecord r;
    int rows = 0;
    while (query.next()) {
        r.timeUtcMs = query.value(1).toLongLong();
        r.level = query.value(2).toUInt();
        r.questionNote = query.value(3).toUInt();
        r.answerNote = query.value(4).toUInt();
        r.correct = query.value(5).toInt() != 0;
        r.source = query.value(6).toString();
        r.reactionMs = query.value(7).isNull() ? -1 : query.value(7).toLongLong();
        add(r);
        lastId = query.value(0).toLongLong();
        if (++rows % kRowsBetweenStopChecks == 0 && stop.load(std::memory_order_relaxed))
            return false;
    }
    return query.lastError().type() == QSqlError::NoError;
}
