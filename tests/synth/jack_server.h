#pragma once

#include <jack_test_server.h>

#include <cstdint>
#include <memory>
#include <vector>

namespace SynthTest {

// A JACK client whose inputs are fed from the ports of another client; it
// keeps the loudest recent sample and counts silent periods, so a test can
// see sound arrive and stop.
class JackListener {
public:
    explicit JackListener(const char *name);
    ~JackListener();
    JackListener(const JackListener &) = delete;
    JackListener &operator=(const JackListener &) = delete;

    bool IsOpen() const;
    // Connects every output port whose name matches the pattern; returns how many.
    int ConnectFrom(const char *portPattern);
    // Peak of the last period that carried sound since the previous call.
    float TakePeak();
    // Periods in a row without a sample above the threshold.
    int SilentPeriods() const;
    // Monotonic nanoseconds at the start of the JACK cycle that first carried
    // sound after Arm(), plus the offset of the first loud sample; 0 until then.
    std::int64_t FirstSoundNanoseconds() const;
    void Arm(float threshold);
    int SampleRate() const;
    int PeriodSize() const;
    // Records the next `frames` samples of the first input; Recording gives
    // them once all have arrived (and stops recording), empty before.
    void StartRecording(std::size_t frames);
    std::vector<float> Recording() const;

    struct State; // shared with the JACK process callback

private:
    std::unique_ptr<State> state;
};

} // namespace SynthTest
