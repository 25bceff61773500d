// How late the note player dispatches events: a stream with one event every
// 10 ms, and a single note whose note-off is due at 5.000 s.
#include "bench_stats.h"

#include <midi/midi_stream_device.h>
#include <timer.h>

#include <atomic>
#include <chrono>
#include <mutex>
#include <thread>

namespace {

class DispatchRecorder : public Core::MidiDeviceObserver, public Core::MidiInStreamDeviceObserver {
public:
    void OnMidiEvent(const Core::MidiEvent &event) override
    {
        std::lock_guard<std::mutex> lock(mutex);
        dispatched.push_back({event.time, MonotonicNs()});
    }
    void onStreamFinished() override { finished = true; }

    struct Dispatch {
        double due;
        std::int64_t at;
    };
    std::mutex mutex;
    std::vector<Dispatch> dispatched;
    std::atomic<bool> finished{false};
};

void WaitForEnd(DispatchRecorder &recorder)
{
    while (!recorder.finished)
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
}

} // namespace

int main()
{
    using namespace Core;
    auto player = std::make_shared<MidiInStreamDeviceAuto>();
    DispatchRecorder recorder;
    player->AddObserver(static_cast<MidiDeviceObserver *>(&recorder));
    player->AddStreamObserver(&recorder);
    std::this_thread::sleep_for(std::chrono::milliseconds(100)); // the application's player is long idle before a note

    constexpr int kEvents = 1000;
    auto stream = std::make_shared<MidiStream>();
    for (int i = 0; i < kEvents; ++i)
        stream->Append(MidiMessage(0x90, 0, static_cast<std::uint8_t>(i % 128), 96), i, i * 0.010);
    player->SetStream(stream);
    std::int64_t start = MonotonicNs();
    player->Start();
    WaitForEnd(recorder);
    std::vector<double> errors;
    {
        std::lock_guard<std::mutex> lock(recorder.mutex);
        for (const auto &d : recorder.dispatched)
            errors.push_back(double(d.at - start) / 1e6 - d.due * 1000.0);
        recorder.dispatched.clear();
    }
    std::printf("stream of %d events every 10 ms over %.1f s\n", kEvents, (kEvents - 1) * 0.010);
    PrintDistribution("dispatch time minus due time", errors, "ms");

    std::vector<double> noteOffErrors;
    for (int round = 0; round < 2; ++round) {
        auto note = std::make_shared<MidiStream>();
        note->Append(MidiMessage(0x90, 0, 60, 96), 0, 0.0);
        note->Append(MidiMessage(0x80, 0, 60, 96), 0, 5.0);
        recorder.finished = false;
        player->SetStream(note);
        start = MonotonicNs();
        player->Start();
        WaitForEnd(recorder);
        std::lock_guard<std::mutex> lock(recorder.mutex);
        // The timer slept until Start woke it: the note-on must still go at once.
        std::printf("note-on after an idle timer went out at %+.3f ms\n",
                    double(recorder.dispatched.front().at - start) / 1e6);
        noteOffErrors.push_back(double(recorder.dispatched.back().at - start) / 1e6 - 5000.0);
        recorder.dispatched.clear();
    }
    for (double e : noteOffErrors)
        std::printf("note-off due at 5.000 s went out at %+.3f ms\n", e);
    std::printf("timer thread real-time (SCHED_FIFO): %s\n", Timer::IsRealTime() ? "yes" : "no (RLIMIT_RTPRIO is 0)");

    player->RemoveObserver(static_cast<MidiDeviceObserver *>(&recorder));
    player->RemoveStreamObserver(&recorder);
    return 0;
}
