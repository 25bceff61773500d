#include "port_watch.h"

#include "alsa_announce.h"
#include "midi_backend.h"
#include "midi_log.h"

#include <jack/jack.h>

#include <dirent.h>
#include <fcntl.h>
#include <poll.h>
#include <sys/eventfd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace Core {

// ---- JACK ----

JackPortWatch::JackPortWatch(std::function<void()> callback, std::function<void()> stoppedCallback)
    : changed(std::move(callback)), stopped(std::move(stoppedCallback))
{
    SilenceSoundLibraries();
    jack_status_t status{};
    client = jack_client_open(MidiBackend::kClientName, JackNoStartServer, &status);
    if (!client) {
        qCDebug(lcMidi, "no JACK server to watch (status 0x%x)", unsigned(status));
        return;
    }
    jack_on_shutdown(client, &JackPortWatch::OnShutdown, this);
    jack_set_port_registration_callback(client, &JackPortWatch::OnRegistration, this);
    jack_set_port_rename_callback(client, &JackPortWatch::OnRename, this);
    jack_set_client_registration_callback(client, &JackPortWatch::OnClient, this);
    if (jack_activate(client) != 0) {
        qCDebug(lcMidi, "the JACK port watch could not start");
        jack_client_close(client);
        client = nullptr;
    }
}

JackPortWatch::~JackPortWatch()
{
    // Closing waits for a callback in progress; none runs afterwards.
    if (client)
        jack_client_close(client);
}

// The server stopped: its ports are gone, and the watch waits to be replaced
// once a server runs again.
void JackPortWatch::OnShutdown(void *self)
{
    auto *watch = static_cast<JackPortWatch *>(self);
    watch->serverGone = true;
    if (watch->stopped)
        watch->stopped();
    watch->changed();
}

bool JackPortWatch::ConcernsOthersMidi(unsigned id) const
{
    const jack_port_t *port = jack_port_by_id(client, id);
    // A port already gone may no longer be found: it may have been anybody's.
    if (!port)
        return true;
    const char *type = jack_port_type(port);
    if (type && std::strcmp(type, JACK_DEFAULT_MIDI_TYPE) != 0)
        return false;
    const char *name = jack_port_name(port);
    return !name || !MidiBackend::IsOwnPortName(name);
}

// The server announces a port as gone once it has released it, and a
// released port reads as an audio port: only its name is left to tell.
bool JackPortWatch::MayHaveBeenOthersMidi(unsigned id) const
{
    const jack_port_t *port = jack_port_by_id(client, id);
    const char *name = port ? jack_port_name(port) : nullptr;
    return !name || !MidiBackend::IsOwnPortName(name);
}

void JackPortWatch::OnRegistration(unsigned port, int registered, void *self)
{
    auto *watch = static_cast<JackPortWatch *>(self);
    if (registered ? watch->ConcernsOthersMidi(port) : watch->MayHaveBeenOthersMidi(port))
        watch->changed();
}

// A client that stops its processing some time before it closes has its
// ports announced as gone at the stop, while they are still listed, and
// nothing at the close but the client's own departure: that departure asks
// for the rescan that finds the ports gone.
void JackPortWatch::OnClient(const char *name, int registered, void *self)
{
    auto *watch = static_cast<JackPortWatch *>(self);
    if (!registered && (!name || !MidiBackend::IsOwnClientName(name)))
        watch->changed();
}

void JackPortWatch::OnRename(unsigned port, const char *, const char *, void *self)
{
    OnRegistration(port, 1, self);
}

// ---- ALSA ----

