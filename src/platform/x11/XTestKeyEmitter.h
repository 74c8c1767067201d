#pragma once

#include "platform/KeyEmitter.h"
#include "platform/x11/X11Connection.h"

#include <array>
#include <cstdint>
#include <memory>
#include <utility>
#include <vector>

namespace rukcon::platform::x11 {

// Synthetic keys through the XTest extension. A virtual-key code becomes a keysym, the keysym
// the keycode that types it unmodified in the current keymap. A keysym the keymap lacks is
// bound to a spare keycode, once: undoing the binding right after the release would make
// clients translate the key as NoSymbol, so it stays. Only when no spare keycode is left is
// the binding used least recently (and not held down) moved to the new keysym.
class XTestKeyEmitter : public KeyEmitter {
public:
    // nullptr when the server has no XTest.
    static std::unique_ptr<XTestKeyEmitter> create(std::shared_ptr<X11Connection> connection);

    bool sendKey(uint8_t virtualKey, bool down) override;

private:
    explicit XTestKeyEmitter(std::shared_ptr<X11Connection> connection) : m_connection(std::move(connection)) {}

    // 0 when the code has no keysym or no keycode can be had for it.
    uint8_t keycodeFor(uint8_t virtualKey);
    // A keycode free for a new binding: a spare one, else our least recently used binding.
    int freeKeycode(const class KeyboardMapping& mapping);
    void noteUse(uint8_t keycode);

    struct Binding {
        uint8_t virtualKey;
        uint8_t keycode;
        uint64_t lastUse;
    };

    std::shared_ptr<X11Connection> m_connection;
    // Resolved keycode per virtual-key code (0 = not yet), kept for the life of the emitter:
    // a keymap read and a possible binding happen once per code, not once per key stroke.
    // A layout switched while the emitter lives is therefore not followed.
    std::array<uint8_t, 256> m_keycodes{};
    std::vector<Binding> m_bindings; // keysyms this emitter bound to spare keycodes
    std::array<bool, 256> m_down{};  // keycodes pressed and not yet released
    uint64_t m_useClock = 0;
};

} // namespace rukcon::platform::x11
