#pragma once

#include <X11/X.h>

#include <cstdint>

namespace rukcon::platform::x11 {

// The X keysym that stands for a virtual-key code of the key table; NoSymbol for a code the
// table does not use.
KeySym keysymForVirtualKey(uint8_t virtualKey);

} // namespace rukcon::platform::x11