AlsaAnnounceWatch::AlsaAnnounceWatch(std::function<void()> callback) : changed(std::move(callback))
{
    SilenceSoundLibraries();
    if (snd_seq_open(&sequencer, "default", SND_SEQ_OPEN_INPUT, SND_SEQ_NONBLOCK) < 0) {
        sequencer = nullptr;
        qCDebug(lcMidi, "no ALSA sequencer to watch");
        return;
    }
    snd_seq_set_client_name(sequencer, MidiBackend::kClientName);
    ownClient = snd_seq_client_id(sequencer);
    const int port = snd_seq_create_simple_port(sequencer, "announce watch",
                                                SND_SEQ_PORT_CAP_WRITE | SND_SEQ_PORT_CAP_NO_EXPORT,
                                                SND_SEQ_PORT_TYPE_APPLICATION);
    wakeFd = eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK);
    if (port < 0 || wakeFd < 0 ||
        snd_seq_connect_from(sequencer, port, SND_SEQ_CLIENT_SYSTEM, SND_SEQ_PORT_SYSTEM_ANNOUNCE) < 0) {
        qCDebug(lcMidi, "the ALSA announce port could not be subscribed");
        if (wakeFd >= 0)
            close(wakeFd);
        wakeFd = -1;
        snd_seq_close(sequencer);
        sequencer = nullptr;
        return;
    }
    reader = std::thread([this] { Run(); });
}

AlsaAnnounceWatch::~AlsaAnnounceWatch()
{
    if (!sequencer)
        return;
    const std::uint64_t one = 1;
    if (write(wakeFd, &one, sizeof one) < 0)
        qCDebug(lcMidi, "the ALSA announce watch could not be woken");
    reader.join();
    close(wakeFd);
    snd_seq_close(sequencer);
}

void AlsaAnnounceWatch::Run()
{
    const int count = snd_seq_poll_descriptors_count(sequencer, POLLIN);
    std::vector<pollfd> fds(static_cast<std::size_t>(count) + 1);
    snd_seq_poll_descriptors(sequencer, fds.data(), static_cast<unsigned>(count), POLLIN);
    fds.back() = pollfd{wakeFd, POLLIN, 0};
    for (;;) {
        if (poll(fds.data(), fds.size(), -1) < 0)
            continue;
        if (fds.back().revents & POLLIN)
            return;
        bool relevant = false;
        snd_seq_event_t *event = nullptr;
        while (snd_seq_event_input(sequencer, &event) >= 0) {
            if (event && IsPortListChange(*event, ownClient))
                relevant = true;
        }
        if (relevant)
            changed();
    }
}

// ---- servers starting and stopping ----

std::vector<std::string> MidiServerPlaces()
{
    std::vector<std::string> places{"/dev/shm"};
    if (const char *runtime = std::getenv("XDG_RUNTIME_DIR"); runtime && *runtime)
        places.emplace_back(runtime);
    struct stat sound {};
    places.emplace_back(stat("/dev/snd", &sound) == 0 && S_ISDIR(sound.st_mode) ? "/dev/snd" : "/dev");
    return places;
}

namespace {

bool MayBeServerEntry(const char *name)
{
    return std::strncmp(name, "jack_", 5) == 0 || std::strcmp(name, "pipewire-0") == 0 ||
           std::strcmp(name, "seq") == 0 || std::strcmp(name, "snd") == 0;
}

bool IsServerEntry(const char *name, const struct stat &entry)
{
    if (S_ISSOCK(entry.st_mode))
        return std::strncmp(name, "jack_", 5) == 0 || std::strcmp(name, "pipewire-0") == 0;
    return (S_ISCHR(entry.st_mode) && std::strcmp(name, "seq") == 0) ||
           (S_ISDIR(entry.st_mode) && std::strcmp(name, "snd") == 0);
}

} // namespace

std::vector<std::string> MidiServerSignature(const std::vector<std::string> &places)
{
    std::vector<std::string> found;
    for (const std::string &place : places) {
        DIR *folder = opendir(place.c_str());
        if (!folder)
            continue;
        while (const dirent *entry = readdir(folder)) {
            struct stat info {};
            if (MayBeServerEntry(entry->d_name) && fstatat(dirfd(folder), entry->d_name, &info, AT_SYMLINK_NOFOLLOW) == 0 &&
                IsServerEntry(entry->d_name, info))
                found.push_back(place + "/" + entry->d_name + "@" + std::to_string(info.st_ino));
        }
        closedir(folder);
    }
    std::sort(found.begin(), found.end());
    return found;
}

} // namespace Core
