#pragma once

// Real MIDI ports for tests: a private JACK server on the dummy driver, and a
// peer client that owns a MIDI output port (a "keyboard") and a MIDI input
// port (a "synth") and records what reaches it.

#include <QByteArray>
#include <QProcess>
#include <QString>

#include <chrono>
#include <cstdint>
#include <deque>
#include <memory>
#include <mutex>
#include <vector>

typedef struct _jack_client jack_client_t;
typedef struct _jack_port jack_port_t;

class JackServer {
public:
    // Starts jackd under a server name of its own and points this process at it
    // (JACK_DEFAULT_SERVER). Check isRunning().
    JackServer();
    ~JackServer();
    JackServer(const JackServer &) = delete;
    JackServer &operator=(const JackServer &) = delete;

    bool isRunning() const { return running; }
    const QString &name() const { return serverName; }
    int periodFrames() const { return 256; }
    int sampleRate() const { return 48000; }
    void stop();

private:
    QProcess process;
    QString serverName;
    bool running = false;
};

struct ReceivedMessage {
    std::vector<std::uint8_t> bytes;
    std::chrono::steady_clock::time_point arrival;
};

class JackMidiPeer {
public:
    // Opens a client with the ports "keyboard" (output) and "synth" (input), or one of them.
    explicit JackMidiPeer(const char *clientName = "orvelle-peer", bool withKeyboard = true, bool withSynth = true);
    ~JackMidiPeer();
    JackMidiPeer(const JackMidiPeer &) = delete;
    JackMidiPeer &operator=(const JackMidiPeer &) = delete;

    bool isOpen() const { return client != nullptr; }
    QString keyboardPortName() const;
    QString synthPortName() const;

    // Queued and written in the next JACK cycle.
    void send(std::vector<std::uint8_t> bytes);
    // Everything the synth port received so far, oldest first.
    std::vector<ReceivedMessage> received() const;
    std::size_t receivedCount() const;
    void clearReceived();
    // Closes the client: its ports disappear.
    void close();

private:
    static int process(std::uint32_t frames, void *self);
    void processCycle(std::uint32_t frames);

    jack_client_t *client = nullptr;
    jack_port_t *keyboard = nullptr;
    jack_port_t *synth = nullptr;
    mutable std::mutex mutex;
    std::deque<std::vector<std::uint8_t>> outgoing;
    std::vector<ReceivedMessage> incoming;
};
