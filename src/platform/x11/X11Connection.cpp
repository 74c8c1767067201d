#include "platform/x11/X11Connection.h"

#include <X11/Xlib.h>

namespace rukcon::platform::x11 {

std::shared_ptr<X11Connection> X11Connection::open(const char* displayName)
{
    Display* display = XOpenDisplay(displayName);
    if (!display)
        return nullptr;
    return std::shared_ptr<X11Connection>(
        new X11Connection(display, displayName ? std::optional<std::string>(displayName) : std::nullopt));
}

X11Connection::~X11Connection()
{
    release();
}

Display* X11Connection::display()
{
    if (!m_display)
        m_display = XOpenDisplay(m_name ? m_name->c_str() : nullptr);
    return m_display;
}

void X11Connection::release()
{
    if (m_display)
        XCloseDisplay(m_display);
    m_display = nullptr;
}

} // namespace rukcon::platform::x11
