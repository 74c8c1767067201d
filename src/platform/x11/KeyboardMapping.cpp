#include "platform/x11/KeyboardMapping.h"

namespace rukcon::platform::x11 {

KeyboardMapping::KeyboardMapping(Display* display)
{
    XDisplayKeycodes(display, &m_minKeycode, &m_maxKeycode);
    m_keysyms.reset(XGetKeyboardMapping(display, static_cast<KeyCode>(m_minKeycode), m_maxKeycode - m_minKeycode + 1,
                                        &m_keysymsPerKeycode));
}

KeySym KeyboardMapping::keysym(int keycode, int column) const
{
    if (!m_keysyms || keycode < m_minKeycode || keycode > m_maxKeycode || column < 0 || column >= m_keysymsPerKeycode)
        return NoSymbol;
    return m_keysyms.get()[(keycode - m_minKeycode) * m_keysymsPerKeycode + column];
}

int KeyboardMapping::keycodeAtFirstLevel(KeySym wanted) const
{
    if (wanted == NoSymbol)
        return 0;
    for (int keycode = m_minKeycode; keycode <= m_maxKeycode; ++keycode) {
        if (keysym(keycode, 0) == wanted)
            return keycode;
    }
    return 0;
}

int KeyboardMapping::spareKeycode() const
{
    if (!m_keysyms)
        return 0;
    for (int keycode = m_minKeycode; keycode <= m_maxKeycode; ++keycode) {
        bool empty = true;
        for (int column = 0; column < m_keysymsPerKeycode && empty; ++column)
            empty = keysym(keycode, column) == NoSymbol;
        if (empty)
            return keycode;
    }
    return 0;
}

} // namespace rukcon::platform::x11
