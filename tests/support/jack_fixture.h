#pragma once

// Real MIDI ports for tests: a peer client of the JACK server that
// with-jack.sh started, owning a MIDI output port (a "keyboard") and a MIDI
// input port (a "synth"), recording what reaches it.

#include <QByteArray>
#include <QString>

#include <atomic>
#include <chrono>
#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <vector>

typedef struct _jack_client jack_client_t;
typedef struct _jack_port jack_port_t;

struct ReceivedMessage {
    std::vector<std::uint8_t> bytes;
    std::chrono::steady_clock::time_point arrival;
};

class JackMidiPeer {
public:
    // Opens a client with the ports "keyboard" (output) and "synth" (input), or one of them;
    // the keyboard port may carry another name (any bytes but ':').
    explicit JackMidiPeer(const char *clientName = "orvelle-peer", bool withKeyboard = true, bool withSynth = true,
                          const char *keyboardPort = "keyboard");
    ~JackMidiPeer();
    JackMidiPeer(const JackMidiPeer &) = delete;
    JackMidiPeer &operator=(const JackMidiPeer &) = delete;

    bool isOpen() const { return client != nullptr; }
    QString keyboardPortName() const;
    // The keyboard port's full name as the server holds it.
    QByteArray keyboardPortBytes() const;
    QString synthPortName() const;

    // Queued and written in the next JACK cycle, or one message per cycle
    // where each must arrive with a time of its own.
    void send(std::vector<std::uint8_t> bytes);
    void setOneMessagePerCycle(bool one) { onePerCycle = one; }
    // Connects this peer's keyboard port to another port, by its full name.
    bool connectKeyboardTo(const QString &portName);
    // Whether somebody listens to the keyboard port, or plays into the synth port.
    bool keyboardConnected() const;
    bool synthConnected() const;
    // Everything the synth port received so far, oldest first.
    std::vector<ReceivedMessage> received() const;
    std::vector<std::vector<std::uint8_t>> receivedBytes() const;
    // When the JACK cycle wrote each sent message to the keyboard port, in order.
    std::vector<std::chrono::steady_clock::time_point> sentTimes() const;
    std::size_t receivedCount() const;
    void clearReceived();
    // A sanitized process is slow in the first JACK cycles after it connects an
    // output, and what such a late cycle wrote is lost in the xrun. Tests that
    // count messages first send probes until one arrives, then forget them.
    bool awaitDelivery(const std::function<void()> &sendProbe, int timeoutMs = 20000);
    // Closes the client: its ports disappear.
    void close();
    // Stops the client's processing, as programs often do some time before
    // they close it: the server announces its ports as gone, though they stay
    // listed until the close, which it then no longer announces.
    void deactivate();
    // Cycles the server reported late since this peer opened.
    int xruns() const { return xrunCount.load(); }

private:
    static int process(std::uint32_t frames, void *self);
    static int xrun(void *self);
    void processCycle(std::uint32_t frames);

    jack_client_t *client = nullptr;
    jack_port_t *keyboard = nullptr;
    jack_port_t *synth = nullptr;
    mutable std::mutex mutex;
    std::deque<std::vector<std::uint8_t>> outgoing;
    std::atomic<bool> onePerCycle{false};
    std::atomic<int> xrunCount{0};
    std::vector<ReceivedMessage> incoming;
    std::vector<ReceivedMessage> unrecorded; // the process thread's own
    std::vector<std::chrono::steady_clock::time_point> written;
};
