#pragma once

#include <memory>
#include <optional>
#include <string>

typedef struct _XDisplay Display; // as Xlib declares it, so this header stays free of Xlib's macros

namespace rukcon::platform::x11 {

// One connection to the X server, shared by the parts of the backend (key emission, windows).
// Closed when the last user lets go of it, or for a while by release().
class X11Connection {
public:
    // nullptr when the display cannot be opened; a null name means $DISPLAY.
    static std::shared_ptr<X11Connection> open(const char* displayName = nullptr);

    ~X11Connection();
    X11Connection(const X11Connection&) = delete;
    X11Connection& operator=(const X11Connection&) = delete;

    // The open display. After release() it is opened again here, to the same display; nullptr
    // when that fails (the next call tries again).
    Display* display();

    // Closes the display until display() is next called: an idle connection holds some 70 kB
    // here (Xlib's and XCB's buffers) and a client slot in the server. Whatever the caller kept
    // from it stays valid only where the server defines it: atoms and the root window.
    void release();

private:
    X11Connection(Display* display, std::optional<std::string> name) : m_display(display), m_name(std::move(name)) {}

    Display* m_display;
    std::optional<std::string> m_name;
};

} // namespace rukcon::platform::x11
