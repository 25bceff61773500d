// The program's memory: RSS and its anonymous part after start, and after
// 1,000 questions asked and answered on the on-screen keyboard, with the
// built-in synthesiser playing them. Run on a display
// (tests/support/with-display.sh); its settings store is a temporary one.
// The anonymous part must not grow with the questions.

#include "application.h"
#include "question_bank.h"
#include "training_session.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QThread>

#include <cstdio>

namespace {

constexpr int kLowestKeyNote = 21;

// VmRSS and RssAnon of /proc/self/status, in kB.
std::pair<long, long> Memory()
{
    QFile status(QStringLiteral("/proc/self/status"));
    long rss = 0, anon = 0;
    if (!status.open(QIODevice::ReadOnly))
        return {rss, anon};
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            rss = line.mid(6).trimmed().split(' ').first().toLong();
        else if (line.startsWith("RssAnon:"))
            anon = line.mid(8).trimmed().split(' ').first().toLong();
    }
    return {rss, anon};
}

void Settle(int ms)
{
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < ms)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
}

void Print(const char *when, std::pair<long, long> memory)
{
    std::printf("%-26s RSS %7.1f MB, anonymous %7.1f MB\n", when, memory.first / 1024.0, memory.second / 1024.0);
    std::fflush(stdout);
}

void AskAndAnswer(Application &app, int count)
{
    for (int i = 0; i < count; ++i) {
        QuestionBank &bank = app.questionBank();
        const unsigned question = bank.questions[bank.currentQuestion];
        app.session().StartPlayBack();
        Settle(2);
        // Every third answer an octave off: the wrong-answer path too.
        const int answer = int(question) + (i % 3 == 0 ? 12 : 0);
        app.session().processGKCEvent(answer - kLowestKeyNote);
        Settle(3);
    }
}

} // namespace

int main(int argc, char **argv)
{
    QTemporaryDir home;
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.filePath("config")));
    qputenv("XDG_DATA_HOME", QFile::encodeName(home.filePath("data")));
    Application app(argc, argv);
    app.startSound();
    Settle(2000);
    Print("after start", Memory());
    AskAndAnswer(app, 100);
    Settle(500);
    Print("after 100 questions", Memory());
    AskAndAnswer(app, 900);
    Settle(2500);
    Print("after 1,000 questions", Memory());
    return 0;
}
