#pragma once

#include "note_output.h"

#include <QString>
#include <QStringList>

#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <random>
#include <vector>

#include <sound_controller.h>

namespace Core {
class MidiAnswerListener;
struct MidiEvent;
class MidiInStreamDeviceObserver;
class MidiDeviceConnector;
class MidiInDevice;
class MidiInStreamDeviceAuto;
class MidiOutDevice;
class MidiStream;
} // namespace Core

// The program's MIDI side: the ports, the note player that sounds questions on
// the chosen output, and the listener that hands the key presses of the
// chosen keyboards to the session. No window: it runs in tests as it runs in
// the program.
//
// Input choice: empty listens to every keyboard but loopback ("Through")
// ports; a port name listens to that port alone while it is there, and to
// every keyboard while it is not. Output choice: empty plays on the built-in
// output (or the first port in a build without one); a port name plays there
// while it is there and falls back meanwhile.
class SoundSystem : public NoteOutput {
public:
    // The timbre of the questions, as the user set it.
    struct InstrumentChoice {
        int program = 0;          // General MIDI program, or Core::kPureTone
        bool chosen = false;      // set by the user (external outputs hear of it only then)
        bool vary = false;        // a random one of `varied` for each question
        std::vector<int> varied;  // the ticked instruments
    };

    // Opens the ports; builtInOutput makes what goes first in the output list.
    explicit SoundSystem(Core::SoundController::BuiltInOutputFactory builtInOutput);
    ~SoundSystem() override;
    SoundSystem(const SoundSystem &) = delete;
    SoundSystem &operator=(const SoundSystem &) = delete;

    // Where the chosen inputs' events go, with the name of the port each came
    // from; called on the MIDI input thread.
    using AnswerSink = std::function<void(const Core::MidiEvent &event, const QString &port)>;

    // Starts the note player (and with it the 1 ms timer), tells `noteEnds`
    // when its notes end and hands the chosen inputs' events to `answers`.
    // False when the timer cannot start; the reason is in failure().
    bool Init(Core::MidiInStreamDeviceObserver &noteEnds, AnswerSink answers);
    const QString &failure() const { return startFailure; }

    void SetInputChoice(const QString &portName) { inputChoice = portName; }
    void SetOutputChoice(const QString &portName) { outputChoice = portName; }
    const QString &InputChoice() const { return inputChoice; }
    const QString &OutputChoice() const { return outputChoice; }

    // (Re)attaches the listener and the player to the chosen devices; the
    // output is reset in full when it changes (at start as well).
    void ConnectMidiDevices();
    // Follows the port lists; true when a device came or went.
    bool RescanDevices();
    // A JACK server stopped: its ports and audio are let go before anything
    // else reaches for JACK again. Or a server started: the built-in
    // synthesizer finds an audio output if it had none.
    void FollowServers(bool jackStopped);

    // Called on the MIDI input thread when a key press comes from another
    // port than the previous one.
    void SetAnsweringChangedHook(std::function<void()> hook);

    // The port whose keys answered last, else the first keyboard listened to;
    // empty when there is none.
    QString AnsweringInputName() const;
    // Whether the chosen input (or output) is a port that is not there now.
    bool InputChoiceMissing() const;
    bool OutputChoiceMissing() const;
    // Listed input ports that did not open.
    QStringList UnopenedInputs() const;
    // Output port names, without the built-in output.
    QStringList OutputPortNames() const;
    // The output the notes go to now.
    std::shared_ptr<Core::MidiOutDevice> CurrentOutput() const;
    Core::SoundController *Controller() const { return soundController.get(); }

    void SetInstrumentChoice(const InstrumentChoice &choice);
    // The program the last question played in.
    int QuestionProgram() const { return questionProgram; }

    // NoteOutput; stopPlayback is also called on the MIDI input thread.
    // A question draws its timbre; a replay and an echo keep the question's.
    void playNote(unsigned note, bool echo) override;
    void replayNote(unsigned note) override;
    void stopPlayback() override;
    std::int64_t audibleSinceMs(std::int64_t playedMs) const override;
    void playMaskingNoise(double seconds) override;

    // For the pitch test: a note in a given timbre at a given velocity, for
    // `seconds`; its noise is the masking noise above.
    void PlayInTimbre(unsigned note, int program, int velocity, double seconds);
    // Whether notes go to the built-in synthesiser now.
    bool PlaysBuiltIn() const { return soundController && OutputIsBuiltIn(); }

private:
    void StartStream(std::shared_ptr<Core::MidiStream> stream);
    void createSoundController(Core::SoundController::BuiltInOutputFactory builtInOutput);
    int DrawQuestionProgram();
    void Play(unsigned note, double seconds);
    // One note on channel 0, after a bank and program change to `program`
    // when there is one.
    void PlayOneNote(std::uint8_t number, std::uint8_t velocity, double seconds, std::optional<int> program);
    // Whether the output in use is the built-in synthesiser.
    bool OutputIsBuiltIn() const;
    std::vector<std::shared_ptr<Core::MidiInDevice>> listenedInputs() const;
    std::shared_ptr<Core::MidiOutDevice> chosenOutput() const;
    void noteSource(const Core::MidiInDevice &device);
    QString lastSourceName() const;

    Core::MidiInStreamDeviceObserver *noteEnds = nullptr;
    AnswerSink answers;
    QString inputChoice;
    QString outputChoice;
    std::shared_ptr<Core::SoundController> soundController;
    std::shared_ptr<Core::MidiInStreamDeviceAuto> streamDevice;
    std::shared_ptr<Core::MidiDeviceConnector> deviceConnector;
    std::shared_ptr<Core::MidiAnswerListener> answerListener;
    // The output that stopPlayback silences; read on the MIDI input thread
    // with std::atomic_load, replaced on the GUI thread with std::atomic_store.
    std::shared_ptr<Core::MidiOutDevice> stopOutput;

    // The device that answered last, written on the MIDI input thread.
    mutable std::mutex answeringMutex;
    const Core::MidiInDevice *answering = nullptr;
    QString answeringName;
    std::function<void()> answeringChanged;

    QString startFailure;

    InstrumentChoice instruments;
    int questionProgram = 0;
    // The program last selected on the output in use; -2 when unknown.
    int outputProgram = -2;
    std::mt19937 random {std::random_device {}()};
};
