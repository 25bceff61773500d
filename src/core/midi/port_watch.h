#pragma once

#include <atomic>
#include <functional>
#include <memory>
#include <thread>

typedef struct _jack_client jack_client_t;
typedef struct _snd_seq snd_seq_t;

namespace Core {

// Tells when MIDI ports of other programs appear, vanish or are renamed, as
// the MIDI servers announce it: nothing runs while nothing changes. The
// callback comes on a thread of the server's library and must be quick.

// Through JACK's port-registration callback, on a client of its own.
class JackPortWatch {
public:
    explicit JackPortWatch(std::function<void()> changed);
    ~JackPortWatch();
    JackPortWatch(const JackPortWatch &) = delete;
    JackPortWatch &operator=(const JackPortWatch &) = delete;

    // False when no JACK server runs.
    bool IsOpen() const { return client != nullptr; }

private:
    static void OnRegistration(unsigned port, int registered, void *self);
    static void OnRename(unsigned port, const char *oldName, const char *newName, void *self);
    bool ConcernsOthersMidi(unsigned port) const;

    std::function<void()> changed;
    jack_client_t *client = nullptr;
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

} // namespace Core
