#include "sound_system.h"

#include <midi/midi_stream_observer.h>

#include <error.h>
#include <midi/midi_backend.h>
#include <midi/midi_device_connector.h>
#include <midi/midi_device_rt.h>
#include <midi/midi_stream_device.h>
#include <midi_answer_listener.h>
#include <theory/instruments.h>

#include <QCoreApplication>

#include <algorithm>

namespace {
constexpr std::uint8_t kNoteVelocity = 96;
constexpr double kQuestionSeconds = 5.0;
constexpr double kEchoSeconds = 2.0;
} // namespace

SoundSystem::SoundSystem(Core::SoundController::BuiltInOutputFactory builtInOutput)
{
    createSoundController(std::move(builtInOutput));
}

SoundSystem::~SoundSystem()
{
    // The listener goes first: once it is gone no MIDI input reaches the session.
    answerListener.reset();
    if (streamDevice && noteEnds)
        streamDevice->RemoveStreamObserver(noteEnds);
    if (streamDevice)
        streamDevice->Reset();
    // Nothing keeps sounding on an external synthesiser after the program ends.
    if (auto output = std::atomic_exchange(&stopOutput, std::shared_ptr<Core::MidiOutDevice>()))
        output->Reset();
    streamDevice.reset();
    deviceConnector.reset();
}

void SoundSystem::createSoundController(Core::SoundController::BuiltInOutputFactory builtInOutput)
{
    // Without MIDI ports the program still sounds on its own output, if it has
    // one, and trains with the on-screen keyboard.
    try {
        soundController = std::make_shared<Core::SoundController>(builtInOutput);
    } catch (const Error &error) {
        qWarning("Orvelle: MIDI is unavailable (error %d: %s); answer with the on-screen keyboard", error.GetCode(),
                 qPrintable(error.GetMessage()));
        soundController = std::make_shared<Core::SoundController>(builtInOutput, Core::SoundController::WithoutPorts);
    }
}

bool SoundSystem::Init(Core::MidiInStreamDeviceObserver &noteObserver, AnswerSink answerSink)
{
    noteEnds = &noteObserver;
    answers = std::move(answerSink);
    try {
        streamDevice = std::make_shared<Core::MidiInStreamDeviceAuto>(std::make_shared<Core::MidiStream>());
    } catch (const Error &error) {
        startFailure = QCoreApplication::translate("Application", "%1 (error %2)")
                           .arg(error.GetMessage())
                           .arg(error.GetCode());
        return false;
    }
    streamDevice->AddStreamObserver(noteEnds);
    ConnectMidiDevices();
    return true;
}

std::vector<std::shared_ptr<Core::MidiInDevice>> SoundSystem::listenedInputs() const
{
    std::vector<std::shared_ptr<Core::MidiInDevice>> inputs;
    if (!inputChoice.isEmpty()) {
        if (auto chosen = soundController->FindInDevice(inputChoice)) {
            inputs.push_back(chosen);
            return inputs;
        }
    }
    // Loopback ports echo whatever any program sends, the notes of the
    // question included; they would answer on their own.
    for (int i = 0; i < soundController->GetInDeviceCount(); ++i) {
        auto device = soundController->GetInDevice(i);
        if (!Core::MidiBackend::IsThroughPortName(device->GetName().toStdString()))
            inputs.push_back(device);
    }
    return inputs;
}

std::shared_ptr<Core::MidiOutDevice> SoundSystem::chosenOutput() const
{
    if (!outputChoice.isEmpty()) {
        if (auto chosen = soundController->FindOutDevice(outputChoice))
            return chosen;
    }
    if (soundController->GetOutDeviceCount() == 0)
        return nullptr;
    return soundController->GetOutDevice(0);
}

