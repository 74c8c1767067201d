#pragma once

#include "platform/KeyEmitter.h"
#include "platform/wayland/SeatKeymap.h"
#include "platform/wayland/VirtualKeymap.h"
#include "platform/wayland/WaylandConnection.h"

#include <array>
#include <memory>

struct zwp_virtual_keyboard_v1;

namespace rukcon::platform::wayland {

// Synthetic keys through a virtual keyboard of the compositor's seat, with a keymap of the
// program's own (VirtualKeymap) built on the seat's: the user's keys with their layout, plus
// spare keycodes for the keysyms the layout lacks; no keycode of the user's keyboards is rebound.
// A new seat keymap (the user changed the layout) is taken in before the next key pressed while
// none is down; the compositor sending back the keymap of this keyboard, as the seat's current
// one, changes nothing. Shift, Control and Alt are held through the keyboard's modifier state as
// well as their keys, since compositors take a virtual keyboard's modifiers from that state
// alone. Keys still down when the emitter goes are released.
class VirtualKeyboardEmitter : public KeyEmitter {
public:
    // nullptr without a seat or a virtual keyboard manager, or when the keymap cannot be made.
    static std::unique_ptr<VirtualKeyboardEmitter> create(std::shared_ptr<WaylandConnection> connection);
    ~VirtualKeyboardEmitter() override;

    bool sendKey(uint8_t virtualKey, bool down) override;

private:
    VirtualKeyboardEmitter(std::shared_ptr<WaylandConnection> connection, zwp_virtual_keyboard_v1* keyboard,
                           std::unique_ptr<SeatKeymap> seat);
    // Builds the keymap on the seat's (or alone without one) and sends it; false when it cannot.
    bool sendKeymap();
    // Takes in a keymap the seat has had since the last look.
    void followSeat();

    std::shared_ptr<WaylandConnection> m_connection;
    zwp_virtual_keyboard_v1* m_keyboard;
    std::unique_ptr<SeatKeymap> m_seat;
    unsigned m_seatGeneration = 0;
    std::optional<VirtualKeymap> m_keymap;
    std::array<bool, 256> m_down{}; // virtual keys pressed and not yet released
    uint32_t m_modifiers = 0;       // the depressed modifiers last sent
};

} // namespace rukcon::platform::wayland
