#include "platform/gnome/ShellWindows.h"

namespace rukcon::platform::gnome {

bool ShellWindows::listVisibleWindows(std::vector<WindowEntry>& out)
{
    std::vector<ShellWindow> windows;
    const bool listed = m_extension->listWindows(windows);
    for (ShellWindow& w : windows)
        out.push_back({w.id, std::move(w.title)});
    return listed;
}

bool ShellWindows::activate(WindowId id, ActivationWait wait)
{
    // The extension answers at once for a window that has the focus already.
    return m_extension->activate(id,
                                 wait == ActivationWait::UntilActive ? kActivationBound : std::chrono::milliseconds{0});
}

} // namespace rukcon::platform::gnome
