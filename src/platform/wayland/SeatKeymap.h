#pragma once

#include "platform/VirtualKeyMap.h"
#include "platform/wayland/WaylandConnection.h"

#include <memory>
#include <string>

struct wl_keyboard;
struct xkb_context;
struct xkb_keymap;

namespace rukcon::platform::wayland {

// The keymap of the seat's keyboard, as the compositor sends it to every client that asks for
// the keyboard (wl_keyboard.keymap), and again whenever the user's layout changes. It arrives
// when the connection is read; no surface of this connection ever has the focus, so no key or
// modifier event comes with it.
class SeatKeymap {
public:
    explicit SeatKeymap(std::shared_ptr<WaylandConnection> connection);
    ~SeatKeymap();
    SeatKeymap(const SeatKeymap&) = delete;
    SeatKeymap& operator=(const SeatKeymap&) = delete;

    // The keymap last sent; null while none came (a seat without a keyboard) or it did not compile.
    xkb_keymap* keymap() const { return m_keymap.get(); }
    // Its text as sent.
    const std::string& text() const { return m_text; }
    // Counts the keymaps taken in, so that a user can tell that keycodes resolved earlier are stale.
    unsigned generation() const { return m_generation; }
    // The lowest XKB keycode that types the keysym pressed alone in the first layout (level 0),
    // or with Shift (level 1); 0 for none.
    uint32_t keycodeTyping(Keysym keysym, unsigned level = 0) const;

    // Asks for the keyboard if the seat has gained one since; its keymap comes at once.
    void requestKeyboard();

    // Takes in a keymap the compositor sent (a file of size bytes, XKB text); public for the
    // listener.
    void takeKeymap(int fd, uint32_t size);

private:
    struct KeymapDeleter {
        void operator()(xkb_keymap* keymap) const;
    };
    struct ContextDeleter {
        void operator()(xkb_context* context) const;
    };

    std::shared_ptr<WaylandConnection> m_connection;
    std::unique_ptr<xkb_context, ContextDeleter> m_context;
    std::unique_ptr<xkb_keymap, KeymapDeleter> m_keymap;
    wl_keyboard* m_keyboard = nullptr;
    unsigned m_generation = 0;
    std::string m_text;
};

// The lowest XKB keycode that types the keysym at that level of the keymap's first layout (0:
// pressed alone); 0 for none.
uint32_t keycodeTyping(xkb_keymap* keymap, Keysym keysym, unsigned level = 0);

// The evdev code of the key real keyboards have for a keysym a common layout may lack (F13 as
// KEY_F13), which backends that can send only the seat's keys send for it; 0 when no keyboard
// has a key for it.
uint32_t evdevCodeOfMissing(Keysym keysym);

// The XKB keycode for an evdev code, and back: XKB numbers keys from 8 up.
constexpr uint32_t kEvdevOffset = 8;

} // namespace rukcon::platform::wayland
