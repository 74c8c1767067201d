#include "platform/x11/VirtualKeyMap.h"

#include "platform/VirtualKeySyms.h"

namespace rukcon::platform::x11 {

// X keysyms and xkbcommon's share one numbering.
KeySym keysymForVirtualKey(uint8_t virtualKey)
{
    return static_cast<KeySym>(platform::keysymForVirtualKey(virtualKey));
}

} // namespace rukcon::platform::x11
