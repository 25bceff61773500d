#include "statistics_model.h"

#include "answer_history.h"
#include "course_history.h"

#include <theory/note_naming.h>
#include <theory/theory_tables.h>

#include <QCoreApplication>

#include <QPointer>

#include <cmath>

#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace {

// The reading ahead of time gives way to the window and the sound, which
// start at the same moment (a thread's own nice value, as Linux keeps it).
void runInTheBackground()
{
    constexpr int kBackgroundNice = 10;
    setpriority(PRIO_PROCESS, static_cast<id_t>(syscall(SYS_gettid)), kBackgroundNice);
}

double share(int part, int whole)
{
    return whole > 0 ? double(part) / whole : -1;
}

QVariantMap counts(const AnswerCounts &c)
{
    return {{QStringLiteral("asked"), c.asked},
            {QStringLiteral("right"), c.right},
            {QStringLiteral("share"), share(c.right, c.asked)},
            {QStringLiteral("chromaShare"), share(c.rightIgnoringOctave, c.asked)}};
}

QVariantMap period(const PeriodSummary &p)
{
    QVariantMap m = counts(p);
    m.insert(QStringLiteral("minutes"), static_cast<int>(std::lround(double(p.trainedMs) / 60000.0)));
    m.insert(QStringLiteral("days"), p.days);
    return m;
}

} // namespace

StatisticsModel::StatisticsModel(QString historyPath, std::function<unsigned()> level, QObject *parent)
    : QObject(parent), path(std::move(historyPath)), currentLevel(std::move(level)),
      aggregate(std::make_unique<HistoryAggregate>())
{
}

StatisticsModel::~StatisticsModel()
{
    // A long first reading stops at once rather than hold up quitting.
    stopping = true;
    joinWorker();
}

void StatisticsModel::joinWorker()
{
    if (worker.joinable())
        worker.join();
}

StatisticsFilter StatisticsModel::filterFor(int periodIndex, int sourceIndex, unsigned level)
{
    StatisticsFilter filter;
    filter.period = periodIndex == 1   ? StatisticsFilter::Period::Last7Days
                    : periodIndex == 2 ? StatisticsFilter::Period::ThisCourse
                                       : StatisticsFilter::Period::AllTime;
    filter.source = sourceIndex == 1   ? StatisticsFilter::Source::Midi
                    : sourceIndex == 2 ? StatisticsFilter::Source::OnScreen
                                       : StatisticsFilter::Source::All;
    filter.level = level;
    return filter;
}

void StatisticsModel::refresh(int periodIndex, int sourceIndex)
{
    StatisticsFilter filter = filterFor(periodIndex, sourceIndex, currentLevel ? currentLevel() : 1);
    filter.adaptive = adaptiveCourse && adaptiveCourse();
    readStarted = true;
    if (busy) {
        pending = filter;
        return;
    }
    start(filter);
    emit changed();
}

void StatisticsModel::preload()
{
    if (readStarted)
        return;
    readStarted = true;
    start(std::nullopt);
}

void StatisticsModel::start(const std::optional<StatisticsFilter> &filter)
{
    joinWorker();
    busy = true;
    QPointer<StatisticsModel> self(this);
    const int startClasses = courseStartClasses ? courseStartClasses() : 2;
    worker = std::thread([self, filter, file = path, kept = aggregate.get(), stop = &stopping, startClasses] {
        if (!filter)
            runInTheBackground();
        Result result = compute(*kept, file, filter, *stop, startClasses);
        // The model joins this thread before it goes, so it is alive here;
        // the delivery runs on the model's thread, or not at all once the
        // model is gone.
        QMetaObject::invokeMethod(
            self.data(), [self, result = std::move(result), withFigures = filter.has_value()]() mutable {
                if (self)
                    self->deliver(std::move(result), withFigures);
            },
            Qt::QueuedConnection);
    });
}

