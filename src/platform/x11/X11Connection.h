#pragma once

#include <memory>

typedef struct _XDisplay Display; // as Xlib declares it, so this header stays free of Xlib's macros

namespace rukcon::platform::x11 {

// One connection to the X server, shared by the parts of the backend (key emission, windows).
// Closed when the last user lets go of it.
class X11Connection {
public:
    // nullptr when the display cannot be opened; a null name means $DISPLAY.
    static std::shared_ptr<X11Connection> open(const char* displayName = nullptr);

    ~X11Connection();
    X11Connection(const X11Connection&) = delete;
    X11Connection& operator=(const X11Connection&) = delete;

    Display* display() const { return m_display; }

private:
    explicit X11Connection(Display* display) : m_display(display) {}

    Display* m_display;
};

} // namespace rukcon::platform::x11
