#pragma once

#include "platform/WindowSystem.h"
#include "platform/x11/WindowProperties.h"
#include "platform/x11/X11Connection.h"

#include <memory>
#include <optional>
#include <vector>

namespace rukcon::platform::x11 {

// The top-level windows of an X display.
//
// With an EWMH window manager the windows are its clients, in the order of
// _NET_CLIENT_LIST_STACKING, and activation is a request to the manager. A client counts as
// visible while it is viewable or the manager keeps it in the Normal or Iconic state: a
// minimised (iconic) window is unmapped but still visible, so that it can be found and
// restored, and so is one on another desktop. A window that was never mapped or has been
// withdrawn is not a client at all. Flags such as skip-taskbar are not looked at.
//
// Without a window manager the windows are the root's viewable children, and this program
// raises and focuses them itself.
//
// Windows may be destroyed at any moment by their owners; every request that names one is
// made under an XErrorTrap, and a vanished window is simply skipped or reported as a failure.
class X11WindowSystem : public WindowSystem {
public:
    explicit X11WindowSystem(std::shared_ptr<X11Connection> connection);

    bool listVisibleWindows(std::vector<WindowEntry>& out) override;
    bool restore(WindowId id) override;
    bool activate(WindowId id, ActivationWait wait) override;
    bool setKeepAbove(WindowId id, bool above) override;
    // Closes the connection; the next request opens it again (the root and the atoms stay).
    void releaseIdleResources() override;

private:
    // The display for a request, opened again after a release; false when it cannot be.
    bool connected();
    // The manager's clients bottom to top, or nothing when no EWMH window manager runs.
    std::optional<std::vector<Window>> managedStacking();
    bool isVisibleClient(Window window);
    std::optional<Window> activeWindow();
    void requestActivation(Window window);

    std::shared_ptr<X11Connection> m_connection;
    Display* m_display; // null while released
    Window m_root;
    WindowAtoms m_atoms;
};

} // namespace rukcon::platform::x11
