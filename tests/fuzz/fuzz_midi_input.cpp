// A MIDI input port delivers whatever the device sends: a broken keyboard, a
// sequencer streaming clock, a sysex dump. The bytes go the way the port's
// callback sends them: into the input device's ProcessEvent, through the
// answer listener to the session, whose answers arrive by queued signal and
// are scored against a real question bank.
//
// Input layout: one byte of set-up (level, velocity scale), then messages,
// each a length byte, a time byte and that many bytes.

#include "fuzz_support.h"
#include "training_session.h"

#include <midi/midi_device_base.h>
#include <midi_answer_listener.h>

#include <QTimerEvent>

#include <cstddef>
#include <cstdint>
#include <vector>

namespace {

// The base device with the conversion the RtMidi port's callback performs.
class FuzzInputDevice : public Core::MidiInDeviceBase {
public:
    QString GetName() const override { return QStringLiteral("fuzz input"); }

    // Each input starts at time 0, as a port does when it is opened.
    void Restart()
    {
        Reset();
        inputTime = 0.0;
    }

    void Receive(double delta, const std::vector<unsigned char> &bytes)
    {
        Core::MidiEvent event;
        event.tick = static_cast<std::int32_t>(inputTime * 768);
        inputTime += delta;
        event.time = inputTime;
        event.message = Core::MidiMessage(bytes.data(), bytes.size());
        ProcessEvent(event);
    }

private:
    double inputTime = 0.0;
};

struct KeyboardRecorder : KeyMarking {
    unsigned long answersShown = 0;
    void clearKeysState() override {}
    void markKeys(const QList<int> &, const QList<int> &) override { ++answersShown; }
    void repaintKeyboard() override {}
};

struct SoundRecorder : NoteOutput {
    unsigned long notesPlayed = 0;
    unsigned long stops = 0;
    unsigned lastNote = 0;
    void playNote(unsigned note, bool) override
    {
        ++notesPlayed;
        lastNote = note;
    }
    void stopPlayback() override { ++stops; }
};

// Lets the fuzzer end the feedback pause at once instead of after 400 ms.
class FuzzSession : public TrainingSession {
public:
    using TrainingSession::TrainingSession;
    void endFeedbackPause()
    {
        QTimerEvent event(0);
        timerEvent(&event);
    }
};

struct Rig {
    QuestionBank bank;
    KeyboardRecorder keyboard;
    SoundRecorder sound;
    FuzzSession session{bank, keyboard, sound};
    std::shared_ptr<FuzzInputDevice> device = std::make_shared<FuzzInputDevice>();
    Core::MidiAnswerListener listener{[this](const Core::MidiEvent &e) { session.processMidiEvent(e); }, device};

    Rig()
    {
        // As from the MIDI input thread: the answer reaches the session queued.
        QObject::connect(&session, &TrainingSession::midiAnswer, &session,
                         qOverload<const Answer &>(&TrainingSession::ProvideMidiAnswer),
                         Qt::QueuedConnection);
    }
};

Rig *rig = nullptr;

// A note-on as the MIDI standard has it: three bytes or more, status 9n,
// note and velocity data bytes, velocity above 0.
bool isProperNoteOn(const std::vector<unsigned char> &bytes, double velocityScale)
{
    if (bytes.size() < 3 || (bytes[0] & 0xF0) != 0x90 || bytes[1] > 0x7F || bytes[2] > 0x7F)
        return false;
    return static_cast<int>(bytes[2] * velocityScale) > 0;
}

bool isAnswering(int state)
{
    return state == TrainingSession::Asking || state == TrainingSession::Asked;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    Fuzz::startQt(argc, argv);
    QCoreApplication::setApplicationName("fuzz-midi");
    QDir().mkpath(QString::fromLocal8Bit(qgetenv("XDG_CONFIG_HOME")) + "/Brandmoor");
    // Never destroyed, like the application (see Fuzz::startQt).
    rig = new Rig;
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size == 0)
        return 0;
    QuestionBank &bank = rig->bank;
    FuzzSession &session = rig->session;
    FuzzInputDevice &device = *rig->device;

    // The same questions for the same input.
    std::srand(1);
    bank.setLevel(data[0] % 12 + 1);
    const double velocityScale = (data[0] & 0x80) ? 0.5 : 1.0;
    device.SetVelocityScale(velocityScale);
    device.Restart();
    TrainingSession::firstPlayPending = true;
    session.StartPlayBack();
    Fuzz::require(session.state() == TrainingSession::Asking, "the session asks after StartPlayBack");

    std::size_t at = 1;
    while (at < size) {
        // Short messages are the common case; every fourth length byte makes a long one (sysex, garbage).
        const std::uint8_t lengthByte = data[at++];
        const std::size_t length = lengthByte < 0xC0 ? lengthByte % 4 : static_cast<std::size_t>(lengthByte - 0xC0) * 5;
        const double delta = at < size ? data[at++] / 100.0 : 0.0;
        const std::size_t available = std::min(length, size - at);
        const std::vector<unsigned char> bytes(data + at, data + at + available);
        at += available;

        const int stateBefore = session.state();
        const unsigned long shownBefore = rig->keyboard.answersShown;
        const std::uint32_t scoredBefore = bank.correctCount + bank.incorrectCount;
        device.Receive(delta, bytes);
        QCoreApplication::processEvents();

        const unsigned long answers = rig->keyboard.answersShown - shownBefore;
        const bool noteOn = isProperNoteOn(bytes, velocityScale);
        if (!noteOn)
            Fuzz::require(answers == 0, "only a note-on with velocity above 0 is scored");
        else if (isAnswering(stateBefore))
            Fuzz::require(answers == 1, "a note-on while asking is scored once");
        else
            Fuzz::require(answers == 0, "a note-on outside a question is not scored");
        if (answers == 1)
            Fuzz::require(bank.correctCount + bank.incorrectCount == scoredBefore + 1, "a scored answer is counted");
        Fuzz::checkBankInvariants(bank);

        // The feedback pause ends and the next question is asked at once.
        if (session.state() == TrainingSession::Feedback) {
            TrainingSession::firstPlayPending = true;
            session.endFeedbackPause();
            Fuzz::checkBankInvariants(bank);
            if (session.state() != TrainingSession::Asking)
                session.StartPlayBack();
        }
    }

    // The history spans all inputs so far: it must have stopped growing.
    QVector<Core::MidiEvent> history;
    device.GetEvents(history);
    Fuzz::require(history.size() <= Core::MidiInDeviceBase::kMaxEvents, "the event history stays bounded");
    return 0;
}
