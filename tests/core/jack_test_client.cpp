#include "jack_test_client.h"

#include <jack/midiport.h>

JackTestClient::JackTestClient(const char *name)
{
    client = jack_client_open(name, JackNoStartServer, nullptr);
    if (!client)
        return;
    out = jack_port_register(client, "out", JACK_DEFAULT_MIDI_TYPE, JackPortIsOutput, 0);
    in = jack_port_register(client, "in", JACK_DEFAULT_MIDI_TYPE, JackPortIsInput, 0);
    jack_set_process_callback(client, &JackTestClient::Process, this);
    if (!out || !in || jack_activate(client) != 0) {
        jack_client_close(client);
        client = nullptr;
    }
}

JackTestClient::~JackTestClient()
{
    if (client)
        jack_client_close(client);
}

QString JackTestClient::OutputPortName() const
{
    return out ? QString::fromUtf8(jack_port_name(out)) : QString();
}

QString JackTestClient::InputPortName() const
{
    return in ? QString::fromUtf8(jack_port_name(in)) : QString();
}

void JackTestClient::Send(const Bytes &message)
{
    std::lock_guard<std::mutex> lock(mutex);
    outgoing.push_back(message);
}

std::vector<Bytes> JackTestClient::Received() const
{
    std::lock_guard<std::mutex> lock(mutex);
    return received;
}

std::size_t JackTestClient::ReceivedCount() const
{
    std::lock_guard<std::mutex> lock(mutex);
    return received.size();
}

void JackTestClient::ClearReceived()
{
    std::lock_guard<std::mutex> lock(mutex);
    received.clear();
}

int JackTestClient::Process(jack_nframes_t frames, void *self)
{
    static_cast<JackTestClient *>(self)->Process(frames);
    return 0;
}

void JackTestClient::Process(jack_nframes_t frames)
{
    void *outBuffer = jack_port_get_buffer(out, frames);
    void *inBuffer = jack_port_get_buffer(in, frames);
    jack_midi_clear_buffer(outBuffer);

    std::lock_guard<std::mutex> lock(mutex);
    if (!outgoing.empty()) {
        const Bytes &message = outgoing.front();
        jack_midi_event_write(outBuffer, 0, message.data(), message.size());
        outgoing.pop_front();
    }
    const jack_nframes_t count = jack_midi_get_event_count(inBuffer);
    for (jack_nframes_t i = 0; i < count; ++i) {
        jack_midi_event_t event;
        if (jack_midi_event_get(&event, inBuffer, i) == 0)
            received.emplace_back(event.buffer, event.buffer + event.size);
    }
}
