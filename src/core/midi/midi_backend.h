#pragma once

#include <rtmidi/RtMidi.h>

#include <QStringList>

#include <memory>
#include <set>
#include <string>
#include <vector>

namespace Core {

// Which of RtMidi's compiled APIs the devices use, and the port lists as the
// program shows them.
//
// One enumeration picks the first compiled API (ALSA, then JACK) whose client
// can be created and that has ports, else the first whose client can be
// created, and records it; devices made afterwards use the recorded API.
// The program's own ports never appear in its lists, so a port index counts
// only foreign ports and is mapped to RtMidi's raw index when a port is opened.
namespace MidiBackend {

struct Choice {
    RtMidi::Api api = RtMidi::UNSPECIFIED;
    // False when no compiled API could create a client; then error holds the
    // last library failure.
    bool usable = false;
    RtMidiError error{std::string(), RtMidiError::UNSPECIFIED};
};

// Runs the enumeration and records its API.
Choice Choose();

// The API recorded by the last enumeration; runs one if none has run yet.
// UNSPECIFIED when no API can create a client.
RtMidi::Api CurrentApi();

// Library objects with the library's own complaints kept out of the terminal.
// Null when the API cannot serve (no ALSA sequencer, no JACK server); a
// library failure during construction propagates as RtMidiError.
// A Device client opens a port and is named after the program; a Scan
// client only counts ports.
enum class Purpose { Device, Scan };
std::unique_ptr<RtMidiIn> MakeInput(RtMidi::Api api, Purpose purpose);
std::unique_ptr<RtMidiOut> MakeOutput(RtMidi::Api api, Purpose purpose);

// The program's MIDI client, as patchbays and aconnect show it, and its ports.
constexpr const char *kClientName = "Orvelle";
constexpr const char *kInputPortName = "keyboard in";
constexpr const char *kOutputPortName = "notes out";

// Whether a port name as RtMidi gives it ("client:port...") belongs to one of
// the program's own clients, whatever the port is called.
bool IsOwnPortName(const std::string &name);

// Whether a JACK client is one of the program's own: its device clients
// ("Orvelle", "Orvelle-02"), its port watch and the short-lived clients that
// count ports or look for a server.
bool IsOwnClientName(const std::string &client);

// Whether a port name marks a loopback port: ALSA's "Midi Through" and its
// mirrors under JACK, a2j or PipeWire, which carry the word "Through".
bool IsThroughPortName(const std::string &name);

// RtMidi's raw indexes of the ports that are not the program's own, in order.
std::vector<unsigned> ForeignPorts(RtMidi &midi);

// The raw index of a foreign port index; false when there is no such port.
bool RawPortIndex(RtMidi &midi, unsigned port, unsigned &raw);

// The raw index of the foreign port with this full name; false when absent.
bool RawPortIndexByName(RtMidi &midi, const std::string &name, unsigned &raw);

// Other programs' JACK MIDI ports in one look, through one client: what the
// program can listen to (their outputs) and play to (their inputs), named and
// ordered as RtMidi lists them, and those that a port of the program is
// connected to now, by their full names. A port can vanish and come back
// under the same name between two looks; the connection it had is gone all
// the same. False when no JACK server answers.
struct JackPorts {
    QStringList inputs;
    QStringList outputs;
    std::set<std::string> linked;
};
bool LookAtJackPorts(JackPorts &ports);

// Names of the input and output ports as counted by the recorded API.
QStringList InputPortNames();
QStringList OutputPortNames();

} // namespace MidiBackend
} // namespace Core
