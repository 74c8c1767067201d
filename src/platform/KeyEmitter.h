#pragma once

#include <cstdint>

namespace rukcon::platform {

// Sends one synthetic key event to whatever window has the keyboard focus. The key is named
// by its virtual-key code (the codes the key table stores: 13 Return, 16 Shift, 65 'A' …);
// each backend maps the code onto its own key.
class KeyEmitter {
public:
    virtual ~KeyEmitter() = default;

    // False when the event could not be sent (no such key on this system, display gone).
    virtual bool sendKey(uint8_t virtualKey, bool down) = 0;
};

} // namespace rukcon::platform
