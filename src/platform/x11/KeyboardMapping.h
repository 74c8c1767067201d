#pragma once

#include <X11/Xlib.h>

#include <memory>

namespace rukcon::platform::x11 {

// A snapshot of the server's core keymap: for every keycode, its keysyms by column
// (column 0 is the first level of the first group, the key pressed without modifiers).
class KeyboardMapping {
public:
    explicit KeyboardMapping(Display* display);

    bool isValid() const { return m_keysyms != nullptr; }
    int minKeycode() const { return m_minKeycode; }
    int maxKeycode() const { return m_maxKeycode; }
    KeySym keysym(int keycode, int column) const;

    // The lowest keycode that gives the keysym without any modifier, or 0.
    int keycodeAtFirstLevel(KeySym keysym) const;
    // The lowest keycode with no keysym at all, or 0.
    int spareKeycode() const;

private:
    struct XFreeDeleter {
        void operator()(KeySym* keysyms) const { XFree(keysyms); }
    };

    int m_minKeycode = 0;
    int m_maxKeycode = 0;
    int m_keysymsPerKeycode = 0;
    std::unique_ptr<KeySym, XFreeDeleter> m_keysyms;
};

} // namespace rukcon::platform::x11
