#include "synth_log.h"

#include <fluidsynth.h>

#include <mutex>

namespace Core {

Q_LOGGING_CATEGORY(lcSynth, "orvelle.synth", QtWarningMsg)

namespace {

const char *LevelName(int level)
{
    switch (level) {
    case FLUID_PANIC: return "panic";
    case FLUID_ERR: return "error";
    case FLUID_WARN: return "warning";
    case FLUID_INFO: return "info";
    default: return "debug";
    }
}

// Called on whatever thread FluidSynth logs from, the audio thread included.
void ForwardToCategory(int level, const char *message, void *)
{
    qCDebug(lcSynth, "FluidSynth %s: %s", LevelName(level), message);
}

} // namespace

void RouteFluidSynthLog()
{
    static std::once_flag routed;
    std::call_once(routed, [] {
        for (int level = 0; level < LAST_LOG_LEVEL; ++level)
            fluid_set_log_function(level, ForwardToCategory, nullptr);
    });
}

} // namespace Core
