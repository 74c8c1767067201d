#include "KeyCatcher.h"

#include <X11/XKBlib.h>

#include <chrono>
#include <poll.h>
#include <thread>

namespace rukcon::test {

std::vector<std::string> strokes(const std::vector<KeyArrival>& arrivals)
{
    std::vector<std::string> out;
    for (const auto& a : arrivals)
        out.push_back(a.keysym + (a.press ? "+" : "-"));
    return out;
}

KeyCatcher::KeyCatcher(const char* displayName) : m_display(XOpenDisplay(displayName))
{
    if (!m_display)
        return;
    const int screen = DefaultScreen(m_display);
    m_window = XCreateSimpleWindow(m_display, RootWindow(m_display, screen), 10, 10, 200, 100, 0,
                                   BlackPixel(m_display, screen), WhitePixel(m_display, screen));
    XSelectInput(m_display, m_window, KeyPressMask | KeyReleaseMask | StructureNotifyMask);
    XStoreName(m_display, m_window, "key catcher");
    XMapRaised(m_display, m_window);
    if (!waitForMap())
        return;
    // The window manager may hold a grab for a moment while it places the window.
    for (int attempt = 0; attempt < 100 && !m_grabbed; ++attempt) {
        m_grabbed = XGrabKeyboard(m_display, m_window, False, GrabModeAsync, GrabModeAsync, CurrentTime) == GrabSuccess;
        if (!m_grabbed)
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
}

KeyCatcher::~KeyCatcher()
{
    if (!m_display)
        return;
    if (m_grabbed)
        XUngrabKeyboard(m_display, CurrentTime);
    if (m_window)
        XDestroyWindow(m_display, m_window);
    XCloseDisplay(m_display);
}

bool KeyCatcher::waitForMap()
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    XEvent event;
    while (std::chrono::steady_clock::now() < deadline) {
        if (XCheckTypedWindowEvent(m_display, m_window, MapNotify, &event))
            return true;
        pollfd fd{ConnectionNumber(m_display), POLLIN, 0};
        poll(&fd, 1, 100);
    }
    return false;
}

std::vector<KeyArrival> KeyCatcher::collect(Display* sender, size_t expected)
{
    std::vector<KeyArrival> arrivals;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (arrivals.size() < expected && std::chrono::steady_clock::now() < deadline) {
        if (!XPending(m_display)) {
            pollfd fd{ConnectionNumber(m_display), POLLIN, 0};
            poll(&fd, 1, 100);
            continue;
        }
        readOne(arrivals);
    }
    if (arrivals.size() < expected)
        return arrivals; // a sync now would push out what the sender failed to send by itself
    XSync(sender, False);
    XSync(m_display, False);
    while (XPending(m_display))
        readOne(arrivals);
    return arrivals;
}

void KeyCatcher::readOne(std::vector<KeyArrival>& arrivals)
{
    XEvent event;
    XNextEvent(m_display, &event);
    if (event.type == MappingNotify) {
        // Keys bound on the fly are only translated right after the client reloads its keymap.
        XRefreshKeyboardMapping(&event.xmapping);
    } else if (event.type == KeyPress || event.type == KeyRelease) {
        // Read as a client that follows the keyboard layout does: in the group the event
        // carries, at the level of no modifiers (a held Shift still reads as the plain key).
        const unsigned int groupOnly = XkbBuildCoreState(0, XkbGroupForCoreState(event.xkey.state));
        KeySym keysym = NoSymbol;
        unsigned int modsUsed = 0;
        XkbLookupKeySym(m_display, static_cast<KeyCode>(event.xkey.keycode), groupOnly, &modsUsed, &keysym);
        const char* name = keysym == NoSymbol ? nullptr : XKeysymToString(keysym);
        arrivals.push_back({name ? name : "NoSymbol", event.type == KeyPress, static_cast<int>(event.xkey.keycode)});
    }
}

} // namespace rukcon::test
