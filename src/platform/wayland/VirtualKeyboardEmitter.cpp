#include "platform/wayland/VirtualKeyboardEmitter.h"

#include "virtual-keyboard-unstable-v1-client-protocol.h"

#include <wayland-client.h>

#include <algorithm>
#include <ctime>
#include <fcntl.h>
#include <sys/mman.h>
#include <unistd.h>

namespace rukcon::platform::wayland {

namespace {

// The keymap reaches the compositor as a file it maps; the size sent includes the closing NUL.
int keymapFile(const std::string& text)
{
    const int fd = memfd_create("rukcon-keymap", MFD_CLOEXEC | MFD_ALLOW_SEALING);
    if (fd < 0)
        return -1;
    const char* data = text.c_str();
    size_t left = text.size() + 1;
    while (left > 0) {
        const ssize_t written = write(fd, data, left);
        if (written <= 0) {
            close(fd);
            return -1;
        }
        data += written;
        left -= static_cast<size_t>(written);
    }
    // Clients may map it shared: nobody may change it under them.
    fcntl(fd, F_ADD_SEALS, F_SEAL_SHRINK | F_SEAL_GROW | F_SEAL_WRITE | F_SEAL_SEAL);
    return fd;
}

uint32_t nowMilliseconds()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<uint32_t>(now.tv_sec * 1000 + now.tv_nsec / 1000000);
}

} // namespace

VirtualKeyboardEmitter::VirtualKeyboardEmitter(std::shared_ptr<WaylandConnection> connection,
                                               zwp_virtual_keyboard_v1* keyboard, std::unique_ptr<SeatKeymap> seat)
    : m_connection(std::move(connection)), m_keyboard(keyboard), m_seat(std::move(seat)),
      m_seatGeneration(m_seat->generation())
{
}

std::unique_ptr<VirtualKeyboardEmitter> VirtualKeyboardEmitter::create(std::shared_ptr<WaylandConnection> connection)
{
    if (!connection || !connection->seat() || !connection->keyboardManager())
        return nullptr;
    auto seat = std::make_unique<SeatKeymap>(connection);
    zwp_virtual_keyboard_v1* keyboard =
        zwp_virtual_keyboard_manager_v1_create_virtual_keyboard(connection->keyboardManager(), connection->seat());
    std::unique_ptr<VirtualKeyboardEmitter> emitter(new VirtualKeyboardEmitter(connection, keyboard, std::move(seat)));
    // A compositor that refuses untrusted clients says so with a protocol error.
    if (!emitter->sendKeymap() || !connection->roundtrip())
        return nullptr;
    return emitter;
}

bool VirtualKeyboardEmitter::sendKeymap()
{
    std::optional<VirtualKeymap> keymap = VirtualKeymap::buildOn(m_seat->keymap());
    if (!keymap)
        keymap = VirtualKeymap::build();
    if (!keymap)
        return false;
    const int fd = keymapFile(keymap->text());
    if (fd < 0)
        return false;
    // The request carries a duplicate of the descriptor.
    zwp_virtual_keyboard_v1_keymap(m_keyboard, WL_KEYBOARD_KEYMAP_FORMAT_XKB_V1, fd,
                                   static_cast<uint32_t>(keymap->text().size() + 1));
    close(fd);
    m_keymap = std::move(keymap);
    m_modifiers = 0;
    return true;
}

void VirtualKeyboardEmitter::followSeat()
{
    m_connection->readEvents();
    m_seat->requestKeyboard();
    if (m_seat->generation() == m_seatGeneration)
        return;
    m_seatGeneration = m_seat->generation();
    // Once this keyboard has typed, the compositor reports its keymap as the seat's.
    if (m_seat->text() != m_keymap->text())
        sendKeymap();
}

VirtualKeyboardEmitter::~VirtualKeyboardEmitter()
{
    for (int code = 0; code < 256; ++code) {
        if (m_down[code])
            sendKey(static_cast<uint8_t>(code), false);
    }
    zwp_virtual_keyboard_v1_destroy(m_keyboard);
    m_connection->flush();
}

bool VirtualKeyboardEmitter::sendKey(uint8_t virtualKey, bool down)
{
    if (down && std::find(m_down.begin(), m_down.end(), true) == m_down.end())
        followSeat();
    const uint32_t keycode = m_keymap->keycodeFor(virtualKey);
    if (keycode == 0 || !m_connection->healthy())
        return false;
    zwp_virtual_keyboard_v1_key(m_keyboard, nowMilliseconds(), keycode - 8,
                                down ? WL_KEYBOARD_KEY_STATE_PRESSED : WL_KEYBOARD_KEY_STATE_RELEASED);
    m_down[virtualKey] = down;
    if (const uint32_t mask = m_keymap->modifierMaskFor(virtualKey)) {
        m_modifiers = down ? (m_modifiers | mask) : (m_modifiers & ~mask);
        zwp_virtual_keyboard_v1_modifiers(m_keyboard, m_modifiers, 0, 0, 0);
    }
    return m_connection->flush();
}

} // namespace rukcon::platform::wayland
