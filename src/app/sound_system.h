#pragma once

#include "session_ports.h"

#include <QString>

#include <memory>
#include <random>
#include <vector>

#include <sound_controller.h>

class TrainingSession;

namespace Core {
class MidiAnswerListener;
class MidiDeviceConnector;
class MidiInStreamDeviceAuto;
class MidiOutDevice;
} // namespace Core

// The program's MIDI side: the ports, the note player that sounds questions on
// the current output, and the listener that hands the current input's key
// presses to the session. No window: it runs in tests as it runs in the program.
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

    // Starts the note player (and with it the 1 ms timer), tells `session` when
    // its notes end and hands it the current input's events.
    // False when the timer cannot start; the reason is in failure().
    bool Init(TrainingSession &session);
    const QString &failure() const { return startFailure; }

    // Makes the first input and the first output current, where there are any.
    void UseFirstDevices();
    // (Re)attaches the listener and the connector to the current devices.
    void ConnectMidiDevices();
    // One rescan for the device watch; true when the ports changed.
    bool RescanDevices();

    // The name of the input whose keys answer, or empty when there is none.
    QString AnsweringInputName() const;
    Core::SoundController *Controller() const { return soundController.get(); }

    void SetInstrumentChoice(const InstrumentChoice &choice);
    // The program the last question played in.
    int QuestionProgram() const { return questionProgram; }

    // NoteOutput; stopPlayback is also called on the MIDI input thread.
    // A question draws its timbre; a replay and an echo keep the question's.
    void playNote(unsigned note, bool echo) override;
    void replayNote(unsigned note) override;
    void stopPlayback() override;

private:
    void createSoundController(Core::SoundController::BuiltInOutputFactory builtInOutput);
    int DrawQuestionProgram();
    void Play(unsigned note, double seconds);
    // Whether the output in use is the built-in synthesiser.
    bool OutputIsBuiltIn() const;

    TrainingSession *session = nullptr;
    std::shared_ptr<Core::SoundController> soundController;
    std::shared_ptr<Core::MidiInStreamDeviceAuto> streamDevice;
    std::shared_ptr<Core::MidiDeviceConnector> deviceConnector;
    std::shared_ptr<Core::MidiAnswerListener> answerListener;
    // The output that stopPlayback silences; read on the MIDI input thread
    // with std::atomic_load, replaced on the GUI thread with std::atomic_store.
    std::shared_ptr<Core::MidiOutDevice> stopOutput;
    // The answering input's name, for the answer history; read on the MIDI
    // input thread with std::atomic_load.
    std::shared_ptr<const QString> answeringName;
    QString startFailure;

    bool hasBuiltInOutput = false;
    int outputIndex = -1;
    InstrumentChoice instruments;
    int questionProgram = 0;
    // The program last selected on the output in use; -2 when unknown.
    int outputProgram = -2;
    std::mt19937 random {std::random_device {}()};
};
