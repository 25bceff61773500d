#pragma once

// The graphics driver's libraries are unloaded at exit, and the leak checker
// then no longer sees their globals and reports what they still point to.
// Keeping every loaded library mapped leaves it nothing to report. Call it
// once the windows are gone or about to go.

#include <dlfcn.h>
#include <link.h>

inline void keepLoadedLibrariesMapped()
{
    dl_iterate_phdr(
        [](dl_phdr_info *info, size_t, void *) {
            if (info->dlpi_name && info->dlpi_name[0] != '\0')
                dlopen(info->dlpi_name, RTLD_NOW | RTLD_NOLOAD | RTLD_NODELETE);
            return 0;
        },
        nullptr);
}
