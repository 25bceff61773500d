#pragma once

// The graphics driver's libraries are unloaded at exit, and the leak checker
// then no longer sees their globals and reports what they still point to.
// Tests that show windows keep every loaded library mapped, as the program
// does as it ends. Call it once the windows are gone or about to go.

#include "../../src/app/leak_check_exit.h"

inline void keepLoadedLibrariesMapped()
{
    keepLibrariesMappedForTheLeakCheck();
}
