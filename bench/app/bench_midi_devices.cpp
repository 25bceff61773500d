// The device side against a JACK server (run it under tests/support/with-jack.sh):
//  - CPU used by device watching over 60 idle seconds (process CPU, with the
//    watch and nothing else running);
//  - from a keyboard port's registration to the device line naming it and to
//    its first answer being scored (20 plugs);
//  - a keyboard whose client closes and opens again under the same name
//    while another client of its program stays (half of them stop first and
//    close 400 ms later): from the close to the line saying "(not connected)",
//    from the return to the line naming it again and to its port being
//    connected (20 returns, 1 s away);
//  - MIDI lost over 1,000 questions and 1,000 answers: question notes that
//    never reach the synth port, key presses that are never scored.
// Options: --idle-seconds N, --plugs N, --returns N, --away-ms N,
// --questions N, and --full-reset,
// which sends the full 48-message reset before every question as the program
// did before (for comparison); --control N first sends N notes between two
// clients of the bench's own, none of the program's code in their way, for
// the loss the server itself causes at the time.

#include "../core/bench_stats.h"
#include "no_window.h"

#include "device_choice.h"
#include "device_watch.h"
#include "jack_fixture.h"
#include "question_bank.h"
#include "sound_system.h"
#include "training_session.h"

#include <midi/midi_device.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTimer>

#include <chrono>
#include <cstdio>
#include <cstring>

namespace {

using Clock = std::chrono::steady_clock;

// Plays as the program does, optionally with the former full reset first.
struct Player : NoteOutput {
    SoundSystem *sound = nullptr;
    bool fullReset = false;
    void playNote(unsigned note, bool echo) override
    {
        if (fullReset && sound->CurrentOutput())
            sound->CurrentOutput()->Reset();
        sound->playNote(note, echo);
    }
    void stopPlayback() override
    {
        if (fullReset && sound->CurrentOutput())
            sound->CurrentOutput()->Reset();
        sound->stopPlayback();
    }
};

double msSince(Clock::time_point from)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - from).count();
}

template <class Done>
bool waitFor(Done done, int timeoutMs = 3000)
{
    QElapsedTimer clock;
    clock.start();
    while (!done()) {
        if (clock.elapsed() > timeoutMs)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 1);
    }
    return true;
}

int option(int argc, char **argv, const char *name, int fallback)
{
    for (int i = 1; i + 1 < argc; ++i)
        if (std::strcmp(argv[i], name) == 0)
            return std::atoi(argv[i + 1]);
    return fallback;
}

bool flag(int argc, char **argv, const char *name)
{
    for (int i = 1; i < argc; ++i)
        if (std::strcmp(argv[i], name) == 0)
            return true;
    return false;
}

} // namespace

