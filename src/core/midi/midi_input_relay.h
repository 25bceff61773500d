#pragma once

#include "midi_message.h"

#include <array>
#include <atomic>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <thread>

#include <semaphore.h>

namespace Core {

// Carries what an input port receives from the MIDI library's thread to a
// thread of our own, which runs the answer path. Under JACK the library calls
// in on the server's process thread: every client's cycle waits for it, so
// a lock or an allocation there makes the whole graph late, and a late cycle
// loses the MIDI of every client in it. Push only copies and wakes.
class MidiInputRelay {
public:
    using Deliver = std::function<void(double delta, const MidiMessage &message)>;

    explicit MidiInputRelay(Deliver deliver);
    // Ends the delivery thread: once it returns no delivery runs. Messages
    // not yet delivered are dropped. Never call it from a delivery.
    ~MidiInputRelay();
    MidiInputRelay(const MidiInputRelay &) = delete;
    MidiInputRelay &operator=(const MidiInputRelay &) = delete;

    // From a single producer thread: never blocks, never allocates. A full
    // queue drops the message and counts it.
    void Push(double delta, const std::uint8_t *bytes, std::size_t count);
    std::uint64_t Dropped() const { return dropped.load(); }

    // Room for a long burst (a keyboard's whole sysex dump arrives as one
    // message; clock and sensing add about 50 a second).
    static constexpr std::size_t kCapacity = 1024;

private:
    struct Slot {
        double delta = 0.0;
        MidiMessage message;
    };

    void Run();
    void DeliverPending();
    void ReportDrops();

    Deliver deliver;
    std::array<Slot, kCapacity> ring;
    std::atomic<std::size_t> head{0}; // next slot to read, owned by the delivery thread
    std::atomic<std::size_t> tail{0}; // next slot to write, owned by the producer
    std::atomic<std::uint64_t> dropped{0};
    std::uint64_t droppedReported = 0;
    std::atomic<bool> stopping{false};
    sem_t wake;
    std::thread thread; // last: started once everything above exists
};

} // namespace Core
