// The pitch test's end in the whole program, with 100 finished tests kept:
// the time from the last answer to the first frame that shows the report,
// and the time to print the report to PDF. Each run takes up a test kept
// with 71 of its 72 answers, answers the last note and waits for the frame.
// Run it on a display: tests/support/with-display.sh build/bench/app/bench_pitch_test [TESTS]

#include "../core/bench_stats.h"

#include "answer_history.h"
#include "application.h"

#include <pitchtest/test_controller.h>
#include <timer.h>

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>
#include <cstdlib>

namespace {

// A test of `answered` right answers (all of them: finished) kept in the history.
void keepTest(PitchTest::TestStore &store, quint64 seed, int answered, qint64 startedUtcMs)
{
    const PitchTest::TestPlan plan = PitchTest::GeneratePlan(seed);
    const qint64 id = store.begin(seed, startedUtcMs);
    for (int i = 0; i < answered; ++i) {
        const PitchTest::Trial &t = plan.scored[std::size_t(i)];
        store.addTrial({id, i, t, {t.note + (i % 3 == 0 ? 1 : 0), 1500 + i}, startedUtcMs + i * 3000, "MIDI"});
    }
    if (answered == PitchTest::kScoredTrials)
        store.finish(id, startedUtcMs + answered * 3000);
}

} // namespace

int main(int argc, char **argv)
{
    const int kept = argc > 1 ? std::atoi(argv[1]) : 100;
    QTemporaryDir home;
    qputenv("XDG_CONFIG_HOME", home.path().toLocal8Bit());
    qputenv("XDG_DATA_HOME", (home.path() + "/data").toLocal8Bit());
    qputenv("XDG_DOCUMENTS_DIR", home.path().toLocal8Bit());
    const QString folder = home.path() + "/data/Brandmoor/Orvelle";
    QDir().mkpath(folder);
    QDir().mkpath(home.path() + "/Brandmoor");
    QFile settings(home.path() + "/Brandmoor/Orvelle.conf");
    if (settings.open(QIODevice::WriteOnly))
        settings.write("[GlobalSetting]\nShowHelpOnStartup=false\n");
    settings.close();
    const QString historyPath = folder + "/history.sqlite";
    {
        QCoreApplication writer(argc, argv);
        { AnswerHistory history(historyPath); }
        PitchTest::TestStore store(historyPath, AnswerHistory::kSchemaVersion);
        for (int i = 0; i < kept; ++i)
            keepTest(store, quint64(1000 + i), PitchTest::kScoredTrials, 1700000000000 + qint64(i) * 86400000);
    }

    Application app(argc, argv);
    QQuickView &window = app.window();
    if (!QTest::qWaitForWindowExposed(&window))
        return 1;
    app.startSound();
    QTest::qWait(3000); // the program settles
    PitchTest::TestController &test = app.pitchTest();
    test.setPdfFolder(home.path());

    std::vector<double> reportMs, pdfMs;
    for (int run = 0; run < 10; ++run) {
        {
            PitchTest::TestStore store(historyPath, AnswerHistory::kSchemaVersion);
            keepTest(store, quint64(5000 + run), PitchTest::kScoredTrials - 1, 1800000000000 + run * 1000000);
        }
        test.open();
        test.resume();
        QElapsedTimer wait;
        wait.start();
        while (!test.listening() && wait.elapsed() < 10000)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        if (!test.listening()) {
            std::fprintf(stderr, "run %d: the last note was not asked\n", run);
            return 1;
        }
        std::int64_t shown = 0;
        bool reportPage = false;
        const auto frames = QObject::connect(&window, &QQuickWindow::frameSwapped, [&] {
            if (reportPage && shown == 0)
                shown = MonotonicNs();
        });
        const auto pages = QObject::connect(&test, &PitchTest::TestController::pageChanged,
                                            [&] { reportPage = test.page() == QLatin1String("report"); });
        const std::int64_t answered = MonotonicNs();
        test.answer(test.run()->CurrentTrial().note, QStringLiteral("MIDI"), Core::Timer::NowMs());
        wait.restart();
        while (shown == 0 && wait.elapsed() < 10000)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        QObject::disconnect(frames);
        QObject::disconnect(pages);
        reportMs.push_back(shown ? double(shown - answered) / 1e6 : -1);

        const std::int64_t printing = MonotonicNs();
        test.printPdf(home.filePath(QStringLiteral("report-%1.pdf").arg(run)));
        pdfMs.push_back(double(MonotonicNs() - printing) / 1e6);
        if (!QFileInfo::exists(home.filePath(QStringLiteral("report-%1.pdf").arg(run))))
            std::fprintf(stderr, "run %d: %s\n", run, qPrintable(test.pdfMessage()));
        test.leave();
        QTest::qWait(500);
    }
    std::printf("pitch test with %d finished tests kept:\n", kept);
    PrintDistribution("  last answer to the frame with the report (10 runs)", reportMs, "ms");
    PrintDistribution("  report printed to PDF (10 runs)", pdfMs, "ms");
    return 0;
}
