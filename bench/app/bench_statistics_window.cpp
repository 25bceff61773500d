// Time from F2 to the statistics window's first frame, and to the frame
// with every figure of a 100,000-answer history, in the whole program.
// Run it on a display: tests/support/with-display.sh build/bench/app/bench_statistics_window

#include "../core/bench_stats.h"

#include "application.h"
#include "generated_history.h"

#include <QDir>
#include <QQmlContext>
#include <QQuickItem>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>

int main(int argc, char **argv)
{
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
    {
        QCoreApplication writer(argc, argv);
        GeneratedHistory::write(folder + "/history.sqlite", GeneratedHistory::make(100000));
    }

    Application app(argc, argv);
    QQuickView &window = app.window();
    if (!QTest::qWaitForWindowExposed(&window))
        return 1;
    QObject *model = qvariant_cast<QObject *>(window.rootContext()->contextProperty("statistics"));

    std::vector<double> firstFrameMs;
    std::vector<double> figuresMs;
    for (int run = 0; run < 10; ++run) {
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
        while (figuresFrame == 0 && clock.elapsed() < 10000)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        QObject::disconnect(connection);
        firstFrameMs.push_back(double(firstFrame - start) / 1e6);
        figuresMs.push_back(double(figuresFrame - start) / 1e6);
        QTest::keyClick(&window, Qt::Key_Escape);
        QTest::qWait(300);
    }
    std::printf("statistics window with 100000 answers (the first opening loads the charts):\n");
    std::printf("  first opening: first frame %.1f ms, figures shown %.1f ms\n", firstFrameMs[0], figuresMs[0]);
    PrintDistribution("  F2 to first frame", firstFrameMs, "ms");
    PrintDistribution("  F2 to the frame with every figure", figuresMs, "ms");
    return 0;
}
