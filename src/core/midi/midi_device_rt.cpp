#include "midi_device_rt.h"

#include "error.h"
#include "port_name.h"

#include <limits>

namespace Core {

namespace {
constexpr double kMaxTick = static_cast<double>(std::numeric_limits<std::int32_t>::max());

// The raw index of the port a device opens: the one of its name where it was
// made for a name, else its index among the foreign ports.
bool FindPort(RtMidi &midi, const std::string &wantedName, unsigned port, unsigned &raw)
{
    if (!wantedName.empty())
        return MidiBackend::RawPortIndexByName(midi, wantedName, raw);
    return MidiBackend::RawPortIndex(midi, port, raw);
}
} // namespace

// ---- input ----

MidiInRtDevice::MidiInRtDevice(unsigned portIndex, RtMidi::Api midiApi) : port(portIndex), api(midiApi)
{
    MidiInRtDevice::Reset();
}

MidiInRtDevice::MidiInRtDevice(const QString &name, RtMidi::Api midiApi)
    : port(0), wantedName(PortNameToBytes(name)), api(midiApi)
{
    MidiInRtDevice::Reset();
}

MidiInRtDevice::~MidiInRtDevice()
{
    MidiInRtDevice::Close();
}

QString MidiInRtDevice::GetName() const
{
    std::lock_guard<std::mutex> lock(inputMutex);
    return midiIn ? portName : QString();
}

void MidiInRtDevice::Close()
{
    std::shared_ptr<RtMidiIn> closing;
    std::unique_ptr<MidiInputRelay> closingRelay;
    {
        std::lock_guard<std::mutex> lock(inputMutex);
        receiving = false;
        closing = std::move(midiIn);
        closingRelay = std::move(relay);
    }
    if (closing) {
        try {
            closing->cancelCallback();
            closing->closePort();
        } catch (const RtMidiError &) {
        }
    }
    // Destroying the library object ends its input thread (or JACK client),
    // so nothing pushes any more; then the delivery thread ends, so no event
    // of this device is delivered once this returns.
    closing.reset();
    closingRelay.reset();
}

bool MidiInRtDevice::IsOpen() const
{
    std::lock_guard<std::mutex> lock(inputMutex);
    return midiIn != nullptr;
}

void MidiInRtDevice::Reset()
{
    Close();
    MidiInDeviceBase::Reset();
    {
        std::lock_guard<std::mutex> lock(inputMutex);
        inputTime = 0.0;
    }
    try {
        // Made before the library object, whose thread (JACK's process
        // thread) pushes into it: that thread starts after it exists. Declared
        // first, it also outlives the library object on every early return.
        auto delivery =
            std::make_unique<MidiInputRelay>([this](double delta, const MidiMessage &message) { Receive(delta, message); });
        std::shared_ptr<RtMidiIn> in = MidiBackend::MakeInput(api, MidiBackend::Purpose::Device);
        unsigned raw = 0;
        if (!in || !FindPort(*in, wantedName, port, raw))
            return;
        {
            std::lock_guard<std::mutex> lock(inputMutex);
            receiving = true;
        }
        // Taken now: ports of other programs come and go, so the index names
        // another port later on.
        const QString name = PortNameFromBytes(in->getPortName(raw));
        in->setCallback(&MidiInRtDevice::OnInput, delivery.get());
        in->ignoreTypes(false, false, false);
        in->openPort(raw, MidiBackend::kInputPortName);
        if (!in->isPortOpen()) {
            std::lock_guard<std::mutex> lock(inputMutex);
            receiving = false;
            return;
        }
        std::lock_guard<std::mutex> lock(inputMutex);
        midiIn = std::move(in);
        relay = std::move(delivery);
        portName = name;
    } catch (const RtMidiError &) {
        std::lock_guard<std::mutex> lock(inputMutex);
        receiving = false;
    }
}

// On the library's thread (JACK's process thread): only a copy and a wake.
void MidiInRtDevice::OnInput(double delta, std::vector<unsigned char> *bytes, void *relay)
{
    if (bytes && relay)
        static_cast<MidiInputRelay *>(relay)->Push(delta, bytes->data(), bytes->size());
}

void MidiInRtDevice::Receive(double delta, const MidiMessage &message)
{
    MidiEvent event;
    {
        std::lock_guard<std::mutex> lock(inputMutex);
        if (!receiving)
            return;
        const double previous = inputTime;
        // The tick is that of the previous message's time. A port open for
        // weeks runs past the largest tick; converting that would be undefined,
        // so the tick stops there.
        const double ticks = previous * kTicksPerSecond;
        event.tick = ticks < kMaxTick ? static_cast<std::int32_t>(ticks) : std::numeric_limits<std::int32_t>::max();
        inputTime = previous + delta;
        event.time = inputTime;
    }
    event.message = message;
    ProcessEvent(event);
}

unsigned MidiInRtDevice::GetPortCount()
{
    const ErrorLocation here = CORE_ERROR_LOCATION("Core::MidiInRtDevice::GetPortCount");
    const MidiBackend::Choice choice = MidiBackend::Choose();
    RtMidiError failure = choice.error;
    if (choice.usable) {
        try {
            const auto in = MidiBackend::MakeInput(choice.api, MidiBackend::Purpose::Scan);
            return in ? static_cast<unsigned>(MidiBackend::ForeignPorts(*in).size()) : 0;
        } catch (const RtMidiError &error) {
            failure = error;
        }
    }
    throw Error(here, kMidiLibraryErrorBase + static_cast<int>(failure.getType()),
                QString::fromStdString(failure.getMessage()));
}

// ---- output ----

MidiOutRtDevice::MidiOutRtDevice(unsigned portIndex, RtMidi::Api midiApi) : port(portIndex), api(midiApi)
{
    MidiOutRtDevice::Open();
}

MidiOutRtDevice::MidiOutRtDevice(const QString &name, RtMidi::Api midiApi)
    : port(0), wantedName(PortNameToBytes(name)), api(midiApi)
{
    MidiOutRtDevice::Open();
}

MidiOutRtDevice::~MidiOutRtDevice()
{
    MidiOutRtDevice::Close();
}

void MidiOutRtDevice::Close()
{
    std::lock_guard<std::mutex> lock(sendMutex);
    if (!midiOut)
        return;
    try {
        midiOut->closePort();
    } catch (const RtMidiError &) {
    }
    midiOut.reset();
}

QString MidiOutRtDevice::GetName() const
{
    std::lock_guard<std::mutex> lock(sendMutex);
    return midiOut ? portName : QString();
}

void MidiOutRtDevice::Open()
{
    std::lock_guard<std::mutex> lock(sendMutex);
    try {
        if (midiOut) {
            midiOut->closePort();
            midiOut.reset();
        }
        std::shared_ptr<RtMidiOut> out = MidiBackend::MakeOutput(api, MidiBackend::Purpose::Device);
        unsigned raw = 0;
        // A port that does not exist or does not open leaves the device
        // without a library object: it stays listed and sends nothing.
        if (!out || !FindPort(*out, wantedName, port, raw))
            return;
        // Taken now: ports of other programs come and go, so the index names
        // another port later on.
        const QString name = PortNameFromBytes(out->getPortName(raw));
        out->openPort(raw, MidiBackend::kOutputPortName);
        if (!out->isPortOpen())
            return;
        midiOut = std::move(out);
        portName = name;
    } catch (const RtMidiError &) {
        midiOut.reset();
    }
}

void MidiOutRtDevice::ForgetJackServer()
{
    if (api == RtMidi::UNIX_JACK)
        Close();
}

bool MidiOutRtDevice::IsPortOpen() const
{
    std::lock_guard<std::mutex> lock(sendMutex);
    return midiOut != nullptr;
}

void MidiOutRtDevice::Reset()
{
    std::lock_guard<std::mutex> lock(sendMutex);
    for (std::uint8_t channel = 0; channel < 16; ++channel) {
        const std::uint8_t status = static_cast<std::uint8_t>(0xB0 | channel);
        const std::uint8_t allSoundOff[] = {status, 120, 0};
        const std::uint8_t resetControllers[] = {status, 121, 0};
        const std::uint8_t fullVolume[] = {status, 7, 127};
        SendLocked(allSoundOff, 3);
        SendLocked(resetControllers, 3);
        SendLocked(fullVolume, 3);
    }
}

void MidiOutRtDevice::Silence()
{
    const std::uint8_t allSoundOff[] = {0xB0, 120, 0};
    const std::uint8_t allNotesOff[] = {0xB0, 123, 0};
    std::lock_guard<std::mutex> lock(sendMutex);
    SendLocked(allSoundOff, 3);
    SendLocked(allNotesOff, 3);
}

void MidiOutRtDevice::Send(const MidiMessage &message)
{
    // A system exclusive message arrives here cut to its first bytes; sent on
    // it would leave the receiver waiting for its end, so it is dropped.
    if (message.status == 0xF0 || message.GetLength() > static_cast<int>(MidiMessage::kMaxBytes))
        return;
    const std::uint8_t bytes[MidiMessage::kMaxBytes] = {message.status, message.data1, message.data2};
    std::lock_guard<std::mutex> lock(sendMutex);
    SendLocked(bytes, message.StoredLength());
}

void MidiOutRtDevice::SendLocked(const std::uint8_t *bytes, std::size_t count)
{
    if (!midiOut || count == 0)
        return;
    // The library's error callback is installed, so a failed send reports
    // nothing and throws nothing; the catch is for safety only.
    try {
        midiOut->sendMessage(bytes, count);
    } catch (const RtMidiError &) {
    }
}

unsigned MidiOutRtDevice::GetPortCount()
{
    try {
        const auto out = MidiBackend::MakeOutput(MidiBackend::CurrentApi(), MidiBackend::Purpose::Scan);
        return out ? static_cast<unsigned>(MidiBackend::ForeignPorts(*out).size()) : 0;
    } catch (const RtMidiError &) {
        return 0;
    }
}

} // namespace Core
