// The settings store file holds arbitrary bytes (a damaged disk, a hand edit,
// a file from another version). Loading it must not crash, must leave a
// consistent bank, and what the bank then wrote must load again unchanged:
// a repaired store is stable.

#include "fuzz_support.h"

#include <preferences.h>

#include <QFile>

#include <cstddef>
#include <cstdint>

namespace {

struct Snapshot {
    std::vector<std::uint32_t> questions;
    std::vector<std::uint32_t> noteStats;
    std::uint32_t correctCount, incorrectCount, maturityLevel, currentQuestion, questionCount;
    bool showHelpOnStartup, showColorMap;
    QString inputDevice;
    std::int8_t midiInstrument;
    bool instrumentChosen, varyInstrument;
    std::vector<int> variedInstruments;
    double referencePitch;

    Snapshot(const QuestionBank &b, const Preferences &p)
        : questions(b.questions), noteStats(b.noteStats), correctCount(b.correctCount),
          incorrectCount(b.incorrectCount), maturityLevel(b.maturityLevel), currentQuestion(b.currentQuestion),
          questionCount(b.questionCount), showHelpOnStartup(b.showHelpOnStartup), showColorMap(b.showColorMap),
          inputDevice(b.inputDevice), midiInstrument(b.midiInstrument), instrumentChosen(p.instrumentChosen()),
          varyInstrument(p.varyInstrument()), variedInstruments(p.variedInstruments()), referencePitch(p.referencePitch())
    {
    }

    bool operator==(const Snapshot &o) const
    {
        return questions == o.questions && noteStats == o.noteStats && correctCount == o.correctCount &&
               incorrectCount == o.incorrectCount && maturityLevel == o.maturityLevel &&
               currentQuestion == o.currentQuestion && questionCount == o.questionCount &&
               showHelpOnStartup == o.showHelpOnStartup && showColorMap == o.showColorMap &&
               inputDevice == o.inputDevice && midiInstrument == o.midiInstrument &&
               instrumentChosen == o.instrumentChosen && varyInstrument == o.varyInstrument &&
               variedInstruments == o.variedInstruments && referencePitch == o.referencePitch;
    }
};

// Every store gets a name of its own, so that no settings cache from an
// earlier input stands in for the file on disk.
QString selectFreshStore()
{
    static unsigned long serial = 0;
    QCoreApplication::setApplicationName(QString("fuzz-store-%1").arg(++serial));
    return Fuzz::storePath();
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        Fuzz::fail("cannot write the store file");
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        Fuzz::fail("the bank left no store file");
    return file.readAll();
}

} // namespace

bool reloading = false;

// The store folder is always writable here: a save that reports a failure
// reports one that did not happen. And a file the bank wrote is never damaged.
void failOnFalseReports(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (message.contains("could not be written"))
        Fuzz::fail(qPrintable("a successful save reported a failure: " + message));
    if (reloading && message.contains("damaged"))
        Fuzz::fail(qPrintable("the store the bank wrote does not parse: " + message));
    std::fprintf(stderr, "%s\n", qPrintable(message));
    if (type == QtFatalMsg)
        std::abort();
}

// A failed allocation must reach the program as it does outside the
// sanitizer (Qt turns it into std::bad_alloc), instead of ending the run.
extern "C" const char *__asan_default_options()
{
    return "allocator_may_return_null=1";
}

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    Fuzz::startQt(argc, argv);
    qInstallMessageHandler(failOnFalseReports);
    QDir().mkpath(QString::fromLocal8Bit(qgetenv("XDG_CONFIG_HOME")) + "/Brandmoor");
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QString damaged = selectFreshStore();
    writeFile(damaged, QByteArray(reinterpret_cast<const char *>(data), static_cast<int>(size)));

    std::unique_ptr<Snapshot> first;
    {
        QuestionBank bank;
        Preferences options;
        keepOptionsInStore(options, bank);
        Fuzz::checkBankInvariants(bank);
        first = std::make_unique<Snapshot>(bank, options);
    }
    const QByteArray written = readFile(damaged);
    QFile::remove(damaged);

    // The file the first bank left, under a new name: it must load as it is.
    const QString reloaded = selectFreshStore();
    writeFile(reloaded, written);
    {
        reloading = true;
        QuestionBank bank;
        reloading = false;
        Preferences options;
        keepOptionsInStore(options, bank);
        Fuzz::checkBankInvariants(bank);
        Fuzz::require(Snapshot(bank, options) == *first, "a reloaded store gives the state that was saved");
    }
    Fuzz::require(readFile(reloaded) == written, "loading a saved store does not rewrite it");
    QFile::remove(reloaded);
    return 0;
}
