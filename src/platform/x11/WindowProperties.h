#pragma once

#include <X11/Xlib.h>

#include <optional>
#include <string>
#include <vector>

namespace rukcon::platform::x11 {

// The atoms the window backend reads and sends, interned in one round trip.
struct WindowAtoms {
    explicit WindowAtoms(Display* display);

    Atom netSupportingWmCheck = 0;
    Atom netClientListStacking = 0;
    Atom netActiveWindow = 0;
    Atom netWmName = 0;
    Atom utf8String = 0;
    Atom wmState = 0;
};

// ICCCM WM_STATE values; Absent when the window manager never set one.
enum class WmState { Absent = -1, Withdrawn = 0, Normal = 1, Iconic = 3 };

// Readers of window properties. None of them traps X errors: the caller holds an XErrorTrap
// around them, since any window but the root may be destroyed at any moment.

// A property of type WINDOW (format 32); nothing when it is missing or of another type.
std::optional<std::vector<Window>> readWindowList(Display* display, Window window, Atom property);
std::optional<Window> readWindow(Display* display, Window window, Atom property);

// Whether an EWMH window manager runs: the root names its check window, and that window names
// itself. A manager that exited leaves its properties on the root, but not a live check window.
bool managerRunning(Display* display, Window root, const WindowAtoms& atoms);

// The state the window manager gave a client (WM_STATE), or Absent.
WmState readWmState(Display* display, Window window, const WindowAtoms& atoms);

// The caption in UTF-8: _NET_WM_NAME when set, else WM_NAME (STRING, UTF8_STRING or
// COMPOUND_TEXT) converted to UTF-8. Empty when the window has neither.
std::string readCaption(Display* display, Window window, const WindowAtoms& atoms);

// ISO 8859-1, the encoding of the STRING type, to UTF-8.
std::string latin1ToUtf8(const unsigned char* text, size_t length);

} // namespace rukcon::platform::x11
