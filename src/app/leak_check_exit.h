#pragma once

// Under the leak checker only: the graphics driver's libraries are unloaded
// when the window goes, and the checker then no longer sees their globals and
// reports what they still point to as lost. Keeping every loaded library
// mapped lets it see them. Ordinary builds do nothing here.

#if defined(__SANITIZE_ADDRESS__)
#define ORVELLE_LEAK_CHECKED 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define ORVELLE_LEAK_CHECKED 1
#endif
#endif

#ifdef ORVELLE_LEAK_CHECKED
#include <dlfcn.h>
#include <link.h>
#endif

inline void keepLibrariesMappedForTheLeakCheck()
{
#ifdef ORVELLE_LEAK_CHECKED
    dl_iterate_phdr(
        [](dl_phdr_info *info, size_t, void *) {
            if (info->dlpi_name && info->dlpi_name[0] != '\0')
                dlopen(info->dlpi_name, RTLD_NOW | RTLD_NOLOAD | RTLD_NODELETE);
            return 0;
        },
        nullptr);
#endif
}
