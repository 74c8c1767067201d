#pragma once

#include <X11/Xlib.h>

#include <cstddef>
#include <string>
#include <vector>

namespace rukcon::test {

// A key event as a client window saw it: the keysym of its key without modifiers in the
// keyboard group of the event ("F13"), press or release, and the keycode.
struct KeyArrival {
    std::string keysym;
    bool press;
    int keycode;
};

// "F13+" for a press, "F13-" for a release: readable in a failing comparison.
std::vector<std::string> strokes(const std::vector<KeyArrival>& arrivals);

// A real client window on its own connection that grabs the keyboard, so every key event of
// the server reaches it whatever the focus.
class KeyCatcher {
public:
    explicit KeyCatcher(const char* displayName);
    ~KeyCatcher();
    KeyCatcher(const KeyCatcher&) = delete;
    KeyCatcher& operator=(const KeyCatcher&) = delete;

    // Window mapped and keyboard grabbed.
    bool ready() const { return m_grabbed; }
    Display* display() const { return m_display; }

    // The key events caused by what `sender` has sent so far. Waits, with a generous bound, for
    // the `expected` first ones without touching the sender, so keys it never flushed stay
    // missing. Once they are in, syncs the sender and then this connection, which queues here
    // any further event still on its way, and takes those too.
    std::vector<KeyArrival> collect(Display* sender, size_t expected);

private:
    bool waitForMap();
    void readOne(std::vector<KeyArrival>& arrivals);

    Display* m_display = nullptr;
    Window m_window = 0;
    bool m_grabbed = false;
};

} // namespace rukcon::test
