#include "platform/x11/X11WindowSystem.h"

#include "platform/x11/XErrorTrap.h"

#include <chrono>
#include <thread>

namespace rukcon::platform::x11 {

namespace {

// The window manager acts on requests asynchronously: they wait for the outcome.
constexpr auto kSettleBound = kActivationBound;
constexpr auto kPollInterval = std::chrono::milliseconds(2);

template <typename Done> bool waitUntil(Done done)
{
    const auto deadline = std::chrono::steady_clock::now() + kSettleBound;
    for (;;) {
        if (done())
            return true;
        if (std::chrono::steady_clock::now() >= deadline)
            return false;
        std::this_thread::sleep_for(kPollInterval);
    }
}

bool isViewable(Display* display, Window window)
{
    XWindowAttributes attributes;
    return XGetWindowAttributes(display, window, &attributes) && attributes.map_state == IsViewable;
}

bool exists(Display* display, Window window)
{
    XWindowAttributes attributes;
    return XGetWindowAttributes(display, window, &attributes) != 0;
}

} // namespace

X11WindowSystem::X11WindowSystem(std::shared_ptr<X11Connection> connection)
    : m_connection(std::move(connection)), m_display(m_connection->display()), m_root(DefaultRootWindow(m_display)),
      m_atoms(m_display)
{
}

bool X11WindowSystem::connected()
{
    m_display = m_connection->display();
    return m_display != nullptr;
}

void X11WindowSystem::releaseIdleResources()
{
    m_connection->release();
    m_display = nullptr;
}

std::optional<std::vector<Window>> X11WindowSystem::managedStacking()
{
    // The check window of a manager that exited may be gone. The BadWindow that costs is
    // expected and must not count against the caller's own requests.
    XErrorTrap trap(m_display);
    if (!managerRunning(m_display, m_root, m_atoms))
        return std::nullopt;
    return readWindowList(m_display, m_root, m_atoms.netClientListStacking);
}

bool X11WindowSystem::isVisibleClient(Window window)
{
    XWindowAttributes attributes;
    if (!XGetWindowAttributes(m_display, window, &attributes))
        return false;
    if (attributes.map_state == IsViewable)
        return true;
    const WmState state = readWmState(m_display, window, m_atoms);
    return state == WmState::Normal || state == WmState::Iconic;
}

std::optional<Window> X11WindowSystem::activeWindow()
{
    return readWindow(m_display, m_root, m_atoms.netActiveWindow);
}

void X11WindowSystem::requestActivation(Window window)
{
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = m_atoms.netActiveWindow;
    event.xclient.format = 32;
    // Source 2 (pager): the user asked for this window through another program, so managers
    // with focus-stealing prevention let it through even without a user timestamp.
    event.xclient.data.l[0] = 2;
    event.xclient.data.l[1] = CurrentTime;
    event.xclient.data.l[2] = 0;
    XSendEvent(m_display, m_root, False, SubstructureRedirectMask | SubstructureNotifyMask, &event);
    XFlush(m_display);
}

bool X11WindowSystem::listVisibleWindows(std::vector<WindowEntry>& out)
{
    if (!connected())
        return false;
    XErrorTrap trap(m_display);
    if (const std::optional<std::vector<Window>> stacking = managedStacking()) {
        // Bottom to top; callers want the front first.
        for (auto it = stacking->rbegin(); it != stacking->rend(); ++it) {
            if (isVisibleClient(*it))
                out.push_back({*it, readCaption(m_display, *it, m_atoms)});
        }
        return true;
    }

    Window root = 0, parent = 0;
    Window* children = nullptr;
    unsigned int count = 0;
    if (!XQueryTree(m_display, m_root, &root, &parent, &children, &count))
        return false;
    // Also bottom to top. The viewable filter drops the unmapped helper windows toolkits keep.
    for (unsigned int i = count; i-- > 0;) {
        if (isViewable(m_display, children[i]))
            out.push_back({children[i], readCaption(m_display, children[i], m_atoms)});
    }
    if (children)
        XFree(children);
    return true;
}

bool X11WindowSystem::restore(WindowId id)
{
    if (!connected())
        return false;
    const Window window = static_cast<Window>(id);
    XErrorTrap trap(m_display);
    // Called before every key the controller types: a window in the manager's Normal state
    // needs nothing, and one round trip tells (a vanished window fails it with BadWindow).
    const WmState state = readWmState(m_display, window, m_atoms);
    if (trap.failed())
        return false;
    if (state == WmState::Normal)
        return true;
    if (managedStacking()) {
        if (state != WmState::Iconic)
            return exists(m_display, window);
        // ICCCM: a client leaves the iconic state by mapping its window; the manager does the rest.
        XMapWindow(m_display, window);
        XFlush(m_display);
        return waitUntil([&] {
            return readWmState(m_display, window, m_atoms) != WmState::Iconic && isViewable(m_display, window);
        });
    }

    XWindowAttributes attributes;
    if (!XGetWindowAttributes(m_display, window, &attributes))
        return false;
    if (attributes.map_state == IsViewable)
        return true;
    XMapRaised(m_display, window);
    return !trap.failed();
}

bool X11WindowSystem::setKeepAbove(WindowId id, bool above)
{
    if (!connected())
        return false;
    const Window window = static_cast<Window>(id);
    XErrorTrap trap(m_display);
    if (!exists(m_display, window))
        return false;
    if (!managedStacking()) {
        // Without a window manager there is no band to join; raising is all there is.
        if (above)
            XRaiseWindow(m_display, window);
        XFlush(m_display);
        return !trap.failed();
    }
    // The window manager owns _NET_WM_STATE of a mapped window: ask it (add 1, remove 0).
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = XInternAtom(m_display, "_NET_WM_STATE", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = above ? 1 : 0;
    event.xclient.data.l[1] = static_cast<long>(XInternAtom(m_display, "_NET_WM_STATE_ABOVE", False));
    event.xclient.data.l[2] = 0;
    event.xclient.data.l[3] = 2; // source: on the user's behalf
    XSendEvent(m_display, m_root, False, SubstructureRedirectMask | SubstructureNotifyMask, &event);
    XFlush(m_display);
    return !trap.failed();
}

bool X11WindowSystem::activate(WindowId id, ActivationWait wait)
{
    if (!connected())
        return false;
    const Window window = static_cast<Window>(id);
    XErrorTrap trap(m_display);
    // Within a poll cycle the same window is brought forward before every key: when it is
    // still the manager's active window, one round trip settles it.
    if (wait == ActivationWait::No && activeWindow() == window)
        return true;
    if (!exists(m_display, window))
        return false;

    if (const std::optional<std::vector<Window>> stacking = managedStacking()) {
        // The manager's active window alone is not enough here, as it lags behind a window
        // that was just mapped over it.
        if (activeWindow() == window && !stacking->empty() && stacking->back() == window)
            return true;
        requestActivation(window);
        if (wait == ActivationWait::No)
            return !trap.failed();
        return waitUntil([&] { return activeWindow() == window; });
    }

    XRaiseWindow(m_display, window);
    XSetInputFocus(m_display, window, RevertToParent, CurrentTime);
    return !trap.failed(); // an unviewable window refuses the focus with BadMatch
}

} // namespace rukcon::platform::x11
