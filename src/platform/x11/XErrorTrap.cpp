#include "platform/x11/XErrorTrap.h"

namespace rukcon::platform::x11 {

namespace {
// Innermost live trap; Xlib's error handler is process-wide, so the chain is too.
thread_local XErrorTrap* t_innermost = nullptr;

// Waits for the server to answer every request sent so far. When the last request sent has
// been answered already (a property read, say), every error before it has arrived too, and the
// round trip is skipped: the traps sit on paths that run before every key typed.
void settle(Display* display)
{
    if (XNextRequest(display) - 1 != LastKnownRequestProcessed(display))
        XSync(display, False);
}
} // namespace

XErrorTrap::XErrorTrap(Display* display) : m_display(display), m_outer(t_innermost)
{
    // Errors of earlier requests belong to whoever was in charge when they were made.
    settle(m_display);
    t_innermost = this;
    m_previousHandler = XSetErrorHandler(&XErrorTrap::handleError);
}

XErrorTrap::~XErrorTrap()
{
    settle(m_display);
    XSetErrorHandler(m_previousHandler);
    t_innermost = m_outer;
}

bool XErrorTrap::failed()
{
    settle(m_display);
    return m_errorCode != Success;
}

int XErrorTrap::handleError(Display* display, XErrorEvent* event)
{
    XErrorTrap* outermost = nullptr;
    for (XErrorTrap* trap = t_innermost; trap; trap = trap->m_outer) {
        if (trap->m_display == display) {
            if (trap->m_errorCode == Success)
                trap->m_errorCode = event->error_code;
            return 0;
        }
        outermost = trap;
    }
    if (outermost && outermost->m_previousHandler)
        return outermost->m_previousHandler(display, event);
    return 0;
}

} // namespace rukcon::platform::x11
