#pragma once

#include <QLoggingCategory>

namespace Core {

// FluidSynth's own messages and the reasons an audio output did not open.
// Only warnings show by default; QT_LOGGING_RULES="orvelle.synth.debug=true" shows the rest.
Q_DECLARE_LOGGING_CATEGORY(lcSynth)

// Sends FluidSynth's log (process-wide) to lcSynth at debug level instead of
// the terminal, where a failing audio driver would otherwise print errors.
// Safe to call any number of times from any thread.
void RouteFluidSynthLog();

} // namespace Core
