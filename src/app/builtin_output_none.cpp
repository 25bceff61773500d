#include "builtin_output.h"

Core::SoundController::BuiltInOutputFactory builtInOutputFactory()
{
    return {};
}
