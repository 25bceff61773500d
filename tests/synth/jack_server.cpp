#include "jack_server.h"

#include <vector>

#include <jack/jack.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cmath>

namespace SynthTest {

struct JackListener::State {
    jack_client_t *client = nullptr;
    jack_port_t *inputs[2] = {nullptr, nullptr};
    std::atomic<float> peak {0.0f};
    std::atomic<int> silentPeriods {0};
    std::atomic<float> threshold {1e-4f};
    std::atomic<bool> armed {false};
    std::atomic<std::int64_t> firstSound {0};
    // The first input's samples from StartRecording on, until the buffer is full.
    std::vector<float> recording;
    std::atomic<bool> recordingOn {false};
    std::atomic<std::size_t> recorded {0};
};

namespace {

std::int64_t NowNanoseconds()
{
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

int Listen(jack_nframes_t frames, void *argument)
{
    auto *state = static_cast<JackListener::State *>(argument);
    const std::int64_t cycleSeen = NowNanoseconds();
    if (state->recordingOn.load()) {
        const auto *buffer = static_cast<const float *>(jack_port_get_buffer(state->inputs[0], frames));
        std::size_t done = state->recorded.load();
        for (jack_nframes_t i = 0; i < frames && done < state->recording.size(); ++i)
            state->recording[done++] = buffer[i];
        state->recorded.store(done);
    }
    const float threshold = state->threshold.load();
    float peak = 0.0f;
    long firstLoud = -1;
    for (jack_port_t *port : state->inputs) {
        const auto *buffer = static_cast<const float *>(jack_port_get_buffer(port, frames));
        for (jack_nframes_t i = 0; i < frames; ++i) {
            const float level = std::fabs(buffer[i]);
            peak = std::max(peak, level);
            if (level > threshold && (firstLoud < 0 || long(i) < firstLoud))
                firstLoud = long(i);
        }
    }
    if (peak <= threshold) {
        state->silentPeriods.fetch_add(1);
        return 0;
    }
    state->silentPeriods.store(0);
    float previous = state->peak.load();
    while (peak > previous && !state->peak.compare_exchange_weak(previous, peak)) {
    }
    if (state->armed.exchange(false)) {
        const double rate = jack_get_sample_rate(state->client);
        state->firstSound.store(cycleSeen + static_cast<std::int64_t>(1e9 * firstLoud / rate));
    }
    return 0;
}

} // namespace

JackListener::JackListener(const char *name) : state(std::make_unique<State>())
{
    jack_status_t status {};
    state->client = jack_client_open(name, JackNoStartServer, &status);
    if (!state->client)
        return;
    state->inputs[0] = jack_port_register(state->client, "in_1", JACK_DEFAULT_AUDIO_TYPE, JackPortIsInput, 0);
    state->inputs[1] = jack_port_register(state->client, "in_2", JACK_DEFAULT_AUDIO_TYPE, JackPortIsInput, 0);
    jack_set_process_callback(state->client, Listen, state.get());
    jack_activate(state->client);
}

JackListener::~JackListener()
{
    if (!state->client)
        return;
    jack_deactivate(state->client);
    jack_client_close(state->client);
}

bool JackListener::IsOpen() const
{
    return state->client != nullptr;
}

int JackListener::ConnectFrom(const char *portPattern)
{
    if (!state->client)
        return 0;
    const char **ports = jack_get_ports(state->client, portPattern, JACK_DEFAULT_AUDIO_TYPE, JackPortIsOutput);
    int connected = 0;
    for (int i = 0; ports && ports[i]; ++i) {
        if (jack_connect(state->client, ports[i], jack_port_name(state->inputs[i % 2])) == 0)
            ++connected;
    }
    jack_free(ports);
    return connected;
}

float JackListener::TakePeak()
{
    return state->peak.exchange(0.0f);
}

int JackListener::SilentPeriods() const
{
    return state->silentPeriods.load();
}

std::int64_t JackListener::FirstSoundNanoseconds() const
{
    return state->firstSound.load();
}

void JackListener::Arm(float threshold)
{
    state->threshold.store(threshold);
    state->firstSound.store(0);
    state->armed.store(true);
}

void JackListener::StartRecording(std::size_t frames)
{
    state->recordingOn.store(false);
    state->recorded.store(0);
    state->recording.assign(frames, 0.0f);
    state->recordingOn.store(true);
}

std::vector<float> JackListener::Recording() const
{
    if (state->recorded.load() < state->recording.size())
        return {};
    state->recordingOn.store(false);
    return state->recording;
}

int JackListener::SampleRate() const
{
    return state->client ? static_cast<int>(jack_get_sample_rate(state->client)) : 0;
}

int JackListener::PeriodSize() const
{
    return state->client ? static_cast<int>(jack_get_buffer_size(state->client)) : 0;
}

} // namespace SynthTest
