#pragma once

#include <malloc.h>

namespace rukcon::platform {

// The C library keeps freed heap pages for later allocations; after a burst that will not come
// back soon (start-up, a sound device closing) they are given back, so the resident size is what
// is in use.
inline void ReturnFreedMemory()
{
    malloc_trim(0);
}

// Each thread that allocates would get an arena of its own, with pages of its own that stay
// written for the few bytes left in them (the toolkit's event reader and D-Bus threads, the module
// loader after it ended). They allocate little and seldom, so they share the main one; called
// before any thread starts.
inline void ShareOneArena()
{
    mallopt(M_ARENA_MAX, 1);
}

} // namespace rukcon::platform
