#include "sound_system.h"

#include "training_session.h"

#include <error.h>
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
    : hasBuiltInOutput(static_cast<bool>(builtInOutput))
{
    createSoundController(std::move(builtInOutput));
}

SoundSystem::~SoundSystem()
{
    // The listener goes first: once it is gone no MIDI input reaches the session.
    answerListener.reset();
    if (streamDevice && session)
        streamDevice->RemoveStreamObserver(session);
    std::atomic_store(&stopOutput, std::shared_ptr<Core::MidiOutDevice>());
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
    UseFirstDevices();
}

void SoundSystem::UseFirstDevices()
{
    if (soundController->GetInDeviceCount() > 0)
        soundController->SetCurrentInDevice(0);
    if (soundController->GetOutDeviceCount() > 0)
        soundController->SetCurrentOutDevice(0);
}

bool SoundSystem::Init(TrainingSession &trainingSession)
{
    session = &trainingSession;
    try {
        streamDevice = std::make_shared<Core::MidiInStreamDeviceAuto>(std::make_shared<Core::MidiStream>());
    } catch (const Error &error) {
        startFailure = QCoreApplication::translate("Application", "%1 (error %2)")
                           .arg(error.GetMessage())
                           .arg(error.GetCode());
        return false;
    }
    streamDevice->AddStreamObserver(session);
    ConnectMidiDevices();
    return true;
}

QString SoundSystem::AnsweringInputName() const
{
    if (soundController->GetInDeviceCount() == 0)
        return QString();
    return soundController->GetInDevice(0)->GetName();
}

void SoundSystem::ConnectMidiDevices()
{
    stopPlayback();

    const int in = soundController->GetCurrentInDevice();
    if (in == -1) {
        answerListener.reset();
    } else {
        std::shared_ptr<Core::MidiInDevice> device = soundController->GetInDevice(in);
        std::atomic_store(&answeringName, std::make_shared<const QString>(device->GetName()));
        if (!session) {
            // Not started: nobody to answer to yet.
        } else if (!answerListener) {
            TrainingSession *answers = session;
            answerListener = std::make_shared<Core::MidiAnswerListener>(
                [this, answers](const Core::MidiEvent &event) {
                    const auto name = std::atomic_load(&answeringName);
                    answers->processMidiEventFrom(event, name ? *name : QString());
                },
                device);
        } else {
            answerListener->SetDevice(device);
        }
    }

    int out = soundController->GetCurrentOutDevice();
    if (out == -1) {
        if (soundController->GetOutDeviceCount() == 0)
            return;
        out = 0;
    }
    // The new connector is attached before the one it replaces lets go.
    const auto output = soundController->GetOutDevice(out);
    deviceConnector = std::make_shared<Core::MidiDeviceConnector>(streamDevice, output);
    if (out != outputIndex || output != std::atomic_load(&stopOutput))
        outputProgram = -2;
    outputIndex = out;
    std::atomic_store(&stopOutput, output);
}

bool SoundSystem::RescanDevices()
{
    try {
        return soundController->RefreshDevices();
    } catch (const Error &) {
        return false;
    }
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
    return hasBuiltInOutput && outputIndex == 0;
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
    auto stream = std::make_shared<Core::MidiStream>();
    // An external synthesiser keeps its own sound unless the user chose one,
    // and has no pure tone; the built-in one plays whatever was chosen.
    const bool builtIn = OutputIsBuiltIn();
    const bool selects = builtIn || (instruments.chosen && questionProgram != Core::kPureTone);
    if (selects && questionProgram != outputProgram) {
        stream->Append(Core::MidiMessage(0xB0, 0, 0, Core::BankOf(questionProgram)), 0, 0.0);
        const std::uint8_t programChange[] = {0xC0, Core::ProgramNumberOf(questionProgram)};
        stream->Append(Core::MidiMessage(programChange, sizeof programChange), 0, 0.0);
        outputProgram = questionProgram;
    }
    stream->Append(Core::MidiMessage(0x90, 0, number, kNoteVelocity), 0, 0.0);
    stream->Append(Core::MidiMessage(0x80, 0, number, kNoteVelocity), 0, seconds);
    stopPlayback();
    streamDevice->SetStream(stream);
    streamDevice->Start();
}

void SoundSystem::stopPlayback()
{
    if (streamDevice)
        streamDevice->Reset();
    if (auto output = std::atomic_load(&stopOutput))
        output->Reset();
}
