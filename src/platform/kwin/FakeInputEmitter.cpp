#include "platform/kwin/FakeInputEmitter.h"

#include "platform/VirtualKeyMap.h"

#include "fake-input-client-protocol.h"

#include <linux/input-event-codes.h>
#include <wayland-client.h>

#include <utility>

namespace rukcon::platform::kwin {

namespace {

// keyboard_key came with version 4.
constexpr uint32_t kKeysVersion = 4;

} // namespace

std::unique_ptr<FakeInputEmitter> FakeInputEmitter::create(std::shared_ptr<wayland::WaylandConnection> connection)
{
    if (!connection)
        return nullptr;
    uint32_t version = 0;
    auto* input = static_cast<org_kde_kwin_fake_input*>(
        connection->bind(&org_kde_kwin_fake_input_interface, kKeysVersion, &version));
    if (!input)
        return nullptr;
    if (version < kKeysVersion) {
        wl_proxy_destroy(reinterpret_cast<wl_proxy*>(input));
        return nullptr;
    }
    // Without it KWin drops every key without a word; 5.27 grants it without asking the user.
    org_kde_kwin_fake_input_authenticate(input, "RUKコン", "types the keys assigned to a game controller's buttons");
    if (!connection->roundtrip()) {
        wl_proxy_destroy(reinterpret_cast<wl_proxy*>(input));
        return nullptr;
    }
    return std::unique_ptr<FakeInputEmitter>(new FakeInputEmitter(std::move(connection), input));
}

FakeInputEmitter::~FakeInputEmitter()
{
    for (int code = 0; code < 256; ++code) {
        if (m_pressedOn[code].code)
            sendKey(static_cast<uint8_t>(code), false);
    }
    wl_proxy_destroy(reinterpret_cast<wl_proxy*>(m_input));
    m_connection->flush();
}

FakeInputEmitter::Key FakeInputEmitter::keyFor(uint8_t virtualKey)
{
    const Keysym keysym = keysymForVirtualKey(virtualKey);
    if (keysym == kNoKeysym)
        return {};
    // A keymap sent since the last key is taken in first.
    m_connection->readEvents();
    m_keymap.requestKeyboard();
    if (const uint32_t keycode = m_keymap.keycodeTyping(keysym))
        return {keycode - wayland::kEvdevOffset, false};
    if (const uint32_t keycode = m_keymap.keycodeTyping(keysym, 1))
        return {keycode - wayland::kEvdevOffset, true};
    return {wayland::evdevCodeOfMissing(keysym), false};
}

void FakeInputEmitter::send(uint32_t code, bool down)
{
    org_kde_kwin_fake_input_keyboard_key(m_input, code,
                                         down ? WL_KEYBOARD_KEY_STATE_PRESSED : WL_KEYBOARD_KEY_STATE_RELEASED);
}

bool FakeInputEmitter::sendKey(uint8_t virtualKey, bool down)
{
    // A key goes up (or repeats) on the key it went down on, whatever changed since.
    Key key = m_pressedOn[virtualKey];
    if (key.code == 0)
        key = keyFor(virtualKey);
    if (key.code == 0 || !m_connection->healthy())
        return false;
    if (down && key.shifted && m_pressedOn[kVirtualShift].code == 0 && !m_shiftAdded[virtualKey]) {
        send(KEY_LEFTSHIFT, true);
        m_shiftAdded[virtualKey] = true;
    }
    send(key.code, down);
    if (!down && m_shiftAdded[virtualKey]) {
        send(KEY_LEFTSHIFT, false);
        m_shiftAdded[virtualKey] = false;
    }
    m_pressedOn[virtualKey] = down ? key : Key{};
    return m_connection->flush();
}

} // namespace rukcon::platform::kwin
