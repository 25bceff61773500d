#include "midi_log.h"

#include <alsa/asoundlib.h>
#include <jack/jack.h>

#include <cstdarg>
#include <cstdio>
#include <mutex>

namespace Core {

Q_LOGGING_CATEGORY(lcMidi, "orvelle.midi", QtWarningMsg)

namespace {

void LogJackMessage(const char *message)
{
    qCDebug(lcMidi, "JACK: %s", message);
}

void LogAlsaError(const char *file, int line, const char *function, int err, const char *format, ...)
{
    if (!lcMidi().isDebugEnabled())
        return;
    char text[512];
    va_list args;
    va_start(args, format);
    std::vsnprintf(text, sizeof text, format, args);
    va_end(args);
    qCDebug(lcMidi, "ALSA %s:%d (%s): %s (error %d)", file, line, function, text, err);
}

} // namespace

void SilenceSoundLibraries()
{
    static std::once_flag once;
    std::call_once(once, [] {
        jack_set_error_function(LogJackMessage);
        jack_set_info_function(LogJackMessage);
        snd_lib_error_set_handler(LogAlsaError);
    });
}

} // namespace Core
