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
    return true;
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
        keycode = mapping.spareKeycode();
        if (keycode == 0)
            return 0;
        KeySym binding = keysym;
        XErrorTrap trap(display);
        XChangeKeyboardMapping(display, keycode, 1, &binding, 1);
        if (trap.failed())
            return 0;
    }
    m_keycodes[virtualKey] = static_cast<uint8_t>(keycode);
    return m_keycodes[virtualKey];
}

} // namespace rukcon::platform::x11
