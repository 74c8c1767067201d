#pragma once

#include <X11/Xlib.h>

namespace rukcon::platform::x11 {

// Catches the X errors of the requests made on one display while it lives, instead of letting
// Xlib's default handler end the program. Errors of other displays go to the handler that was
// installed before. Traps may nest; they must be destroyed in reverse order of creation.
class XErrorTrap {
public:
    explicit XErrorTrap(Display* display);
    ~XErrorTrap();
    XErrorTrap(const XErrorTrap&) = delete;
    XErrorTrap& operator=(const XErrorTrap&) = delete;

    // Waits until the server has answered every request sent so far, then tells whether one
    // of them failed since the trap was set.
    bool failed();
    unsigned char errorCode() const { return m_errorCode; }

private:
    static int handleError(Display* display, XErrorEvent* event);

    Display* m_display;
    XErrorHandler m_previousHandler;
    XErrorTrap* m_outer;
    unsigned char m_errorCode = Success;
};

} // namespace rukcon::platform::x11
