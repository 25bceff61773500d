// Latency of the MIDI paths, against a JACK server (run it under
// tests/support/with-jack.sh):
//  - from a note-on written at a keyboard port to the answer being scored on
//    the main thread (the session's document callback runs inside the scoring);
//  - from posing a question to its note-on arriving at a synth port.
// Both are bounded below by the JACK period, which is printed too.

#include "../core/bench_stats.h"
#include "no_window.h"

#include "jack_fixture.h"
#include "question_bank.h"
#include "sound_system.h"
#include "training_session.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QVariant>

#include <jack/jack.h>

#include <chrono>
#include <cstdio>

namespace {

using Clock = std::chrono::steady_clock;

double msBetween(Clock::time_point from, Clock::time_point to)
{
    return std::chrono::duration<double, std::milli>(to - from).count();
}

// Runs the event loop until `done` or five seconds pass.
template <class Done>
bool waitFor(Done done)
{
    QElapsedTimer clock;
    clock.start();
    while (!done()) {
        if (clock.elapsed() > 5000)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 1);
    }
    return true;
}

} // namespace

class ScoredAnswers : public QObject {
    Q_OBJECT
public:
    std::vector<Clock::time_point> times;
    Q_INVOKABLE QVariant onAnswerRecieved(const QVariant &, const QVariant &)
    {
        times.push_back(Clock::now());
        return {};
    }
    Q_INVOKABLE QVariant onCurrentNote(const QVariant &) { return {}; }
};

int main(int argc, char **argv)
{
    QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
    QCoreApplication app(argc, argv);
    QCoreApplication::setOrganizationName("Brandmoor");
    QCoreApplication::setApplicationName("OrvelleBench");

    JackMidiPeer peer("bench-peer");
    if (!peer.isOpen()) {
        std::fprintf(stderr, "no JACK server: run under tests/support/with-jack.sh\n");
        return 1;
    }
    QuestionBank bank;
    NoKeyboard keys;
    SoundSystem sound{Core::SoundController::BuiltInOutputFactory()};
    TrainingSession session(bank, keys, sound);
    ScoredAnswers document;
    session.setDocument(&document);
    if (!sound.Init(session, session.midiAnswers()))
        return 1;
    QObject::connect(&session, &TrainingSession::midiAnswer, &session,
        qOverload<const Answer &>(&TrainingSession::ProvideMidiAnswer));
    waitFor([&] { return peer.keyboardConnected() && peer.synthConnected(); });

    const int kAnswers = 200;
    std::vector<double> answerMs;
    std::vector<double> questionMs;
    for (int i = 0; i < kAnswers; ++i) {
        const unsigned question = bank.questions[bank.currentQuestion];
        const std::size_t heard = peer.receivedCount();
        const Clock::time_point posed = Clock::now();
        session.ReplayQuestion();
        const bool arrived = waitFor([&] {
            const auto messages = peer.received();
            for (std::size_t m = heard; m < messages.size(); ++m) {
                if (messages[m].bytes == std::vector<std::uint8_t>{0x90, std::uint8_t(question), 0x60}) {
                    questionMs.push_back(msBetween(posed, messages[m].arrival));
                    return true;
                }
            }
            return false;
        });
        if (!arrived)
            continue;

        const std::size_t sent = peer.sentTimes().size();
        const std::size_t scored = document.times.size();
        peer.send({0x90, std::uint8_t(question), 90});
        if (waitFor([&] { return document.times.size() > scored && peer.sentTimes().size() > sent; }))
            answerMs.push_back(msBetween(peer.sentTimes()[sent], document.times[scored]));
    }

    jack_status_t status;
    jack_client_t *probe = jack_client_open("bench-probe", JackNoStartServer, &status);
    if (probe) {
        std::printf("JACK period: %u frames at %u Hz = %.2f ms\n", jack_get_buffer_size(probe),
                    jack_get_sample_rate(probe), 1000.0 * jack_get_buffer_size(probe) / jack_get_sample_rate(probe));
        jack_client_close(probe);
    }
    PrintDistribution("key press at the keyboard port -> answer scored on the main thread", answerMs, "ms");
    PrintDistribution("question posed -> note-on at the synth port", questionMs, "ms");
    return 0;
}

#include "bench_midi_answer.moc"
