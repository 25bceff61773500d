#pragma once

#include <atomic>
#include <functional>
#include <memory>
#include <string>
#include <thread>
#include <vector>

typedef struct _jack_client jack_client_t;
typedef struct _snd_seq snd_seq_t;

namespace Core {

// Tells when MIDI ports of other programs appear, vanish or are renamed, as
// the MIDI servers announce it: nothing runs while nothing changes. The
// callback comes on a thread of the server's library and must be quick.

// Through JACK's port- and client-registration callbacks, on a client of its
// own. `stopped` comes (on libjack's thread) when the server stops.
class JackPortWatch {
public:
    explicit JackPortWatch(std::function<void()> changed, std::function<void()> stopped = {});
    ~JackPortWatch();
    JackPortWatch(const JackPortWatch &) = delete;
    JackPortWatch &operator=(const JackPortWatch &) = delete;

    // False when no JACK server ran at the start, or once it stopped.
    bool IsOpen() const { return client != nullptr && !serverGone.load(); }

private:
    static void OnShutdown(void *self);
    static void OnRegistration(unsigned port, int registered, void *self);
    static void OnRename(unsigned port, const char *oldName, const char *newName, void *self);
    static void OnClient(const char *name, int registered, void *self);
    bool ConcernsOthersMidi(unsigned port) const;
    bool MayHaveBeenOthersMidi(unsigned port) const;

    std::function<void()> changed;
    std::function<void()> stopped;
    jack_client_t *client = nullptr;
    std::atomic<bool> serverGone{false};
};

// Through the ALSA sequencer's announce port (System:Announce, 0:1), read on
// a thread of its own that sleeps in poll() until an event or the end.
class AlsaAnnounceWatch {
public:
    explicit AlsaAnnounceWatch(std::function<void()> changed);
    ~AlsaAnnounceWatch();
    AlsaAnnounceWatch(const AlsaAnnounceWatch &) = delete;
    AlsaAnnounceWatch &operator=(const AlsaAnnounceWatch &) = delete;

    // False without an ALSA sequencer.
    bool IsOpen() const { return sequencer != nullptr; }

private:
    void Run();

    std::function<void()> changed;
    snd_seq_t *sequencer = nullptr;
    int ownClient = -1;
    int wakeFd = -1; // an eventfd that ends the thread's poll
    std::thread reader;
};

// A server started after the program has nobody to announce it. What shows
// that one runs: jackd's sockets in /dev/shm, PipeWire's (which also serves
// JACK clients) in the user's runtime folder, the ALSA sequencer's device in
// /dev/snd (or /dev, until the sound devices exist).
std::vector<std::string> MidiServerPlaces();
// The servers' sockets and devices in those places now, each with its inode:
// a server started again under the old name has a new socket.
std::vector<std::string> MidiServerSignature(const std::vector<std::string> &places);

} // namespace Core
