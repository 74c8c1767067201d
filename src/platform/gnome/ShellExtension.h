#pragma once

#include "platform/VirtualKeyMap.h"
#include "platform/WindowSystem.h"

#include <QDBusConnection>

#include <chrono>
#include <string>
#include <vector>

namespace rukcon::platform::gnome {

struct ShellWindow {
    WindowId id = 0;
    std::string title; // UTF-8
    bool focused = false;
    bool own = false; // one of this process's windows
};

// The program's GNOME Shell extension, called over the session bus. Every call waits for its
// answer: the extension answers at once, except an activation, which answers once the window
// has the focus or its bound has passed.
class ShellExtension {
public:
    enum class Reach {
        Serving, // runs and serves this program
        Refused, // runs, but serves only the program installed beside it
        Absent,  // not installed, or off
    };

    explicit ShellExtension(QDBusConnection bus) : m_bus(std::move(bus)) {}

    QDBusConnection& bus() { return m_bus; }
    Reach reach();
    // False when the extension did not answer; out is left as it was then.
    bool listWindows(std::vector<ShellWindow>& out);
    // True once the window has the focus; false when it is gone or bound passed first (a bound of
    // 0: the request only).
    bool activate(WindowId id, std::chrono::milliseconds bound);
    // By keysym when code is 0, otherwise by that evdev code.
    bool sendKey(Keysym keysym, uint32_t code, bool pressed);
    // FocusChanged(id, title, own) is sent to this connection while watching.
    bool watchFocus(bool on);

private:
    QDBusMessage call(const char* method, const QList<QVariant>& arguments,
                      std::chrono::milliseconds timeout = kAnswerBound);
    static bool answeredTrue(const QDBusMessage& reply);

    // Long enough for a busy shell; the shell is the desktop, so a longer wait means it hangs.
    static constexpr std::chrono::milliseconds kAnswerBound{1000};

    QDBusConnection m_bus;
};

} // namespace rukcon::platform::gnome
