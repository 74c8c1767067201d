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

} // namespace rukcon::platform
