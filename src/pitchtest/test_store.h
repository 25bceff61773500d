#pragma once

#include "report_text.h"
#include "test_scoring.h"

#include <QString>

#include <deque>
#include <functional>
#include <optional>
#include <vector>

namespace PitchTest {

// A scored trial as kept, with when and from where it was answered.
struct StoredTrial {
    qint64 testId = 0;
    int index = 0;
    Trial trial;
    TrialAnswer answer;
    qint64 timeUtcMs = 0;
    QString source; // "screen keyboard", "computer keyboard" or a MIDI port
    qint64 testFinishedUtcMs = 0; // read back only; 0 while the test is unfinished
};

// A test begun and neither finished nor discarded.
struct UnfinishedTest {
    qint64 id = 0;
    quint64 seed = 0;
    qint64 startedUtcMs = 0;
    std::vector<TrialAnswer> answers; // scored trials 0..n-1, in order
};

// The pitch tests in the answer history's file, which creates their
// tables. Used on the thread that made it, with a connection of its own;
// a write waits a few milliseconds at most for another writer and is held
// in memory, in order, for the next write when it cannot get in. Stored
// trials are checked against the order their seed gives: a test whose rows
// do not fit it counts as damaged, and problem() says so in one line.
class TestStore {
public:
    // `knownSchemaVersion`: the newest history version this program knows.
    TestStore(const QString &historyPath, int knownSchemaVersion);
    ~TestStore();
    TestStore(const TestStore &) = delete;
    TestStore &operator=(const TestStore &) = delete;

    // False when tests cannot be kept (no file, a newer version's file,
    // damaged tables); problem() then says why.
    bool usable() const { return ok; }
    const QString &problem() const { return problemText; }

    // A new test; its id, or 0 when it cannot be kept.
    qint64 begin(quint64 seed, qint64 startedUtcMs);
    // False when the trial is held for a later write.
    bool addTrial(const StoredTrial &trial);
    bool finish(qint64 testId, qint64 finishedUtcMs);
    // Set aside for good: never offered again, never scored.
    bool discard(qint64 testId);
    int heldCount() const { return static_cast<int>(held.size()); }

    // The latest test begun and not ended, if any.
    std::optional<UnfinishedTest> unfinished();
    // Every finished test, oldest first, scored from its stored trials.
    std::vector<FinishedTest> finished();
    // Every stored trial of every test not discarded, in order.
    bool forEachTrial(const std::function<void(const StoredTrial &)> &visit);

private:
    struct Write {
        enum class Kind { Trial, Finish, Discard } kind;
        StoredTrial trial;
        qint64 testId = 0;
        qint64 timeUtcMs = 0;
    };
    bool flush();
    bool apply(const Write &write);
    // Says what cannot be read; a single test that does not fit its seed
    // is left out, and the tables stay in use.
    void damaged(const QString &detail);
    std::vector<TrialAnswer> answersOf(qint64 testId, quint64 seed, bool *sound);

    QString connection;
    bool ok = false;
    QString problemText;
    std::deque<Write> held;
};

QString TimbreName(Timbre timbre);

} // namespace PitchTest
