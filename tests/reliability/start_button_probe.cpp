// Linked into the test build of the program only: tells the test that drives
// the program from outside where the start button is on the screen, so that
// it can click it like a user. It reads the interface and changes nothing.
// Printed on standard output whenever it changes, as
//   startButton <x> <y> <enabled>
// in screen coordinates; and, as the window shows it, the number of answers
// of the running session (an answer is shown only once it is stored):
//   answers <n>
// and for the pitch test: where its header button is, the page it shows and,
// on its report page, the report's figures:
//   pitchTestButton <x> <y>
//   pitchTest <page>
//   pitchTestReport <pure tone points> <piano points> <class %> <key %> <AP line reached>

#include <QCoreApplication>
#include <QGuiApplication>
#include <QPointF>
#include <QQuickItem>
#include <QQuickWindow>
#include <QTimer>
#include <QVariantMap>

#include <cstdio>

namespace {

QQuickItem *findStartButton()
{
    for (QWindow *window : QGuiApplication::topLevelWindows()) {
        auto *quick = qobject_cast<QQuickWindow *>(window);
        if (!quick || !quick->isExposed() || !quick->contentItem())
            continue;
        if (auto *button = quick->contentItem()->findChild<QQuickItem *>("startButton"))
            return button;
    }
    return nullptr;
}

void reportAnswers()
{
    static int last = -1;
    for (QWindow *window : QGuiApplication::topLevelWindows()) {
        auto *quick = qobject_cast<QQuickWindow *>(window);
        if (!quick || !quick->contentItem())
            continue;
        QObject *root = quick->contentItem()->findChild<QObject *>("root");
        if (!root)
            continue;
        const int answers = root->property("answeredCount").toInt();
        if (answers != last) {
            last = answers;
            std::printf("answers %d\n", answers);
            std::fflush(stdout);
        }
        return;
    }
}

QObject *findNamed(const char *name)
{
    for (QWindow *window : QGuiApplication::topLevelWindows()) {
        auto *quick = qobject_cast<QQuickWindow *>(window);
        if (quick && quick->contentItem())
            if (QObject *found = quick->contentItem()->findChild<QObject *>(name))
                return found;
    }
    return nullptr;
}

void printChanged(QString &last, const QString &line)
{
    if (line == last)
        return;
    last = line;
    std::printf("%s\n", qPrintable(line));
    std::fflush(stdout);
}

void reportPitchTest()
{
    static QString lastButton, lastPage, lastReport;
    if (auto *button = qobject_cast<QQuickItem *>(findNamed("pitchTestButton")); button && button->isVisible()) {
        const QPointF center = button->mapToGlobal(QPointF(button->width() / 2, button->height() / 2));
        printChanged(lastButton, QString("pitchTestButton %1 %2").arg(qRound(center.x())).arg(qRound(center.y())));
    }
    QObject *panel = findNamed("pitchTestPanel");
    if (!panel)
        return;
    const QString page = panel->property("page").toString();
    printChanged(lastPage, "pitchTest " + page);
    QObject *test = panel->property("test").value<QObject *>();
    if (page != "report" || !test)
        return;
    const QVariantMap report = test->property("report").toMap();
    printChanged(lastReport, QString("pitchTestReport %1 %2 %3 %4 %5")
                                 .arg(report.value("pureTonePoints").toDouble())
                                 .arg(report.value("pianoPoints").toDouble())
                                 .arg(report.value("overallPercent").toDouble())
                                 .arg(report.value("keyPercent").toDouble())
                                 .arg(report.value("apReached").toBool() ? 1 : 0));
}

void reportStartButton()
{
    reportAnswers();
    reportPitchTest();
    static QString last;
    QQuickItem *button = findStartButton();
    if (!button || !button->isVisible())
        return;
    const QPointF center = button->mapToGlobal(QPointF(button->width() / 2, button->height() / 2));
    const QString line = QString("startButton %1 %2 %3")
                             .arg(qRound(center.x()))
                             .arg(qRound(center.y()))
                             .arg(button->isEnabled() ? 1 : 0);
    if (line == last)
        return;
    last = line;
    std::printf("%s\n", qPrintable(line));
    std::fflush(stdout);
}

void startProbe()
{
    // Runs inside the application's constructor: the timer is made once the
    // event loop runs.
    QMetaObject::invokeMethod(
        QCoreApplication::instance(),
        [] {
            auto *timer = new QTimer(QCoreApplication::instance());
            QObject::connect(timer, &QTimer::timeout, reportStartButton);
            timer->start(20);
        },
        Qt::QueuedConnection);
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(startProbe)
