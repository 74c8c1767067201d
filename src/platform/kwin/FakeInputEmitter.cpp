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

// Keys of real keyboards whose keysym a common layout may lack (F13 to F24 are not in a us
// layout: its keys there give XF86Tools and the like).
constexpr std::pair<Keysym, uint32_t> kKeysOfMissingKeysyms[] = {
    {0xffca, KEY_F13},
    {0xffcb, KEY_F14},
    {0xffcc, KEY_F15},
    {0xffcd, KEY_F16},
    {0xffce, KEY_F17},
    {0xffcf, KEY_F18},
    {0xffd0, KEY_F19},
    {0xffd1, KEY_F20},
    {0xffd2, KEY_F21},
    {0xffd3, KEY_F22},
    {0xffd4, KEY_F23},
    {0xffd5, KEY_F24},
    {0xff2a, KEY_ZENKAKUHANKAKU},
    {0xff23, KEY_HENKAN},
    {0xff22, KEY_MUHENKAN},
    {0xff27, KEY_KATAKANAHIRAGANA},
    {0xff0b, KEY_CLEAR},
    {0xff60, KEY_SELECT},
    {0xff69, KEY_CANCEL},
    {0xff6a, KEY_HELP},
    {0xff8d, KEY_KPENTER},
    {0xffae, KEY_KPDOT},
    {0xff13, KEY_PAUSE},
    {0xff61, KEY_SYSRQ},
};

} // namespace

uint32_t FakeInputEmitter::evdevCodeOfMissing(Keysym keysym)
{
    for (const auto& [missing, code] : kKeysOfMissingKeysyms) {
        if (missing == keysym)
            return code;
    }
    return 0;
}

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
    return {evdevCodeOfMissing(keysym), false};
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
    constexpr uint8_t kShift = 16;
    if (down && key.shifted && m_pressedOn[kShift].code == 0 && !m_shiftAdded[virtualKey]) {
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
