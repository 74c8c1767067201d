#include "platform/x11/XErrorTrap.h"

namespace rukcon::platform::x11 {

namespace {
// Innermost live trap; Xlib's error handler is process-wide, so the chain is too.
thread_local XErrorTrap* t_innermost = nullptr;
} // namespace

XErrorTrap::XErrorTrap(Display* display) : m_display(display), m_outer(t_innermost)
{
    // Errors of earlier requests belong to whoever was in charge when they were made.
    XSync(m_display, False);
    t_innermost = this;
    m_previousHandler = XSetErrorHandler(&XErrorTrap::handleError);
}

XErrorTrap::~XErrorTrap()
{
    XSync(m_display, False);
    XSetErrorHandler(m_previousHandler);
    t_innermost = m_outer;
}

bool XErrorTrap::failed()
{
    XSync(m_display, False);
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
