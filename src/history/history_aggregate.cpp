#include "history_aggregate.h"

#include <QFile>
#include <QFileInfo>

#include <sqlite3.h>

#include <algorithm>
#include <limits>
#include <tuple>

namespace {

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
// SQLite's own interface: the first reading of a long history takes a
// fraction of the time it takes through QtSql's values.
class ReadConnection {
public:
    explicit ReadConnection(const QString &path)
    {
        if (sqlite3_open_v2(QFile::encodeName(path).constData(), &db, SQLITE_OPEN_READONLY, nullptr) != SQLITE_OK) {
            sqlite3_close(db);
            db = nullptr;
        }
    }
    ~ReadConnection() { sqlite3_close(db); }
    ReadConnection(const ReadConnection &) = delete;
    ReadConnection &operator=(const ReadConnection &) = delete;

    bool isOpen() const { return db != nullptr; }
    sqlite3 *handle() const { return db; }

private:
    sqlite3 *db = nullptr;
};

// A prepared statement, finalised when it goes.
class Statement {
public:
    Statement(sqlite3 *db, const char *sql)
    {
        if (sqlite3_prepare_v2(db, sql, -1, &statement, nullptr) != SQLITE_OK) {
            sqlite3_finalize(statement);
            statement = nullptr;
        }
    }
    ~Statement() { sqlite3_finalize(statement); }
    Statement(const Statement &) = delete;
    Statement &operator=(const Statement &) = delete;

