#include "platform/x11/X11Connection.h"

#include <X11/Xlib.h>

namespace rukcon::platform::x11 {

std::shared_ptr<X11Connection> X11Connection::open(const char* displayName)
{
    Display* display = XOpenDisplay(displayName);
    if (!display)
        return nullptr;
    return std::shared_ptr<X11Connection>(new X11Connection(display));
}

X11Connection::~X11Connection()
{
    XCloseDisplay(m_display);
}

} // namespace rukcon::platform::x11
