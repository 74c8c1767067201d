#pragma once

#include <X11/XKBlib.h>

#include <memory>

namespace rukcon::platform::x11 {

// A snapshot of the server's keyboard map (XKB) and of the keyboard group in use: which keysym
// each key types when pressed alone, as clients that follow the layout read it.
class KeyboardMapping {
public:
    // Two requests to the server; invalid when XKB does not answer.
    explicit KeyboardMapping(Display* display);

    bool isValid() const { return m_xkb != nullptr; }

    // The keysym the key types pressed without modifiers in the active group, or NoSymbol.
    KeySym keysymTyped(int keycode) const;
    // The lowest keycode that types the keysym pressed without modifiers, or 0.
    int keycodeTyping(KeySym keysym) const;
    int minKeycode() const { return m_xkb ? m_xkb->min_key_code : 1; }
    int maxKeycode() const { return m_xkb ? m_xkb->max_key_code : 0; }
    // True when the key has no keysym at all.
    bool isSpare(int keycode) const;
    // True when the key has a single group whose first level is the keysym, as a binding of
    // one keysym to a spare keycode leaves it.
    bool isBoundTo(int keycode, KeySym keysym) const;

private:
    struct XkbDeleter {
        void operator()(XkbDescPtr xkb) const { XkbFreeKeyboard(xkb, XkbAllComponentsMask, True); }
    };

    bool hasKeycode(int keycode) const;

    std::unique_ptr<XkbDescRec, XkbDeleter> m_xkb;
    int m_group = 0; // effective group, 0 for the first
};

} // namespace rukcon::platform::x11
