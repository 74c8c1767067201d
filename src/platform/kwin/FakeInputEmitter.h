#pragma once

#include "platform/KeyEmitter.h"
#include "platform/wayland/SeatKeymap.h"
#include "platform/wayland/WaylandConnection.h"

#include <array>
#include <memory>

struct org_kde_kwin_fake_input;

namespace rukcon::platform::kwin {

// Synthetic keys through KWin's fake input, which takes evdev codes and types them through the
// seat's keymap, as a real keyboard would: each name is sent as the key that types its keysym
// pressed alone in the user's layout (followed as it changes). KWin lets no client add keysyms:
// a keysym the layout has only with Shift (the digits of a French layout) is sent as that key
// with Shift around it, unless the program holds Shift already; one the layout lacks is sent as
// the key a real keyboard has for it (F13 as KEY_F13), and types what the layout gives that key.
// Keys still down when the emitter goes are released.
class FakeInputEmitter : public KeyEmitter {
public:
    // nullptr when KWin does not offer fake input, or one too old for keys, to this program.
    static std::unique_ptr<FakeInputEmitter> create(std::shared_ptr<wayland::WaylandConnection> connection);
    ~FakeInputEmitter() override;

    bool sendKey(uint8_t virtualKey, bool down) override;

private:
    FakeInputEmitter(std::shared_ptr<wayland::WaylandConnection> connection, org_kde_kwin_fake_input* input)
        : m_connection(connection), m_input(input), m_keymap(std::move(connection))
    {
    }
    struct Key {
        uint32_t code = 0;    // evdev; 0: none
        bool shifted = false; // typed with Shift
    };
    Key keyFor(uint8_t virtualKey);
    void send(uint32_t code, bool down);

    std::shared_ptr<wayland::WaylandConnection> m_connection;
    org_kde_kwin_fake_input* m_input;
    wayland::SeatKeymap m_keymap;
    std::array<Key, 256> m_pressedOn{};   // the key each virtual key is down on, code 0 = up
    std::array<bool, 256> m_shiftAdded{}; // Shift pressed around the virtual key's key
};

} // namespace rukcon::platform::kwin
