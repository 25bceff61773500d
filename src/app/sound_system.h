#pragma once

#include "session_ports.h"

#include <QString>

#include <memory>

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

    // NoteOutput; stopPlayback is also called on the MIDI input thread.
    void playNote(unsigned note, bool echo) override;
    void stopPlayback() override;

private:
    void createSoundController(Core::SoundController::BuiltInOutputFactory builtInOutput);

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
};