int main(int argc, char **argv)
{
    QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
    QCoreApplication app(argc, argv);
    QCoreApplication::setOrganizationName("Brandmoor");
    QCoreApplication::setApplicationName("OrvelleBench");
    const int idleSeconds = option(argc, argv, "--idle-seconds", 60);
    const int plugs = option(argc, argv, "--plugs", 20);
    const int questions = option(argc, argv, "--questions", 1000);
    const int returns = option(argc, argv, "--returns", 20);
    const int awayMs = option(argc, argv, "--away-ms", 1000);

    JackMidiPeer synth("bench-synth", false, true);
    if (!synth.isOpen()) {
        std::fprintf(stderr, "no JACK server: run under tests/support/with-jack.sh\n");
        return 1;
    }

    if (const int control = option(argc, argv, "--control", 0)) {
        // As many clients as the program and the bench have in the graph.
        JackMidiPeer from("control-keys", true, false);
        JackMidiPeer to("control-synth", false, true);
        JackMidiPeer otherFrom("control-keys-2", true, false);
        JackMidiPeer otherTo("control-synth-2", false, true);
        from.connectKeyboardTo(to.synthPortName());
        otherFrom.connectKeyboardTo(otherTo.synthPortName());
        to.awaitDelivery([&] { from.send({0xB0, 123, 0}); });
        const int xrunsBefore = to.xruns();
        int lost = 0;
        for (int i = 0; i < control; ++i) {
            const std::size_t heard = to.receivedCount();
            from.send({0x90, 60, 90});
            if (!waitFor([&] { return to.receivedCount() > heard; }))
                ++lost;
        }
        std::printf("control, between two clients of the bench: %d notes, %d lost, %d xruns\n", control, lost,
                    to.xruns() - xrunsBefore);
        std::fflush(stdout);
    }

    QuestionBank bank;
    NoKeyboard keys;
    SoundSystem sound{Core::SoundController::BuiltInOutputFactory()};
    Player player;
    player.sound = &sound;
    player.fullReset = flag(argc, argv, "--full-reset");
    TrainingSession session(bank, keys, player);
    DeviceChoice choice(bank.inputDevice, QString());
    DeviceWatch watch([&] { return sound.RescanDevices(); }, [&](bool jackStopped) { sound.FollowServers(jackStopped); });
    QObject::connect(&watch, &DeviceWatch::deviceChange, [&] {
        sound.ConnectMidiDevices();
        choice.refresh();
    });

    // 1. Idle: only the watch is running (no note timer, no ports of ours).
    watch.Start();
    const double cpuBefore = ProcessCpuSeconds();
    {
        // The event loop sleeps until something happens, as the program's does.
        QEventLoop idle;
        QTimer::singleShot(idleSeconds * 1000, &idle, &QEventLoop::quit);
        idle.exec();
    }
    const double cpuIdle = ProcessCpuSeconds() - cpuBefore;
    if (idleSeconds > 0)
        std::printf("device watch, %d idle s: %.3f s CPU (%.4f%% of one core)\n", idleSeconds, cpuIdle,
                    100.0 * cpuIdle / idleSeconds);
    std::fflush(stdout);

    if (!sound.Init(session, session.midiAnswers()))
        return 1;
    choice.attach(&sound);
    QObject::connect(&session, &TrainingSession::midiAnswer, &session,
        qOverload<const Answer &>(&TrainingSession::ProvideMidiAnswer));
    waitFor([&] { return synth.synthConnected(); });

    // 2. Plugs: a keyboard appears; the line names it; its key press scores.
    std::vector<double> lineMs, answerMs;
    for (int i = 0; i < plugs; ++i) {
        session.ReplayQuestion();
        const std::string name = "plug-" + std::to_string(i);
        const Clock::time_point plugged = Clock::now();
        JackMidiPeer keyboard(name.c_str(), true, false);
        const QString expected = QString("Using the %1 keyboard device").arg(keyboard.keyboardPortName());
        if (waitFor([&] { return choice.deviceLine() == expected; }, 5000))
            lineMs.push_back(msSince(plugged));
        const unsigned scoredBefore = bank.correctCount + bank.incorrectCount;
        bool scored = false;
        for (int attempt = 0; attempt < 100 && !scored; ++attempt) {
            keyboard.send({0x90, std::uint8_t(bank.questions[bank.currentQuestion]), 90});
            scored = waitFor([&] { return bank.correctCount + bank.incorrectCount > scoredBefore; }, 50);
        }
        if (scored)
            answerMs.push_back(msSince(plugged));
        keyboard.close();
        waitFor([&] { return choice.deviceLine().endsWith("(not connected)"); }, 5000);
    }
    if (plugs > 0) {
        PrintDistribution("keyboard registered -> device line names it", lineMs, "ms");
        PrintDistribution("keyboard registered -> its first answer scored", answerMs, "ms");
    }
    std::fflush(stdout);

    // 3. Returns: the same keyboard closed and opened again, again and again.
    if (returns > 0) {
        std::vector<double> goneMs, backMs, linkedMs;
        int missed = 0;
        JackMidiPeer companion("Harness-synth", false, true);
        const auto open = [] {
            auto keyboard = std::make_unique<JackMidiPeer>("Harness", true, false);
            for (int attempt = 0; attempt < 20 && !keyboard->isOpen(); ++attempt) {
                waitFor([] { return false; }, 50);
                keyboard = std::make_unique<JackMidiPeer>("Harness", true, false);
            }
            return keyboard;
        };
        const QString connected("Using the Harness:keyboard keyboard device");
        const QString gone("Harness:keyboard (not connected)");
        auto keyboard = open();
        waitFor([&] { return choice.deviceLine() == connected; }, 5000);
        for (int i = 0; i < returns; ++i) {
            if (i % 2) {
                keyboard->deactivate();
                waitFor([] { return false; }, 400);
            }
            const Clock::time_point closed = Clock::now();
            keyboard.reset();
            if (waitFor([&] { return choice.deviceLine() == gone; }, 5000))
                goneMs.push_back(msSince(closed));
            else
                ++missed;
            waitFor([] { return false; }, awayMs);
            const Clock::time_point opened = Clock::now();
            keyboard = open();
            bool named = false, linked = false;
            waitFor([&] {
                if (!named && choice.deviceLine() == connected) {
                    named = true;
                    backMs.push_back(msSince(opened));
                }
                if (!linked && keyboard->keyboardConnected()) {
                    linked = true;
                    linkedMs.push_back(msSince(opened));
                }
                return named && linked;
            }, 5000);
            missed += !named + !linked;
        }
        std::printf("keyboard returns, %d ms away: %d of %d changes not seen within 5 s\n", awayMs, missed,
                    3 * returns);
        PrintDistribution("keyboard closed -> line says (not connected)", goneMs, "ms");
        PrintDistribution("keyboard back -> line names it", backMs, "ms");
        PrintDistribution("keyboard back -> its port connected", linkedMs, "ms");
        std::fflush(stdout);
    }

    // 4. Loss: each question posed, its note awaited at the synth port, then
    // answered at once from the keyboard port.
    JackMidiPeer keyboard("bench-keys", true, false);
    waitFor([&] { return keyboard.keyboardConnected(); }, 5000);
    synth.awaitDelivery([&] { sound.stopPlayback(); });
    int lostQuestions = 0, lostAnswers = 0;
    const Clock::time_point lossStart = Clock::now();
    for (int i = 0; i < questions; ++i) {
        const unsigned question = bank.questions[bank.currentQuestion];
        const std::size_t heard = synth.receivedCount();
        session.ReplayQuestion();
        const std::vector<std::uint8_t> noteOn{0x90, std::uint8_t(question), 0x60};
        if (!waitFor([&] {
                const auto messages = synth.receivedBytes();
                for (std::size_t m = heard; m < messages.size(); ++m)
                    if (messages[m] == noteOn)
                        return true;
                return false;
            })) {
            ++lostQuestions;
            std::printf("  question %d: note %u lost (%d xruns so far)\n", i, question, synth.xruns());
            continue;
        }
        const unsigned scoredBefore = bank.correctCount + bank.incorrectCount;
        keyboard.send({0x90, std::uint8_t(question), 90});
        if (!waitFor([&] { return bank.correctCount + bank.incorrectCount > scoredBefore; }))
        {
            ++lostAnswers;
            std::printf("  question %d: answer lost (%d xruns so far)\n", i, synth.xruns());
        }
    }
    std::printf("%s: %d questions, %d question notes lost, %d answers lost, %d xruns (%.1f s)\n",
                player.fullReset ? "with the full reset before every question" : "as built", questions,
                lostQuestions, lostAnswers, synth.xruns(), msSince(lossStart) / 1000.0);
    return 0;
}
