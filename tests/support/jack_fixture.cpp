#include "jack_fixture.h"

#include <jack/jack.h>
#include <jack/midiport.h>

#include <thread>

namespace {

void quiet(const char *) {}

jack_client_t *openClient(const char *name)
{
    jack_set_error_function(quiet);
    jack_set_info_function(quiet);
    jack_status_t status;
    return jack_client_open(name, JackNoStartServer, &status);
}

} // namespace

JackMidiPeer::JackMidiPeer(const char *clientName, bool withKeyboard, bool withSynth, const char *keyboardPort)
{
    client = openClient(clientName);
    if (!client)
        return;
    if (withKeyboard)
        keyboard = jack_port_register(client, keyboardPort, JACK_DEFAULT_MIDI_TYPE, JackPortIsOutput, 0);
    if (withSynth)
        synth = jack_port_register(client, "synth", JACK_DEFAULT_MIDI_TYPE, JackPortIsInput, 0);
    jack_set_process_callback(client, &JackMidiPeer::process, this);
    jack_set_xrun_callback(client, &JackMidiPeer::xrun, this);
    if ((withKeyboard && !keyboard) || (withSynth && !synth) || jack_activate(client) != 0)
        close();
}

JackMidiPeer::~JackMidiPeer()
{
    close();
}

void JackMidiPeer::close()
{
    if (client) {
        jack_deactivate(client);
        jack_client_close(client);
        client = nullptr;
    }
}

void JackMidiPeer::deactivate()
{
    if (client)
        jack_deactivate(client);
}

QString JackMidiPeer::keyboardPortName() const
{
    return keyboard ? QString::fromUtf8(jack_port_name(keyboard)) : QString();
}

QByteArray JackMidiPeer::keyboardPortBytes() const
{
    return keyboard ? QByteArray(jack_port_name(keyboard)) : QByteArray();
}

QString JackMidiPeer::synthPortName() const
{
    return synth ? QString::fromUtf8(jack_port_name(synth)) : QString();
}

void JackMidiPeer::send(std::vector<std::uint8_t> bytes)
{
    std::lock_guard<std::mutex> lock(mutex);
    outgoing.push_back(std::move(bytes));
}

bool JackMidiPeer::connectKeyboardTo(const QString &portName)
{
    return keyboard && jack_connect(client, jack_port_name(keyboard), portName.toUtf8().constData()) == 0;
}

bool JackMidiPeer::keyboardConnected() const
{
    return keyboard && jack_port_connected(keyboard) > 0;
}

bool JackMidiPeer::synthConnected() const
{
    return synth && jack_port_connected(synth) > 0;
}

std::vector<std::vector<std::uint8_t>> JackMidiPeer::receivedBytes() const
{
    std::lock_guard<std::mutex> lock(mutex);
    std::vector<std::vector<std::uint8_t>> bytes;
    for (const ReceivedMessage &m : incoming)
        bytes.push_back(m.bytes);
    return bytes;
}

std::vector<std::chrono::steady_clock::time_point> JackMidiPeer::sentTimes() const
{
    std::lock_guard<std::mutex> lock(mutex);
    return written;
}

std::vector<ReceivedMessage> JackMidiPeer::received() const
{
    std::lock_guard<std::mutex> lock(mutex);
    return incoming;
}

std::size_t JackMidiPeer::receivedCount() const
{
    std::lock_guard<std::mutex> lock(mutex);
    return incoming.size();
}

void JackMidiPeer::clearReceived()
{
    std::lock_guard<std::mutex> lock(mutex);
    incoming.clear();
}

bool JackMidiPeer::awaitDelivery(const std::function<void()> &sendProbe, int timeoutMs)
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    while (receivedCount() == 0 && std::chrono::steady_clock::now() < deadline) {
        sendProbe();
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    const bool delivered = receivedCount() > 0;
    std::this_thread::sleep_for(std::chrono::milliseconds(100)); // the last probes still on their way
    clearReceived();
    return delivered;
}

int JackMidiPeer::process(std::uint32_t frames, void *self)
{
    static_cast<JackMidiPeer *>(self)->processCycle(frames);
    return 0;
}

int JackMidiPeer::xrun(void *self)
{
    ++static_cast<JackMidiPeer *>(self)->xrunCount;
    return 0;
}

void JackMidiPeer::processCycle(std::uint32_t frames)
{
    const auto now = std::chrono::steady_clock::now();
    void *out = keyboard ? jack_port_get_buffer(keyboard, frames) : nullptr;
    void *in = synth ? jack_port_get_buffer(synth, frames) : nullptr;
    if (out)
        jack_midi_clear_buffer(out);

    // What reaches the port is only there during this cycle: it is read now,
    // and kept aside while a test thread holds the lock.
    const std::uint32_t count = in ? jack_midi_get_event_count(in) : 0;
    for (std::uint32_t i = 0; i < count; ++i) {
        jack_midi_event_t event;
        if (jack_midi_event_get(&event, in, i) == 0)
            unrecorded.push_back({std::vector<std::uint8_t>(event.buffer, event.buffer + event.size), now});
    }

    // Never wait for a test thread: a test thread that holds the lock and is
    // put off the CPU would make this cycle late, and a late cycle loses the
    // MIDI of every client in the graph. What cannot go out now goes out in
    // the next cycle.
    std::unique_lock<std::mutex> lock(mutex, std::try_to_lock);
    if (!lock.owns_lock())
        return;
    std::uint32_t frame = 0;
    const std::uint32_t limit = onePerCycle ? 1 : frames;
    while (out && !outgoing.empty() && frame < limit) {
        const auto &bytes = outgoing.front();
        if (jack_midi_event_write(out, frame, bytes.data(), bytes.size()) != 0)
            break;
        outgoing.pop_front();
        written.push_back(now);
        ++frame;
    }
    for (ReceivedMessage &message : unrecorded)
        incoming.push_back(std::move(message));
    unrecorded.clear();
}
