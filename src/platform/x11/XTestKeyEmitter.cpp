#include "platform/x11/XTestKeyEmitter.h"

#include "platform/x11/KeyboardMapping.h"
#include "platform/x11/VirtualKeyMap.h"
#include "platform/x11/XErrorTrap.h"

#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>

namespace rukcon::platform::x11 {

std::unique_ptr<XTestKeyEmitter> XTestKeyEmitter::create(std::shared_ptr<X11Connection> connection)
{
    if (!connection)
        return nullptr;
    int eventBase = 0, errorBase = 0, major = 0, minor = 0;
    if (!XTestQueryExtension(connection->display(), &eventBase, &errorBase, &major, &minor))
        return nullptr;
    return std::unique_ptr<XTestKeyEmitter>(new XTestKeyEmitter(std::move(connection)));
}

bool XTestKeyEmitter::sendKey(uint8_t virtualKey, bool down)
{
    const uint8_t keycode = keycodeFor(virtualKey);
    if (keycode == 0)
        return false;
    Display* display = m_connection->display();
    if (!XTestFakeKeyEvent(display, keycode, down ? True : False, CurrentTime))
        return false;
    XFlush(display);
    m_down[keycode] = down;
    noteUse(keycode);
    return true;
}

void XTestKeyEmitter::noteUse(uint8_t keycode)
{
    for (Binding& b : m_bindings) {
        if (b.keycode == keycode)
            b.lastUse = ++m_useClock;
    }
}

int XTestKeyEmitter::freeKeycode(const KeyboardMapping& mapping)
{
    if (const int spare = mapping.spareKeycode(); spare != 0)
        return spare;
    // Keymaps have few empty keycodes (about 19 on a stock server) and the table has more keys
    // than that missing. Moving an old binding is safe once its release has been delivered.
    Binding* oldest = nullptr;
    for (Binding& b : m_bindings) {
        if (!m_down[b.keycode] && (!oldest || b.lastUse < oldest->lastUse))
            oldest = &b;
    }
    if (!oldest)
        return 0;
    const int keycode = oldest->keycode;
    m_keycodes[oldest->virtualKey] = 0;
    m_bindings.erase(m_bindings.begin() + (oldest - m_bindings.data()));
    return keycode;
}

uint8_t XTestKeyEmitter::keycodeFor(uint8_t virtualKey)
{
    if (m_keycodes[virtualKey] != 0)
        return m_keycodes[virtualKey];

    const KeySym keysym = keysymForVirtualKey(virtualKey);
    if (keysym == NoSymbol)
        return 0;

    // Scanned by hand: XKeysymToKeycode may answer with a key that gives the keysym only with
    // Shift or NumLock (KP_Decimal), and pressing that key alone would type something else.
    Display* display = m_connection->display();
    const KeyboardMapping mapping(display);
    int keycode = mapping.keycodeAtFirstLevel(keysym);
    if (keycode == 0) {
        keycode = freeKeycode(mapping);
        if (keycode == 0)
            return 0;
        KeySym binding = keysym;
        XErrorTrap trap(display);
        XChangeKeyboardMapping(display, keycode, 1, &binding, 1);
        if (trap.failed())
            return 0;
        m_bindings.push_back({virtualKey, static_cast<uint8_t>(keycode), ++m_useClock});
    }
    m_keycodes[virtualKey] = static_cast<uint8_t>(keycode);
    return m_keycodes[virtualKey];
}

} // namespace rukcon::platform::x11
