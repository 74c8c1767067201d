#pragma once

#include "platform/KeyEmitter.h"
#include "platform/gnome/ShellExtension.h"

#include <array>
#include <functional>
#include <memory>
#include <optional>

namespace rukcon::platform::gnome {

// Synthetic keys through the extension's virtual keyboard in GNOME Shell: by keysym, which the
// Shell types with the key of the user's layout that has it (Shift and AltGr included), or, for
// a keysym the layout lacks, by the evdev code of the key a real keyboard has for it (F13 as
// KEY_F13), which types what the layout gives that key. Keys still down when it goes are released
// (and the extension releases them should the program end without a word).
class ShellKeyEmitter : public KeyEmitter {
public:
    // missingKeyCode: 0 when the user's layout has the keysym, else the evdev code to send
    // instead (0 again when no keyboard has a key for it).
    using MissingKeyCode = std::function<uint32_t(Keysym)>;

    ShellKeyEmitter(std::shared_ptr<ShellExtension> extension, MissingKeyCode missingKeyCode)
        : m_extension(std::move(extension)), m_missingKeyCode(std::move(missingKeyCode))
    {
    }
    ~ShellKeyEmitter() override;
    ShellKeyEmitter(const ShellKeyEmitter&) = delete;
    ShellKeyEmitter& operator=(const ShellKeyEmitter&) = delete;

    bool sendKey(uint8_t virtualKey, bool down) override;

private:
    struct Sent {
        Keysym keysym = kNoKeysym;
        uint32_t code = 0;
    };

    std::shared_ptr<ShellExtension> m_extension;
    MissingKeyCode m_missingKeyCode;
    // How each virtual key still down was pressed, so its release goes the same way.
    std::array<std::optional<Sent>, 256> m_down{};
};

} // namespace rukcon::platform::gnome
