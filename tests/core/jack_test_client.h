#pragma once

#include <jack/jack.h>

#include <QString>

#include <cstdint>
#include <deque>
#include <mutex>
#include <vector>

using Bytes = std::vector<std::uint8_t>;

// The far end for device tests: a JACK client with one MIDI output port
// ("out", which input devices open) and one MIDI input port ("in", which
// output devices open). Messages to send go out one per process cycle.
class JackTestClient {
public:
    explicit JackTestClient(const char *name = "orvelle-test");
    ~JackTestClient();

    JackTestClient(const JackTestClient &) = delete;
    JackTestClient &operator=(const JackTestClient &) = delete;

    bool IsOpen() const { return client != nullptr; }
    QString OutputPortName() const;
    QString InputPortName() const;

    // Whether a device has connected to the port yet: JACK delivers nothing
    // over a connection before it is in the graph.
    bool OutputConnected() const { return out && jack_port_connected(out) > 0; }
    bool InputConnected() const { return in && jack_port_connected(in) > 0; }

    void Send(const Bytes &message);
    std::vector<Bytes> Received() const;
    std::size_t ReceivedCount() const;
    void ClearReceived();

private:
    static int Process(jack_nframes_t frames, void *self);
    void Process(jack_nframes_t frames);

    jack_client_t *client = nullptr;
    jack_port_t *out = nullptr;
    jack_port_t *in = nullptr;
    mutable std::mutex mutex;
    std::deque<Bytes> outgoing;
    std::vector<Bytes> received;
};
