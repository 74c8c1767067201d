#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

struct xkb_keymap;

namespace rukcon::platform::wayland {

// The keymap of the program's own virtual keyboard. Built on the seat's keymap, it is that
// keymap, so each key name is the user's key that types its keysym pressed alone (and a held
// Shift gives what Shift gives there, as on X11), with a spare keycode added for each keysym the
// layout lacks (its capital on the second level for a letter). Without a seat keymap, it is a
// keymap of the program's own: one keycode for each keysym of the key table, letters with their
// capitals on the second level, every other key a single level. Either way Shift, Control and
// Alt carry the real modifiers Shift, Control and Mod1.
class VirtualKeymap {
public:
    // The program's own keymap, compiled by xkbcommon; empty when it refuses the keymap.
    static std::optional<VirtualKeymap> build();
    // The seat's keymap with the keysyms it lacks added; empty when no spare keycode is left
    // for them or the result does not compile.
    static std::optional<VirtualKeymap> buildOn(xkb_keymap* seat);

    // The keymap as the compositor reads it (XKB text, without the closing NUL).
    const std::string& text() const { return m_text; }
    // The XKB keycode that types the virtual key's keysym, 0 for a code the table does not use.
    uint32_t keycodeFor(uint8_t virtualKey) const { return m_keycodes[virtualKey]; }
    // The modifier the key stands for as a mask of the keymap's modifiers, 0 for other keys.
    uint32_t modifierMaskFor(uint8_t virtualKey) const { return m_modifierMasks[virtualKey]; }

private:
    VirtualKeymap() = default;

    std::string m_text;
    std::array<uint32_t, 256> m_keycodes{};
    std::array<uint32_t, 256> m_modifierMasks{};
};

} // namespace rukcon::platform::wayland
