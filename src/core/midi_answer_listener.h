#pragma once

#include <midi/midi_device.h>

#include <functional>
#include <memory>
#include <mutex>

namespace Core {

// Hands every event of one MIDI input device to the training session's answer
// rule, on the device's input thread. It never keeps its device alive.
class MidiAnswerListener : public MidiDeviceObserver {
public:
    using AnswerRule = std::function<void(const MidiEvent &)>;

    MidiAnswerListener(AnswerRule rule, const std::shared_ptr<MidiInDevice> &device);
    ~MidiAnswerListener() override;
    MidiAnswerListener(const MidiAnswerListener &) = delete;
    MidiAnswerListener &operator=(const MidiAnswerListener &) = delete;

    // Moves the listener to another device; once it returns, the old device
    // delivers nothing more to it.
    void SetDevice(const std::shared_ptr<MidiInDevice> &device);
    std::shared_ptr<MidiInDevice> GetDevice() const;

    void OnMidiEvent(const MidiEvent &event) override;

private:
    mutable std::mutex mutex;
    const AnswerRule answerRule;
    std::weak_ptr<MidiInDevice> device;
};

} // namespace Core
