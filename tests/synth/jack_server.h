#pragma once

#include <QProcess>
#include <QString>

#include <cstdint>
#include <memory>
#include <vector>

namespace SynthTest {

// A JACK server with the dummy driver (no sound card needed), running for
// the life of the object under the name given; clients find it through
// JACK_DEFAULT_SERVER.
class JackServer {
public:
    JackServer(const QString &name, int sampleRate, int periodSize);
    ~JackServer();
    JackServer(const JackServer &) = delete;
    JackServer &operator=(const JackServer &) = delete;

    bool Started() const;
    // Waits until clients can connect; false if the server exits first
    // (JACK refuses to run more than eight servers at once) or the time passes.
    bool WaitUntilReady(int timeoutMilliseconds);
    // What the server printed so far.
    QString Output() const;
    qint64 ProcessId() const { return process.processId(); }

private:
    const QString name;
    mutable QProcess process;
};

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
