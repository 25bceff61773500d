#pragma once

#include <midi/midi_device.h>

#include <functional>
#include <memory>
#include <mutex>
#include <vector>

namespace Core {

// Hands every event of its MIDI input devices to the training session's
// answer rule, on the devices' input threads, and says which device sent it.
// It never keeps a device alive.
class MidiAnswerListener {
public:
    using AnswerRule = std::function<void(const MidiEvent &)>;
    // Called before the rule with the device that sent the event.
    using SourceHook = std::function<void(const MidiInDevice &)>;

    MidiAnswerListener(AnswerRule rule, const std::shared_ptr<MidiInDevice> &device, SourceHook source = {});
    ~MidiAnswerListener();
    MidiAnswerListener(const MidiAnswerListener &) = delete;
    MidiAnswerListener &operator=(const MidiAnswerListener &) = delete;

    // Listens to these devices instead; once it returns, a device no longer
    // listed delivers nothing more. Devices listed again stay attached, so a
    // key press in flight on them is not lost.
    void SetDevices(const std::vector<std::shared_ptr<MidiInDevice>> &devices);
    void SetDevice(const std::shared_ptr<MidiInDevice> &device);
    std::shared_ptr<MidiInDevice> GetDevice() const;
    std::vector<std::shared_ptr<MidiInDevice>> GetDevices() const;

private:
    // One observer per device, so that each event knows where it came from.
    class Tap : public MidiDeviceObserver {
    public:
        Tap(MidiAnswerListener &owner, const std::shared_ptr<MidiInDevice> &device);
        ~Tap() override;
        void OnMidiEvent(const MidiEvent &event) override;
        std::shared_ptr<MidiInDevice> Device() const { return device.lock(); }

    private:
        MidiAnswerListener &owner;
        std::weak_ptr<MidiInDevice> device;
        const MidiInDevice *const source;
    };

    mutable std::mutex mutex;
    const AnswerRule answerRule;
    const SourceHook sourceHook;
    std::vector<std::unique_ptr<Tap>> taps;
};

} // namespace Core