void SoundSystem::ConnectMidiDevices()
{
    const auto inputs = listenedInputs();
    if (answers) {
        if (!answerListener) {
            answerListener = std::make_shared<Core::MidiAnswerListener>(
                // The source hook has named the event's port just before.
                [this](const Core::MidiEvent &event) { answers(event, lastSourceName()); },
                nullptr,
                [this](const Core::MidiInDevice &device) { noteSource(device); });
        }
        answerListener->SetDevices(inputs);
    }

    const auto output = chosenOutput();
    if (!streamDevice || output == std::atomic_load(&stopOutput))
        return;
    if (streamDevice)
        streamDevice->Reset();
    // The old output falls silent; the new one starts from a known state.
    if (auto old = std::atomic_exchange(&stopOutput, output))
        old->Reset();
    if (!output) {
        deviceConnector.reset();
        return;
    }
    output->Reset();
    // A new output has not heard the question's program yet.
    outputProgram = -2;
    // The new connector is attached before the one it replaces lets go.
    deviceConnector = std::make_shared<Core::MidiDeviceConnector>(streamDevice, output);
}

void SoundSystem::noteSource(const Core::MidiInDevice &device)
{
    std::function<void()> hook;
    {
        std::lock_guard<std::mutex> lock(answeringMutex);
        // A device that went may leave its address to a new one: the name
        // tells them apart.
        const QString name = device.GetName();
        if (answering == &device && answeringName == name)
            return;
        answering = &device;
        answeringName = name;
        hook = answeringChanged;
    }
    if (hook)
        hook();
}

QString SoundSystem::lastSourceName() const
{
    std::lock_guard<std::mutex> lock(answeringMutex);
    return answeringName;
}

void SoundSystem::SetAnsweringChangedHook(std::function<void()> hook)
{
    std::lock_guard<std::mutex> lock(answeringMutex);
    answeringChanged = std::move(hook);
}

QString SoundSystem::AnsweringInputName() const
{
    const auto inputs = answerListener ? answerListener->GetDevices() : listenedInputs();
    if (inputs.empty())
        return QString();
    {
        std::lock_guard<std::mutex> lock(answeringMutex);
        for (const auto &device : inputs) {
            if (device.get() == answering && device->GetName() == answeringName)
                return answeringName;
        }
    }
    return inputs.front()->GetName();
}

bool SoundSystem::InputChoiceMissing() const
{
    return !inputChoice.isEmpty() && !soundController->FindInDevice(inputChoice);
}

bool SoundSystem::OutputChoiceMissing() const
{
    return !outputChoice.isEmpty() && !soundController->FindOutDevice(outputChoice);
}

QStringList SoundSystem::UnopenedInputs() const
{
    return soundController->UnopenedInputs();
}

QStringList SoundSystem::OutputPortNames() const
{
    QStringList names;
    for (int i = soundController->HasBuiltInOutput() ? 1 : 0; i < soundController->GetOutDeviceCount(); ++i)
        names << soundController->GetOutDevice(i)->GetName();
    return names;
}

std::shared_ptr<Core::MidiOutDevice> SoundSystem::CurrentOutput() const
{
    return std::atomic_load(&stopOutput);
}

bool SoundSystem::RescanDevices()
{
    try {
        return soundController->RefreshDevices();
    } catch (const Error &) {
        return false;
    }
}

void SoundSystem::FollowServers(bool jackStopped)
{
    if (!soundController)
        return;
    if (jackStopped)
        soundController->ForgetJackServer();
    else
        soundController->FollowNewServers();
}

void SoundSystem::SetInstrumentChoice(const InstrumentChoice &choice)
{
    instruments = choice;
    // The question sounding now keeps its timbre for replays and echoes
    // while the new choice still allows it.
    const bool allowed = choice.vary && !choice.varied.empty()
                             ? std::find(choice.varied.begin(), choice.varied.end(), questionProgram) != choice.varied.end()
                             : questionProgram == choice.program;
    if (!allowed)
        questionProgram = choice.program;
}

int SoundSystem::DrawQuestionProgram()
{
    if (!instruments.vary || instruments.varied.empty())
        return instruments.program;
    std::uniform_int_distribution<std::size_t> pick(0, instruments.varied.size() - 1);
    return instruments.varied[pick(random)];
}

bool SoundSystem::OutputIsBuiltIn() const
{
    // The built-in synthesiser, where there is one, heads the output list.
    return soundController->HasBuiltInOutput() && soundController->GetOutDeviceCount() > 0 &&
           CurrentOutput() == soundController->GetOutDevice(0);
}

