#include "midi_input_relay.h"

#include "midi_log.h"

#include <pthread.h>

#include <cerrno>

namespace Core {

MidiInputRelay::MidiInputRelay(Deliver deliverTo) : deliver(std::move(deliverTo))
{
    sem_init(&wake, 0, 0);
    thread = std::thread(&MidiInputRelay::Run, this);
}

MidiInputRelay::~MidiInputRelay()
{
    stopping = true;
    sem_post(&wake);
    if (thread.joinable())
        thread.join();
    sem_destroy(&wake);
}

void MidiInputRelay::Push(double delta, const std::uint8_t *bytes, std::size_t count)
{
    const std::size_t write = tail.load(std::memory_order_relaxed);
    if (write - head.load(std::memory_order_acquire) >= kCapacity) {
        dropped.fetch_add(1, std::memory_order_relaxed);
        return;
    }
    Slot &slot = ring[write % kCapacity];
    slot.delta = delta;
    slot.message = MidiMessage(bytes, count);
    tail.store(write + 1, std::memory_order_release);
    sem_post(&wake);
}

void MidiInputRelay::Run()
{
    pthread_setname_np(pthread_self(), "orvelle-midi-in");
    while (!stopping.load()) {
        if (sem_wait(&wake) != 0 && errno == EINTR)
            continue;
        if (stopping.load())
            break;
        DeliverPending();
        ReportDrops();
    }
}

void MidiInputRelay::DeliverPending()
{
    std::size_t read = head.load(std::memory_order_relaxed);
    while (read != tail.load(std::memory_order_acquire) && !stopping.load()) {
        const Slot slot = ring[read % kCapacity];
        head.store(++read, std::memory_order_release);
        deliver(slot.delta, slot.message);
    }
}

void MidiInputRelay::ReportDrops()
{
    const std::uint64_t now = dropped.load();
    if (now == droppedReported)
        return;
    qCWarning(lcMidi) << "MIDI input fell behind:" << (now - droppedReported) << "messages dropped";
    droppedReported = now;
}

} // namespace Core