    bool isReady() const { return statement != nullptr; }
    sqlite3_stmt *handle() const { return statement; }

private:
    sqlite3_stmt *statement = nullptr;
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

bool HistoryAggregate::BucketKey::operator==(const BucketKey &other) const
{
    return day == other.day && level == other.level && midi == other.midi;
}

HistoryAggregate::Place &HistoryAggregate::placeOf(const QDate &day, unsigned level, bool midi)
{
    const BucketKey key{day, level, midi};
    if (lastPlace.bucket && lastPlace.key == key)
        return lastPlace;
    // Map entries stay where they are as others come, so pointers to them last.
    lastPlace.key = key;
    lastPlace.bucket = &buckets[key];
    const auto selected = selectionsOf(level, midi);
    for (std::size_t i = 0; i < selected.size(); ++i) {
        lastPlace.selections[i] = &selections[selected[i]];
        lastPlace.trained[i] = &trainedMs[{day, selected[i]}];
    }
    return lastPlace;
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
    selections.clear();
    trainedMs.clear();
    lastPlace = Place();
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

    const Place &place = placeOf(day, courseKeyOf(a), midi);
    Bucket &b = *place.bucket;
    const unsigned questionClass = a.questionNote % 12;
    const unsigned answerClass = a.answerNote % 12;
    const bool rightClass = questionClass == answerClass;
    const int key = static_cast<int>(a.questionNote) - HistoryStatistics::kLowestNote;
    if (key >= 0 && key < HistoryStatistics::kKeys)
        b.byKey[static_cast<std::size_t>(key)].count(a.correct, rightClass);
    b.byPitchClass[questionClass].count(a.correct, rightClass);
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
    // A day's medians change with its answers.
    if (!dayMedians.empty())
        dayMedians.erase(
            dayMedians.lower_bound({day, {std::numeric_limits<qint64>::min(), StatisticsFilter::Source::All}}),
            dayMedians.lower_bound({day.addDays(1), {std::numeric_limits<qint64>::min(), StatisticsFilter::Source::All}}));
    for (std::size_t i = 0; i < place.selections.size(); ++i) {
        SelectionCounts &selection = *place.selections[i];
        *place.trained[i] += selection.clock.add(a.timeUtcMs, day, a.reactionMs);
        if (a.reactionMs >= 0)
            selection.reactions[questionClass].add(reactionOf(a));
    }
}

std::array<HistoryAggregate::Selection, 4> HistoryAggregate::selectionsOf(unsigned level, bool midi)
{
    using Source = StatisticsFilter::Source;
    const Source kind = midi ? Source::Midi : Source::OnScreen;
    return {{{-1, Source::All}, {-1, kind}, {qint64(level), Source::All}, {qint64(level), kind}}};
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
    const bool oneLevel = filter.period == StatisticsFilter::Period::ThisCourse;
    const Selection selection{oneLevel ? qint64(courseKeyOf(filter)) : qint64(-1), filter.source};

    for (const auto &[key, b] : buckets) {
        if ((firstDay.isValid() && key.day < firstDay) || (oneLevel && key.level != courseKeyOf(filter)) ||
            !selects(filter.source, key.midi))
            continue;
        DayStatistics &day = tally.days[key.day];
        day.date = key.day;
        for (std::size_t pc = 0; pc < 12; ++pc) {
            s.byPitchClass[pc] += b.byPitchClass[pc];
            s.all += b.byPitchClass[pc];
            day += b.byPitchClass[pc];
            for (std::size_t answer = 0; answer < 12; ++answer)
                s.confusion[pc][answer] += b.confusion[pc][answer];
            // A period's reactions are few; a whole selection's are counted.
            if (firstDay.isValid())
                tally.reactions[pc].insert(tally.reactions[pc].end(), b.reactions[pc].begin(), b.reactions[pc].end());
        }
        for (std::size_t k = 0; k < b.byKey.size(); ++k)
            s.byKey[k] += b.byKey[k];
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
        const auto counted = selections.find(selection);
        for (std::size_t pc = 0; pc < 12 && counted != selections.end(); ++pc) {
            figures.byPitchClass[pc].medianReactionMs = counted->second.reactions[pc].median();
            figures.byPitchClass[pc].p90ReactionMs = counted->second.reactions[pc].percentile(0.9);
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
    {
        const Statement newest(connection.handle(), "SELECT max(id) FROM answers");
        if (!newest.isReady() || sqlite3_step(newest.handle()) != SQLITE_ROW)
            return false;
        // Fewer rows than were read: another file took this one's place (one
        // set aside, say). Its rows are all new.
        if (sqlite3_column_int64(newest.handle(), 0) < lastId)
            clear();
    }
    // A file of the first version (one this program could not bring up) has
    // no course: its answers are all the twelve levels'.
    const Statement withCourse(connection.handle(),
                               "SELECT id, time_utc_ms, level, question_note, answer_note, correct, source,"
                               " reaction_ms, course FROM answers WHERE id > ? ORDER BY id");
    const Statement firstVersion(connection.handle(),
                                 withCourse.isReady() ? "SELECT 1"
                                                      : "SELECT id, time_utc_ms, level, question_note, answer_note,"
                                                        " correct, source, reaction_ms, 'levels'"
                                                        " FROM answers WHERE id > ? ORDER BY id");
    const Statement &rows = withCourse.isReady() ? withCourse : firstVersion;
    if (!rows.isReady() || sqlite3_bind_int64(rows.handle(), 1, lastId) != SQLITE_OK)
        return false;
    sqlite3_stmt *const row = rows.handle();
    AnswerRecord r;
    int read = 0;
    int step = SQLITE_ROW;
    while ((step = sqlite3_step(row)) == SQLITE_ROW) {
        r.timeUtcMs = sqlite3_column_int64(row, 1);
        r.level = static_cast<unsigned>(sqlite3_column_int64(row, 2));
        r.questionNote = static_cast<unsigned>(sqlite3_column_int64(row, 3));
        r.answerNote = static_cast<unsigned>(sqlite3_column_int64(row, 4));
        r.correct = sqlite3_column_int64(row, 5) != 0;
        r.source = QString::fromUtf8(reinterpret_cast<const char *>(sqlite3_column_text(row, 6)),
                                     sqlite3_column_bytes(row, 6));
        r.reactionMs = sqlite3_column_type(row, 7) == SQLITE_NULL ? -1 : sqlite3_column_int64(row, 7);
        r.course = QString::fromUtf8(reinterpret_cast<const char *>(sqlite3_column_text(row, 8)),
                                     sqlite3_column_bytes(row, 8));
        add(r);
        lastId = sqlite3_column_int64(row, 0);
        if (++read % kRowsBetweenStopChecks == 0 && stop.load(std::memory_order_relaxed))
            return false;
    }
    return step == SQLITE_DONE;
}
