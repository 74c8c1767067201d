#pragma once

#include "platform/WindowSystem.h"
#include "platform/gnome/ShellExtension.h"

#include <memory>

namespace rukcon::platform::gnome {

// The windows GNOME Shell manages, through the program's extension: ordinary windows front to
// back, activated as the Shell's own window switcher does (a minimised one comes back with it).
// Keep-above is not offered.
class ShellWindows : public WindowSystem {
public:
    explicit ShellWindows(std::shared_ptr<ShellExtension> extension) : m_extension(std::move(extension)) {}

    bool listVisibleWindows(std::vector<WindowEntry>& out) override;
    // The activation restores the window; nothing to ask for on its own.
    bool restore(WindowId) override { return true; }
    bool activate(WindowId id, ActivationWait wait) override;
    bool setKeepAbove(WindowId, bool) override { return false; }

private:
    std::shared_ptr<ShellExtension> m_extension;
};

} // namespace rukcon::platform::gnome
