#pragma once

#include "platform/KeyEmitter.h"
#include "platform/x11/X11Connection.h"

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

namespace rukcon::platform::x11 {

// Synthetic keys through the XTest extension. A virtual-key code becomes its keysym
// (platform/VirtualKeyMap.h), the keysym the keycode that types it pressed alone in the keyboard
// layout and group in use, read from a snapshot of the XKB keymap. A keysym
// the layout has on no key's first level (missing, shifted, or in another group) is bound to
// a spare keycode, once: undoing the binding right after the release would make clients
// translate the key as NoSymbol, so it stays. Only when no spare keycode is left is the
// binding used least recently (and not held down) moved to the new keysym.
//
// Keycodes are resolved once and kept until the keyboard map or group changes. The emitter's
// connection is not watched by the event loop: the change events wait on it and are read
// (without a round trip) when the next key is sent.
class KeyboardMapping;

class XTestKeyEmitter : public KeyEmitter {
public:
    ~XTestKeyEmitter() override;

    // nullptr when the server has no XTest or no XKB.
    static std::unique_ptr<XTestKeyEmitter> create(std::shared_ptr<X11Connection> connection);
    // Whether the server has XTest and XKB, asked on any connection to it: the XKB event base, or
    // nothing when either is missing.
    static std::optional<int> serverSupport(Display* display);

    bool sendKey(uint8_t virtualKey, bool down) override;

private:
    XTestKeyEmitter(std::shared_ptr<X11Connection> connection, int xkbEventType);

    // Reads the change events that have arrived; any of them makes the resolved keycodes stale.
    void readChangeEvents();
    // A fresh snapshot of the keymap; forgets the keycodes resolved and the bindings the change
    // took away.
    void refreshMapping();
    // 0 when the code has no keysym or no keycode can be had for it.
    uint8_t keycodeFor(uint8_t virtualKey);
    // A keycode free for a new binding: a spare one, else our least recently used binding.
    int freeKeycode();
    void noteUse(uint8_t keycode);

    struct Binding {
        uint8_t virtualKey;
        uint8_t keycode;
        uint64_t lastUse;
    };

    std::shared_ptr<X11Connection> m_connection;
    int m_xkbEventType;
    std::unique_ptr<KeyboardMapping> m_mapping; // none until needed and after a change
    std::array<uint8_t, 256> m_keycodes{};      // resolved keycode per virtual-key code, 0 = not yet
    std::array<uint8_t, 256> m_pressedOn{};     // keycode each virtual key is down on, 0 = up
    std::vector<Binding> m_bindings;            // keysyms this emitter bound to spare keycodes
    std::array<bool, 256> m_down{};             // keycodes pressed and not yet released
    uint64_t m_useClock = 0;
};

} // namespace rukcon::platform::x11
