#include "platform/x11/X11ActiveWindowWatch.h"

#include "platform/x11/XErrorTrap.h"

#include <X11/Xatom.h>

namespace rukcon::platform::x11 {

namespace {

bool activeWindowNamed(Display* display, Window root, const WindowAtoms& atoms)
{
    XErrorTrap trap(display);
    // A manager that keeps the property sets it from its start, None while no window is active.
    return managerRunning(display, root, atoms) && readWindow(display, root, atoms.netActiveWindow).has_value();
}

} // namespace

X11ActiveWindowWatch::X11ActiveWindowWatch(const char* displayName, std::shared_ptr<X11Connection> asking)
    : m_displayName(displayName ? std::optional<std::string>(displayName) : std::nullopt), m_asking(std::move(asking))
{
}

X11ActiveWindowWatch::~X11ActiveWindowWatch()
{
    stop();
}

bool X11ActiveWindowWatch::connect()
{
    m_connection = X11Connection::open(m_displayName ? m_displayName->c_str() : nullptr);
    if (!m_connection)
        return false;
    m_display = m_connection->display();
    m_root = DefaultRootWindow(m_display);
    m_atoms.emplace(m_display);
    return true;
}

void X11ActiveWindowWatch::disconnect()
{
    m_atoms.reset();
    m_display = nullptr;
    m_root = 0;
    m_connection.reset();
}

bool X11ActiveWindowWatch::available()
{
    if (m_started)
        return activeWindowNamed(m_display, m_root, *m_atoms);
    if (m_asking) {
        Display* display = m_asking->display(); // opened again if it was released
        return display && activeWindowNamed(display, DefaultRootWindow(display), WindowAtoms(display));
    }
    if (!connect())
        return false;
    const bool named = activeWindowNamed(m_display, m_root, *m_atoms);
    disconnect();
    return named;
}

Window X11ActiveWindowWatch::readActiveWindow()
{
    return readWindow(m_display, m_root, m_atoms->netActiveWindow).value_or(0);
}

void X11ActiveWindowWatch::follow(Window window)
{
    if (window == m_followed)
        return;
    // Either window may be gone by now; the trap keeps that from ending the program.
    XErrorTrap trap(m_display);
    if (m_followed)
        XSelectInput(m_display, m_followed, NoEventMask);
    if (window)
        XSelectInput(m_display, window, PropertyChangeMask);
    m_followed = window;
}

int X11ActiveWindowWatch::start()
{
    if (!m_started) {
        if (!connect())
            return -1;
        XErrorTrap trap(m_display);
        XSelectInput(m_display, m_root, PropertyChangeMask);
        const Window active = readActiveWindow();
        follow(active);
        m_last = {active, active ? readCaption(m_display, active, *m_atoms) : std::string()};
        m_started = true;
    }
    // What arrived before (a keyboard mapping change, say) is old news.
    XSync(m_display, True);
    return ConnectionNumber(m_display);
}

void X11ActiveWindowWatch::stop()
{
    if (!m_started)
        return;
    // The server forgets the selections with the connection.
    disconnect();
    m_followed = 0;
    m_started = false;
}

std::optional<ActiveWindow> X11ActiveWindowWatch::takeChange()
{
    if (!m_started)
        return std::nullopt;
    bool changed = false;
    ActiveWindow now = m_last;
    // The round trips that read the new state may queue further events, which the descriptor no
    // longer shows; so the queue is read until it stays empty.
    while (XPending(m_display) > 0) {
        bool activeChanged = false;
        while (XPending(m_display) > 0) {
            XEvent event;
            XNextEvent(m_display, &event);
            if (event.type != PropertyNotify)
                continue;
            const XPropertyEvent& property = event.xproperty;
            if (property.window == m_root && property.atom == m_atoms->netActiveWindow)
                activeChanged = true;
            else if (property.window == m_followed &&
                     (property.atom == m_atoms->netWmName || property.atom == XA_WM_NAME))
                changed = true;
        }
        if (activeChanged) {
            XErrorTrap trap(m_display);
            follow(readActiveWindow());
            changed = true;
        }
        if (changed) {
            XErrorTrap trap(m_display);
            now = {m_followed, m_followed ? readCaption(m_display, m_followed, *m_atoms) : std::string()};
            if (trap.failed())
                now.caption.clear(); // it vanished in the meantime
        }
    }
    if (!changed || (now.id == m_last.id && now.caption == m_last.caption))
        return std::nullopt;
    m_last = now;
    return now;
}

} // namespace rukcon::platform::x11
