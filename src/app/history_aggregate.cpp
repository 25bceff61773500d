#include "history_aggregate.h"

#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

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

// How often a long reading looks whether it is to stop.
constexpr int kRowsBetweenStopChecks = 4096;

} // namespace

bool HistoryAggregate::BucketKey::operator<(const BucketKey &other) const
{
    return std::tie(day, level, midi) < std::tie(other.day, other.level, other.midi);
}

void HistoryAggregate::clear()
{
    buckets.clear();
    clocks.clear();
    trainedMs.clear();
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
    // Reactions beyond 49 days are a clock's fault, not the user's; they
    // count as the longest one kept.
    if (a.reactionMs >= 0)
        b.reactions[questionClass].push_back(
            static_cast<quint32>(std::min<qint64>(a.reactionMs, std::numeric_limits<quint32>::max())));
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
    addTrainingTime(a, day, midi);
}

void HistoryAggregate::addTrainingTime(const AnswerRecord &a, const QDate &day, bool midi)
{
    using Source = StatisticsFilter::Source;
    const Source kind = midi ? Source::Midi : Source::OnScreen;
    for (const qint64 level : {qint64(-1), qint64(a.level)}) {
        for (const Source source : {Source::All, kind}) {
            const Selection selection{level, source};
            trainedMs[{day, selection}] += clocks[selection].add(a.timeUtcMs, day, a.reactionMs);
        }
    }
}

HistoryStatistics HistoryAggregate::statistics(const StatisticsFilter &filter) const
{
    StatisticsTally tally;
    HistoryStatistics &s = tally.figures;
    s.today = statisticsToday(filter);
    const QDate firstDay = firstDayOf(filter, s.today);
    const bool oneLevel = filter.period == StatisticsFilter::Period::ThisLevel;

    for (const auto &[key, b] : buckets) {
        if ((firstDay.isValid() && key.day < firstDay) || (oneLevel && key.level != filter.level) ||
            !selects(filter.source, key.midi))
            continue;
        DayStatistics &day = tally.days[key.day];
        day.date = key.day;
        std::vector<double> &dayReactions = tally.dayReactions[key.day];
        for (std::size_t pc = 0; pc < 12; ++pc) {
            addCounts(s.byPitchClass[pc], b.byPitchClass[pc]);
            addCounts(s.all, b.byPitchClass[pc]);
            addCounts(day, b.byPitchClass[pc]);
            for (std::size_t answer = 0; answer < 12; ++answer)
                s.confusion[pc][answer] += b.confusion[pc][answer];
            tally.reactions[pc].insert(tally.reactions[pc].end(), b.reactions[pc].begin(), b.reactions[pc].end());
            dayReactions.insert(dayReactions.end(), b.reactions[pc].begin(), b.reactions[pc].end());
        }
        for (std::size_t k = 0; k < b.byKey.size(); ++k)
            addCounts(s.byKey[k], b.byKey[k]);
        s.errors.wrong += b.errors.wrong;
        s.errors.octave += b.errors.octave;
        for (std::size_t d = 0; d < b.errors.byDistance.size(); ++d)
            s.errors.byDistance[d] += b.errors.byDistance[d];
        tally.absoluteSemitones += b.absoluteSemitones;
    }

    const Selection selection{oneLevel ? qint64(filter.level) : qint64(-1), filter.source};
    for (auto &[date, day] : tally.days) {
        const auto trained = trainedMs.find({date, selection});
        if (trained != trainedMs.end())
            day.trainedMs = trained->second;
    }
    return finishStatistics(tally, answeredDays);
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
