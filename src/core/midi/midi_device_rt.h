#pragma once

#include "error.h"
#include "midi_backend.h"
#include "midi_device_base.h"
#include "midi_input_relay.h"

#include <memory>
#include <mutex>

namespace Core {

// An input port reached through RtMidi. The device opens its port at
// construction and on every Reset; its events come from a delivery thread of
// its own, never from the library's thread (under JACK the server's).
// A port index counts only ports that are not the program's own.
class MidiInRtDevice : public MidiInDeviceBase {
public:
    static constexpr int kTicksPerSecond = 384 * 2;

    explicit MidiInRtDevice(unsigned port, RtMidi::Api api = MidiBackend::CurrentApi());
    // Opens the port of this full name, wherever it is in the list.
    explicit MidiInRtDevice(const QString &portName, RtMidi::Api api = MidiBackend::CurrentApi());
    ~MidiInRtDevice() override;

    QString GetName() const override;
    // Reopens the port: clears the note tables and starts the input time at 0.
    void Reset() override;
    // Cancels the callback before the port closes; once Close has returned no
    // callback of this device runs.
    void Close() override;
    bool IsOpen() const override;

    unsigned GetPort() const { return port; }
    RtMidi::Api GetApi() const { return api; }

    // Counts the input ports of a new enumeration, which also chooses the
    // MIDI API for the devices made after it. Raises Error only when no
    // compiled API can create a client.
    static unsigned GetPortCount();

private:
    static void OnInput(double delta, std::vector<unsigned char> *bytes, void *relay);
    void Receive(double delta, const MidiMessage &message);

    // Guards midiIn, relay, portName, receiving and inputTime; never held
    // while observers run or while a library object is torn down.
    mutable std::mutex inputMutex;
    std::shared_ptr<RtMidiIn> midiIn;
    std::unique_ptr<MidiInputRelay> relay; // outlives midiIn, which pushes into it
    double inputTime = 0.0;
    bool receiving = false;
    QString portName; // of the port opened
    const unsigned port;
    const std::string wantedName; // empty when made for an index
    const RtMidi::Api api;
};

// An output port reached through RtMidi. Send and Reset may come from two
// threads (the timer thread plays notes, whoever stops playback resets), so
// they exclude each other; a Reset's 48 messages are never interleaved.
class MidiOutRtDevice : public MidiOutDevice {
public:
    explicit MidiOutRtDevice(unsigned port, RtMidi::Api api = MidiBackend::CurrentApi());
    // Opens the port of this full name, wherever it is in the list.
    explicit MidiOutRtDevice(const QString &portName, RtMidi::Api api = MidiBackend::CurrentApi());
    ~MidiOutRtDevice() override;

    QString GetName() const override;
    void Open() override;
    // Closes the port; the device stays usable, and silent, until Open.
    void Close();
    void ForgetJackServer() override;
    void Reset() override;
    void Silence() override;
    void Send(const MidiMessage &message) override;
    double GetGain() const override { return 0.0; }
    void SetGain(double) override {}

    // Whether the port opened (the device stays usable, and silent, if not).
    bool IsPortOpen() const;
    unsigned GetPort() const { return port; }
    RtMidi::Api GetApi() const { return api; }

    // Output ports of the API chosen by the last enumeration; 0 on failure.
    static unsigned GetPortCount();

private:
    void SendLocked(const std::uint8_t *bytes, std::size_t count);

    mutable std::mutex sendMutex;
    std::shared_ptr<RtMidiOut> midiOut;
    QString portName; // of the port opened
    const unsigned port;
    const std::string wantedName; // empty when made for an index
    const RtMidi::Api api;
};

} // namespace Core
