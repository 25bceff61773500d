#pragma once

namespace Core {

// Told when a stream device has dispatched the last event of its stream.
class MidiInStreamDeviceObserver {
public:
    virtual ~MidiInStreamDeviceObserver() = default;
    virtual void onStreamFinished() = 0;
};

} // namespace Core