StatisticsModel::Result StatisticsModel::compute(HistoryAggregate &kept, const QString &file,
                                                 const std::optional<StatisticsFilter> &filter,
                                                 const std::atomic<bool> &stop, int startClasses)
{
    Result result;
    if (!kept.update(file, stop)) {
        result.problem = QCoreApplication::translate("StatisticsModel", "The answer history cannot be read just now; training goes on.");
        return result;
    }
    // A reading ahead of time also works out what later figures reuse (the
    // days' medians).
    result.figures = kept.statistics(filter ? *filter : StatisticsFilter());
    // The adaptive course's report needs its answers in order: read only
    // when there are any, and only for the window.
    StatisticsFilter adaptive;
    adaptive.period = StatisticsFilter::Period::ThisCourse;
    adaptive.adaptive = true;
    if (filter && kept.statistics(adaptive).all.asked > 0) {
        std::vector<AnswerRecord> answers;
        const AnswerHistory history(file, AnswerHistory::Mode::ReadOnly);
        if (history.forEach([&answers](const AnswerRecord &r) { answers.push_back(r); }))
            result.course = courseReport(answers, startClasses);
    }
    return result;
}

void StatisticsModel::deliver(Result result, bool withFigures)
{
    // A reading ahead of time shows nothing: a failed one is tried again at
    // the next refresh.
    if (withFigures) {
        figures = std::move(result.figures);
        problemText = std::move(result.problem);
        course = std::move(result.course);
    }
    busy = false;
    if (pending) {
        const StatisticsFilter next = *pending;
        pending.reset();
        start(next);
    }
    emit changed();
}

QVariantMap StatisticsModel::overall() const
{
    QVariantMap m = counts(figures.all);
    m.insert(QStringLiteral("streakDays"), figures.streakDays);
    m.insert(QStringLiteral("last7Days"), period(figures.last7Days));
    m.insert(QStringLiteral("last30Days"), period(figures.last30Days));
    m.insert(QStringLiteral("allDays"), period(figures.allDays));
    return m;
}

QVariantList StatisticsModel::keys() const
{
    QVariantList list;
    for (const AnswerCounts &k : figures.byKey)
        list << counts(k);
    return list;
}

QVariantList StatisticsModel::pitchClasses() const
{
    QVariantList list;
    for (std::size_t pc = 0; pc < figures.byPitchClass.size(); ++pc) {
        const PitchClassStatistics &p = figures.byPitchClass[pc];
        QVariantMap m = counts(p);
        m.insert(QStringLiteral("name"), Theory::PitchClassName(static_cast<int>(pc), Theory::CurrentNoteNaming()));
        m.insert(QStringLiteral("medianMs"), p.medianReactionMs);
        m.insert(QStringLiteral("p90Ms"), p.p90ReactionMs);
        list << m;
    }
    return list;
}

QVariantList StatisticsModel::confusion() const
{
    QVariantList rows;
    for (const auto &row : figures.confusion) {
        QVariantList cells;
        for (int n : row)
            cells << n;
        rows << QVariant(cells);
    }
    return rows;
}

QVariantMap StatisticsModel::errors() const
{
    const ErrorKinds &e = figures.errors;
    QVariantList kinds;
    kinds << QVariantMap{{QStringLiteral("label"), tr("octave")},
                         {QStringLiteral("share"), share(e.octave, e.wrong)}};
    for (int d = -5; d <= ErrorKinds::kLargest; ++d) {
        if (d == 0)
            continue;
        const QString label = d == ErrorKinds::kLargest ? QStringLiteral("\u00b16") : (d > 0 ? "+" : "") + QString::number(d);
        kinds << QVariantMap{{QStringLiteral("label"), label}, {QStringLiteral("share"), share(e.atDistance(d), e.wrong)}};
    }
    return {{QStringLiteral("wrong"), e.wrong},
            {QStringLiteral("kinds"), kinds},
            {QStringLiteral("meanAbsoluteSemitones"), e.meanAbsoluteSemitones}};
}

QVariantList StatisticsModel::days() const
{
    QVariantList list;
    for (const DayStatistics &d : figures.days) {
        QVariantMap m = counts(d);
        m.insert(QStringLiteral("date"), d.date.toString(Qt::ISODate));
        m.insert(QStringLiteral("time"), QDateTime(d.date, QTime(12, 0)).toMSecsSinceEpoch());
        m.insert(QStringLiteral("minutes"), double(d.trainedMs) / 60000.0);
        m.insert(QStringLiteral("medianMs"), d.medianReactionMs);
        list << m;
    }
    return list;
}
