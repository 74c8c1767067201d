#include "platform/wayland/SeatKeymap.h"

#include <linux/input-event-codes.h>
#include <wayland-client.h>
#include <xkbcommon/xkbcommon.h>

#include <cstring>
#include <sys/mman.h>
#include <unistd.h>
#include <utility>

namespace rukcon::platform::wayland {

namespace {

void keymap(void* data, wl_keyboard*, uint32_t format, int32_t fd, uint32_t size)
{
    if (format == WL_KEYBOARD_KEYMAP_FORMAT_XKB_V1)
        static_cast<SeatKeymap*>(data)->takeKeymap(fd, size);
    close(fd);
}
void enter(void*, wl_keyboard*, uint32_t, wl_surface*, wl_array*) {}
void leave(void*, wl_keyboard*, uint32_t, wl_surface*) {}
void key(void*, wl_keyboard*, uint32_t, uint32_t, uint32_t, uint32_t) {}
void modifiers(void*, wl_keyboard*, uint32_t, uint32_t, uint32_t, uint32_t, uint32_t) {}
void repeatInfo(void*, wl_keyboard*, int32_t, int32_t) {}
constexpr wl_keyboard_listener kKeyboardListener = {keymap, enter, leave, key, modifiers, repeatInfo};

} // namespace

void SeatKeymap::KeymapDeleter::operator()(xkb_keymap* keymap) const
{
    xkb_keymap_unref(keymap);
}

void SeatKeymap::ContextDeleter::operator()(xkb_context* context) const
{
    xkb_context_unref(context);
}

SeatKeymap::SeatKeymap(std::shared_ptr<WaylandConnection> connection)
    : m_connection(std::move(connection)),
      // The keymap comes complete: no include path is searched and no environment is read.
      m_context(xkb_context_new(
          static_cast<xkb_context_flags>(XKB_CONTEXT_NO_DEFAULT_INCLUDES | XKB_CONTEXT_NO_ENVIRONMENT_NAMES)))
{
    // The seat's capabilities.
    m_connection->roundtrip();
    requestKeyboard();
}

SeatKeymap::~SeatKeymap()
{
    if (m_keyboard)
        wl_keyboard_destroy(m_keyboard);
}

void SeatKeymap::requestKeyboard()
{
    // Asking a seat that never had a keyboard is a protocol error.
    if (m_keyboard || !m_connection->seat() || !m_connection->seatHasKeyboard())
        return;
    m_keyboard = wl_seat_get_keyboard(m_connection->seat());
    wl_keyboard_add_listener(m_keyboard, &kKeyboardListener, this);
    // The keymap comes at once.
    m_connection->roundtrip();
}

void SeatKeymap::takeKeymap(int fd, uint32_t size)
{
    if (!m_context || size == 0)
        return;
    void* text = mmap(nullptr, size, PROT_READ, MAP_PRIVATE, fd, 0);
    if (text == MAP_FAILED)
        return;
    // The size includes the closing NUL.
    m_text.assign(static_cast<const char*>(text), strnlen(static_cast<const char*>(text), size));
    munmap(text, size);
    xkb_keymap* compiled = xkb_keymap_new_from_buffer(m_context.get(), m_text.data(), m_text.size(),
                                                      XKB_KEYMAP_FORMAT_TEXT_V1, XKB_KEYMAP_COMPILE_NO_FLAGS);
    m_keymap.reset(compiled);
    ++m_generation;
}

uint32_t SeatKeymap::keycodeTyping(Keysym keysym, unsigned level) const
{
    return wayland::keycodeTyping(m_keymap.get(), keysym, level);
}

uint32_t keycodeTyping(xkb_keymap* keymap, Keysym keysym, unsigned level)
{
    if (!keymap || keysym == kNoKeysym)
        return 0;
    const xkb_keycode_t last = xkb_keymap_max_keycode(keymap);
    for (xkb_keycode_t keycode = xkb_keymap_min_keycode(keymap); keycode <= last; ++keycode) {
        const xkb_keysym_t* syms = nullptr;
        if (xkb_keymap_key_get_syms_by_level(keymap, keycode, 0, level, &syms) == 1 && syms[0] == keysym)
            return keycode;
    }
    return 0;
}

namespace {

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

uint32_t evdevCodeOfMissing(Keysym keysym)
{
    for (const auto& [missing, code] : kKeysOfMissingKeysyms) {
        if (missing == keysym)
            return code;
    }
    return 0;
}

} // namespace rukcon::platform::wayland
