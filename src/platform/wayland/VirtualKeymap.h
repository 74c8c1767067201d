#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

namespace rukcon::platform::wayland {

// The keymap of the program's own virtual keyboard: one keycode for each keysym of the key
// table, so every key name types its keysym whatever layout the user's keyboards have.
// Letters have their capital on the second level, so a held Shift gives it; every other key
// has a single level. Shift, Control and Alt carry the real modifiers Shift, Control and Mod1.
class VirtualKeymap {
public:
    // Compiled by xkbcommon once; empty when it refuses the keymap.
    static std::optional<VirtualKeymap> build();

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
