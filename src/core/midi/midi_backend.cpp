#include "midi_backend.h"

#include "midi_log.h"
#include "port_name.h"

#include <alsa/asoundlib.h>
#include <jack/jack.h>

#include <unistd.h>

#include <atomic>
#include <chrono>
#include <mutex>
#include <thread>

namespace Core {
namespace MidiBackend {

namespace {

std::atomic<int> recordedApi{-1};

const std::string kProbePrefix = "orvelle-probe-";

bool AlsaSequencerAvailable()
{
    snd_seq_t *seq = nullptr;
    if (snd_seq_open(&seq, "default", SND_SEQ_OPEN_DUPLEX, SND_SEQ_NONBLOCK) < 0) {
        qCDebug(lcMidi, "no ALSA sequencer");
        return false;
    }
    snd_seq_close(seq);
    return true;
}

bool JackServerRunning()
{
    // A fresh name each time: a JACK server may refuse a client that opens
    // right after another of the same name has closed.
    static std::atomic<unsigned> probes{0};
    const std::string name = kProbePrefix + std::to_string(getpid()) + "-" + std::to_string(probes++);
    jack_status_t status;
    jack_client_t *client = jack_client_open(name.c_str(), JackNoStartServer, &status);
    if (!client) {
        qCDebug(lcMidi, "no JACK server (status 0x%x)", unsigned(status));
        return false;
    }
    jack_client_close(client);
    return true;
}

// Whether RtMidi can reach the API's server at all. RtMidi's own constructor
// would either throw (ALSA) or complain on stderr (JACK) when it cannot.
bool Reachable(RtMidi::Api api)
{
    // Library errors reach the caller through return values; their authors'
    // chatter on stderr would only confuse the user.
    SilenceSoundLibraries();
    switch (api) {
    case RtMidi::LINUX_ALSA:
        return AlsaSequencerAvailable();
    case RtMidi::UNIX_JACK:
        return JackServerRunning();
    default:
        return true;
    }
}

// Warnings after construction go here instead of std::cerr. With a callback
// installed RtMidi does not throw; callers check the object's state instead.
void SwallowError(RtMidiError::Type, const std::string &, void *) {}

void NoteError(RtMidiError::Type, const std::string &, void *failed)
{
    *static_cast<bool *>(failed) = true;
}

// A JACK server now and then refuses a client that opens right after another
// one of the same name has closed (the old one's clean-up removes the new
// one's notification socket), and RtMidi's clients always have the same names. RtMidi then holds no client, and it tries
// to connect again whenever ports are counted; a count that fails is retried
// with a new object.
template <class Midi, class... Args>
std::unique_ptr<Midi> MakeConnected(RtMidi::Api api, Args... args)
{
    constexpr int kAttempts = 5;
    for (int attempt = 1;; ++attempt) {
        auto midi = std::make_unique<Midi>(api, args...);
        bool failed = false;
        midi->setErrorCallback(NoteError, &failed);
        midi->getPortCount();
        midi->setErrorCallback(SwallowError, nullptr);
        if (!failed || attempt == kAttempts)
            return midi;
        std::this_thread::sleep_for(std::chrono::milliseconds(20 * attempt));
    }
}

// Clients that only count ports carry a name never used before: a JACK
// server may hang or refuse a client that opens right after another of the
// same name closed, and enumerations come in quick succession. Clients with
// ports carry the program's name, numbered by JACK where it repeats.
std::string ClientName(Purpose purpose)
{
    if (purpose == Purpose::Device)
        return kClientName;
    static std::atomic<unsigned> scans{0};
    return std::string(kClientName) + " scan " + std::to_string(getpid()) + "-" + std::to_string(scans++);
}

std::unique_ptr<RtMidiIn> MakeReachableInput(RtMidi::Api api, Purpose purpose = Purpose::Scan)
{
    return MakeConnected<RtMidiIn>(api, ClientName(purpose), 100u);
}

std::unique_ptr<RtMidiOut> MakeReachableOutput(RtMidi::Api api, Purpose purpose = Purpose::Scan)
{
    return MakeConnected<RtMidiOut>(api, ClientName(purpose));
}

unsigned ForeignPortCount(RtMidi &midi)
{
    return static_cast<unsigned>(ForeignPorts(midi).size());
}

struct ApiProbe {
    bool creatable = false;
    unsigned ports = 0;
};

ApiProbe Probe(RtMidi::Api api, Choice &choice)
{
    ApiProbe probe;
    if (!Reachable(api)) {
        // A JACK client object can always be built; it just finds no ports
        // while no server runs. An ALSA one cannot be built without a sequencer.
        probe.creatable = api != RtMidi::LINUX_ALSA;
        if (!probe.creatable)
            choice.error = RtMidiError("no ALSA sequencer", RtMidiError::DRIVER_ERROR);
        return probe;
    }
    try {
        auto in = MakeReachableInput(api);
        auto out = MakeReachableOutput(api);
        probe.creatable = true;
        probe.ports = ForeignPortCount(*in) + ForeignPortCount(*out);
    } catch (const RtMidiError &error) {
        choice.error = error;
    }
    return probe;
}

} // namespace

Choice Choose()
{
    std::vector<RtMidi::Api> apis;
    RtMidi::getCompiledApi(apis);
    Choice choice;
    bool haveCreatable = false;
    for (RtMidi::Api api : apis) {
        const ApiProbe probe = Probe(api, choice);
        if (!probe.creatable)
            continue;
        if (!haveCreatable) {
            choice.api = api;
            haveCreatable = true;
        }
        if (probe.ports > 0) {
            choice.api = api;
            break;
        }
    }
    choice.usable = haveCreatable;
    if (!haveCreatable && !apis.empty()) {
        // Let the library say itself why its first API cannot serve.
        try {
            RtMidiIn in(apis.front(), kClientName, 100);
            choice.error = RtMidiError("MIDI client unusable", RtMidiError::DRIVER_ERROR);
        } catch (const RtMidiError &error) {
            choice.error = error;
        }
    }
    recordedApi.store(static_cast<int>(choice.api));
    return choice;
}

RtMidi::Api CurrentApi()
{
    const int api = recordedApi.load();
    if (api >= 0)
        return static_cast<RtMidi::Api>(api);
    return Choose().api;
}

std::unique_ptr<RtMidiIn> MakeInput(RtMidi::Api api, Purpose purpose)
{
    if (api == RtMidi::UNSPECIFIED || !Reachable(api))
        return nullptr;
    return MakeReachableInput(api, purpose);
}

std::unique_ptr<RtMidiOut> MakeOutput(RtMidi::Api api, Purpose purpose)
{
    if (api == RtMidi::UNSPECIFIED || !Reachable(api))
        return nullptr;
    return MakeReachableOutput(api, purpose);
}

namespace {

bool IsDigits(const std::string &text, std::size_t from, std::size_t to)
{
    if (from >= to)
        return false;
    for (std::size_t i = from; i < to; ++i) {
        if (text[i] < '0' || text[i] > '9')
            return false;
    }
    return true;
}

// "<client>" or "<client>-NN": JACK numbers the clients that share a name,
// and every RtMidi object is a client of its own there.
bool IsOwnClient(const std::string &client)
{
    const std::string own = kClientName;
    if (client == own)
        return true;
    return client.size() > own.size() + 1 && client.compare(0, own.size(), own) == 0 && client[own.size()] == '-' &&
           IsDigits(client, own.size() + 1, client.size());
}

bool IsWordCharacter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
}

} // namespace

bool IsOwnPortName(const std::string &name)
{
    const std::size_t colon = name.find(':');
    return colon != std::string::npos && IsOwnClient(name.substr(0, colon));
}

bool IsOwnClientName(const std::string &client)
{
    const auto startsWith = [&client](const std::string &start) { return client.compare(0, start.size(), start) == 0; };
    const std::string own = kClientName;
    return IsOwnClient(client) || startsWith(own + " scan ") || startsWith(own + " probe") || startsWith(kProbePrefix);
}

bool IsThroughPortName(const std::string &name)
{
    const std::string word = "through";
    if (name.size() < word.size())
        return false;
    for (std::size_t at = 0; at + word.size() <= name.size(); ++at) {
        bool same = true;
        for (std::size_t i = 0; same && i < word.size(); ++i)
            same = (name[at + i] | 0x20) == word[i];
        if (!same)
            continue;
        const bool startsWord = at == 0 || !IsWordCharacter(name[at - 1]);
        const std::size_t end = at + word.size();
        const bool endsWord = end == name.size() || !IsWordCharacter(name[end]);
        if (startsWord && endsWord)
            return true;
    }
    return false;
}

std::vector<unsigned> ForeignPorts(RtMidi &midi)
{
    std::vector<unsigned> ports;
    const unsigned count = midi.getPortCount();
    for (unsigned raw = 0; raw < count; ++raw) {
        const std::string name = midi.getPortName(raw);
        if (!name.empty() && !IsOwnPortName(name))
            ports.push_back(raw);
    }
    return ports;
}

bool RawPortIndex(RtMidi &midi, unsigned port, unsigned &raw)
{
    const std::vector<unsigned> ports = ForeignPorts(midi);
    if (port >= ports.size())
        return false;
    raw = ports[port];
    return true;
}

bool RawPortIndexByName(RtMidi &midi, const std::string &name, unsigned &raw)
{
    for (unsigned candidate : ForeignPorts(midi)) {
        if (midi.getPortName(candidate) == name) {
            raw = candidate;
            return true;
        }
    }
    return false;
}

namespace {

// The other programs' MIDI ports of one direction; those linked to one of
// the program's own ports are added to `linked`.
QStringList ForeignJackPorts(jack_client_t *client, unsigned long flags, std::set<std::string> &linked)
{
    QStringList names;
    const char **ports = jack_get_ports(client, nullptr, JACK_DEFAULT_MIDI_TYPE, flags);
    for (int i = 0; ports && ports[i]; ++i) {
        if (IsOwnPortName(ports[i]))
            continue;
        names.append(PortNameFromBytes(ports[i]));
        const jack_port_t *port = jack_port_by_name(client, ports[i]);
        const char **peers = port ? jack_port_get_all_connections(client, port) : nullptr;
        for (int j = 0; peers && peers[j]; ++j) {
            if (IsOwnPortName(peers[j])) {
                linked.insert(ports[i]);
                break;
            }
        }
        if (peers)
            jack_free(peers);
    }
    if (ports)
        jack_free(ports);
    return names;
}

} // namespace

bool LookAtJackPorts(JackPorts &ports)
{
    SilenceSoundLibraries();
    static std::atomic<unsigned> looks{0};
    const std::string name = kProbePrefix + "look-" + std::to_string(getpid()) + "-" + std::to_string(looks++);
    jack_status_t status{};
    jack_client_t *client = jack_client_open(name.c_str(), JackNoStartServer, &status);
    if (!client)
        return false;
    ports.inputs = ForeignJackPorts(client, JackPortIsOutput, ports.linked);
    ports.outputs = ForeignJackPorts(client, JackPortIsInput, ports.linked);
    jack_client_close(client);
    return true;
}

namespace {

QStringList Names(RtMidi *midi)
{
    QStringList names;
    if (!midi)
        return names;
    for (unsigned raw : ForeignPorts(*midi))
        names.append(PortNameFromBytes(midi->getPortName(raw)));
    return names;
}

} // namespace

QStringList InputPortNames()
{
    try {
        auto in = MakeInput(CurrentApi(), Purpose::Scan);
        return Names(in.get());
    } catch (const RtMidiError &) {
        return {};
    }
}

QStringList OutputPortNames()
{
    try {
        auto out = MakeOutput(CurrentApi(), Purpose::Scan);
        return Names(out.get());
    } catch (const RtMidiError &) {
        return {};
    }
}

} // namespace MidiBackend
} // namespace Core