void SoundSystem::playNote(unsigned note, bool echo)
{
    if (!echo)
        questionProgram = DrawQuestionProgram();
    Play(note, echo ? kEchoSeconds : kQuestionSeconds);
}

void SoundSystem::replayNote(unsigned note)
{
    Play(note, kQuestionSeconds);
}

void SoundSystem::Play(unsigned note, double seconds)
{
    if (!streamDevice)
        return;
    const auto number = static_cast<std::uint8_t>(note & 0xFF);
    // An external synthesiser keeps its own sound unless the user chose one,
    // and has no pure tone; the built-in one plays whatever was chosen.
    const bool selects = OutputIsBuiltIn() || (instruments.chosen && questionProgram != Core::kPureTone);
    PlayOneNote(number, kNoteVelocity, seconds,
                selects && questionProgram != outputProgram ? std::optional<int>(questionProgram) : std::nullopt);
}

void SoundSystem::PlayOneNote(std::uint8_t number, std::uint8_t velocity, double seconds, std::optional<int> program)
{
    auto stream = std::make_shared<Core::MidiStream>();
    if (program) {
        stream->Append(Core::MidiMessage(0xB0, 0, 0, Core::BankOf(*program)), 0, 0.0);
        const std::uint8_t programChange[] = {0xC0, Core::ProgramNumberOf(*program)};
        stream->Append(Core::MidiMessage(programChange, sizeof programChange), 0, 0.0);
        outputProgram = *program;
    }
    stream->Append(Core::MidiMessage(0x90, 0, number, velocity), 0, 0.0);
    stream->Append(Core::MidiMessage(0x80, 0, number, velocity), 0, seconds);
    StartStream(stream);
}

void SoundSystem::StartStream(std::shared_ptr<Core::MidiStream> stream)
{
    stopPlayback();
    streamDevice->SetStream(stream);
    streamDevice->Start();
}

void SoundSystem::PlayInTimbre(unsigned note, int program, int velocity, double seconds)
{
    if (!streamDevice)
        return;
    const auto number = static_cast<std::uint8_t>(note & 0x7F);
    const auto strength = static_cast<std::uint8_t>(std::clamp(velocity, 1, 127));
    // An external synthesiser has no pure tone; it keeps whatever it plays.
    const bool selects = OutputIsBuiltIn() || program != Core::kPureTone;
    PlayOneNote(number, strength, seconds, selects ? std::optional<int>(program) : std::nullopt);
}

std::int64_t SoundSystem::audibleSinceMs(std::int64_t playedMs) const
{
    const auto output = CurrentOutput();
    return output ? output->GetAudibleSinceMs(playedMs) : playedMs;
}

// On a channel of its own, so that the questions' program stays selected.
void SoundSystem::playMaskingNoise(double seconds)
{
    stopPlayback();
    if (!streamDevice || !OutputIsBuiltIn())
        return;
    constexpr std::uint8_t kNoiseChannel = 15;
    constexpr std::uint8_t kNoiseKey = 60;
    auto stream = std::make_shared<Core::MidiStream>();
    stream->Append(Core::MidiMessage(0xB0, kNoiseChannel, 0, Core::kPureToneBank), 0, 0.0);
    const std::uint8_t programChange[] = {static_cast<std::uint8_t>(0xC0 | kNoiseChannel),
                                          static_cast<std::uint8_t>(Core::kBrownNoiseProgram)};
    stream->Append(Core::MidiMessage(programChange, sizeof programChange), 0, 0.0);
    stream->Append(Core::MidiMessage(0x90, kNoiseChannel, kNoiseKey, kNoteVelocity), 0, 0.0);
    stream->Append(Core::MidiMessage(0x80, kNoiseChannel, kNoiseKey, kNoteVelocity), 0, seconds);
    streamDevice->SetStream(stream);
    streamDevice->Start();
}

void SoundSystem::stopPlayback()
{
    if (streamDevice)
        streamDevice->Reset();
    if (auto output = std::atomic_load(&stopOutput))
        output->Silence();
}
