// Time from F2 to the statistics window's first frame, and to the frame
// with every figure, in the whole program, for a generated history of
// 100,000 answers or as many as the argument says: once right at the first
// frame of the main window, then ten times after the program had time to
// settle (with an answer added to the history between two openings).
// Run it on a display: tests/support/with-display.sh build/bench/app/bench_statistics_window [COUNT]

#include "../core/bench_stats.h"

#include "application.h"
#include "generated_history.h"

#include <QDir>
#include <QQmlContext>
#include <QQuickItem>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>
#include <cstdlib>

namespace {

struct Opening {
    double firstFrameMs = -1;
    double figuresMs = -1;
};

// F2, then the frames until the one that shows the figures; Escape closes.
Opening openStatistics(QQuickView &window, QObject *model)
{
    std::int64_t firstFrame = 0;
    std::int64_t figuresFrame = 0;
    bool opened = false;
    const auto connection = QObject::connect(&window, &QQuickWindow::frameSwapped, [&] {
        const std::int64_t now = MonotonicNs();
        if (opened && firstFrame == 0)
            firstFrame = now;
        if (opened && figuresFrame == 0 && !model->property("loading").toBool())
            figuresFrame = now;
    });
    const std::int64_t start = MonotonicNs();
    opened = true;
    QTest::keyClick(&window, Qt::Key_F2);
    QElapsedTimer clock;
    clock.start();
    while (figuresFrame == 0 && clock.elapsed() < 30000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    QObject::disconnect(connection);
    QTest::keyClick(&window, Qt::Key_Escape);
    QTest::qWait(300);
    return {double(firstFrame - start) / 1e6, figuresFrame ? double(figuresFrame - start) / 1e6 : -1};
}

} // namespace

int main(int argc, char **argv)
{
    const int count = argc > 1 ? std::atoi(argv[1]) : 100000;
    QTemporaryDir home;
    qputenv("XDG_CONFIG_HOME", home.path().toLocal8Bit());
    qputenv("XDG_DATA_HOME", (home.path() + "/data").toLocal8Bit());
    const QString folder = home.path() + "/data/Brandmoor/Orvelle";
    QDir().mkpath(folder);
    QDir().mkpath(home.path() + "/Brandmoor");
    QFile store(home.path() + "/Brandmoor/Orvelle.conf");
    if (store.open(QIODevice::WriteOnly))
        store.write("[GlobalSetting]\nShowHelpOnStartup=false\n");
    store.close();
    if (count > 0) {
        QCoreApplication writer(argc, argv);
        GeneratedHistory::write(folder + "/history.sqlite", GeneratedHistory::make(count));
    }

    Application app(argc, argv);
    QQuickView &window = app.window();
    if (!QTest::qWaitForWindowExposed(&window))
        return 1;
    QObject *model = qvariant_cast<QObject *>(window.rootContext()->contextProperty("statistics"));

    const Opening atStart = openStatistics(window, model);
    QTest::qWait(8000); // the program settles
    std::vector<double> firstFrameMs;
    std::vector<double> figuresMs;
    for (int run = 0; run < 10; ++run) {
        // An answer between two openings, as in training.
        {
            AnswerHistory history(folder + "/history.sqlite");
            history.append(GeneratedHistory::make(1, unsigned(run)).front());
        }
        const Opening later = openStatistics(window, model);
        firstFrameMs.push_back(later.firstFrameMs);
        figuresMs.push_back(later.figuresMs);
    }
    std::printf("statistics window with %d answers (the first opening loads the charts):\n", count);
    std::printf("  opened at the first frame: first frame %.1f ms, figures shown %.1f ms\n", atStart.firstFrameMs,
                atStart.figuresMs);
    std::printf("  first opening after 8 s: first frame %.1f ms, figures shown %.1f ms\n", firstFrameMs[0],
                figuresMs[0]);
    PrintDistribution("  F2 to first frame (10 openings after 8 s)", firstFrameMs, "ms");
    PrintDistribution("  F2 to the frame with every figure (10 openings after 8 s)", figuresMs, "ms");
    return 0;
}
