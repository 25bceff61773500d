// Cost of the statistics: reading the history from its file and computing
// every figure, for 10,000, 100,000 and 1,000,000 answers; then the same
// through the counts kept by day (HistoryAggregate): the first reading, a
// reading of one added answer, and the figures for a filter. With a path
// argument it only writes a generated history there, of 100,000 answers or
// as many as a second argument says (for looking at the statistics window,
// or for bench_first_frame --history). Prints figures, asserts nothing.

#include "../core/bench_stats.h"

#include "generated_history.h"
#include "history_aggregate.h"
#include "history_statistics.h"

#include <QCoreApplication>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    if (argc > 1) {
        const int count = argc > 2 ? std::atoi(argv[2]) : 100000;
        const bool written = GeneratedHistory::write(QString::fromLocal8Bit(argv[1]), GeneratedHistory::make(count));
        std::printf("%s\n", written ? "written" : "not written");
        return written ? 0 : 1;
    }
    QTemporaryDir dir;
    for (const int count : {10000, 100000, 1000000}) {
        const std::vector<AnswerRecord> generated = GeneratedHistory::make(count);
        const QString path = dir.filePath(QString("history-%1.sqlite").arg(count));
        GeneratedHistory::write(path, generated);

        std::int64_t start = MonotonicNs();
        std::vector<AnswerRecord> read;
        read.reserve(generated.size());
        {
            const AnswerHistory history(path, AnswerHistory::Mode::ReadOnly);
            history.forEach([&read](const AnswerRecord &r) { read.push_back(r); });
        }
        const double readMs = double(MonotonicNs() - start) / 1e6;

        start = MonotonicNs();
        const HistoryStatistics all = computeStatistics(read, StatisticsFilter());
        const double computeMs = double(MonotonicNs() - start) / 1e6;

        StatisticsFilter midi;
        midi.source = StatisticsFilter::Source::Midi;
        midi.period = StatisticsFilter::Period::Last7Days;
        start = MonotonicNs();
        computeStatistics(read, midi);
        const double filteredMs = double(MonotonicNs() - start) / 1e6;

        std::printf("%7d answers (%zu days): read %.1f ms, all figures %.1f ms, filtered %.1f ms; total %.1f ms\n",
                    count, all.days.size(), readMs, computeMs, filteredMs, readMs + computeMs);

        const std::atomic<bool> go{false};
        HistoryAggregate kept;
        start = MonotonicNs();
        kept.update(path, go);
        const double firstReadingMs = double(MonotonicNs() - start) / 1e6;
        {
            AnswerHistory writer(path);
            writer.append(generated.back());
        }
        start = MonotonicNs();
        kept.update(path, go);
        const double nextReadingMs = double(MonotonicNs() - start) / 1e6;
        start = MonotonicNs();
        kept.statistics(StatisticsFilter());
        const double keptAllMs = double(MonotonicNs() - start) / 1e6;
        start = MonotonicNs();
        kept.statistics(midi);
        const double keptFilteredMs = double(MonotonicNs() - start) / 1e6;
        std::printf("        kept counts: first reading %.1f ms; one more answer read %.1f ms, all figures %.1f ms,"
                    " filtered %.1f ms; total %.1f ms\n",
                    firstReadingMs, nextReadingMs, keptAllMs, keptFilteredMs, nextReadingMs + keptAllMs);
    }
    return 0;
}
