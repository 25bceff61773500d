#pragma once

#include <QLoggingCategory>

namespace Core {

// What the MIDI side found and why a port or server could not be used, and
// what libjack and alsa-lib would otherwise print to the terminal. Hidden by
// default; QT_LOGGING_RULES="orvelle.midi.debug=true" shows it.
Q_DECLARE_LOGGING_CATEGORY(lcMidi)

// Routes libjack's error and info printers and alsa-lib's error handler to
// lcMidi, once for the whole process. Nothing puts the libraries' defaults
// back: every later probe of a missing server would print again.
// Safe to call any number of times from any thread.
void SilenceSoundLibraries();

} // namespace Core
