#pragma once

#include "platform/KeyEmitter.h"
#include "platform/wayland/VirtualKeymap.h"
#include "platform/wayland/WaylandConnection.h"

#include <array>
#include <memory>

struct zwp_virtual_keyboard_v1;

namespace rukcon::platform::wayland {

// Synthetic keys through a virtual keyboard of the compositor's seat, with the program's own
// keymap (VirtualKeymap): no keycode of the user's keyboards is borrowed or rebound. Shift,
// Control and Alt are held through the keyboard's modifier state as well as their keys, since
// compositors take a virtual keyboard's modifiers from that state alone. Keys still down when
// the emitter goes are released.
class VirtualKeyboardEmitter : public KeyEmitter {
public:
    // nullptr without a seat or a virtual keyboard manager, or when the keymap cannot be made.
    static std::unique_ptr<VirtualKeyboardEmitter> create(std::shared_ptr<WaylandConnection> connection);
    ~VirtualKeyboardEmitter() override;

    bool sendKey(uint8_t virtualKey, bool down) override;

private:
    VirtualKeyboardEmitter(std::shared_ptr<WaylandConnection> connection, zwp_virtual_keyboard_v1* keyboard,
                           VirtualKeymap keymap)
        : m_connection(std::move(connection)), m_keyboard(keyboard), m_keymap(std::move(keymap))
    {
    }

    std::shared_ptr<WaylandConnection> m_connection;
    zwp_virtual_keyboard_v1* m_keyboard;
    VirtualKeymap m_keymap;
    std::array<bool, 256> m_down{}; // virtual keys pressed and not yet released
    uint32_t m_modifiers = 0;       // the depressed modifiers last sent
};

} // namespace rukcon::platform::wayland
