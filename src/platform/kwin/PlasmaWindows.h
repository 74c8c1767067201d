#pragma once

#include "platform/WindowSystem.h"
#include "platform/kwin/PlasmaWindowList.h"

#include <memory>

namespace rukcon::platform::kwin {

// KWin's windows for finding and activating the target: listed front to back, restored and
// activated through state requests, each waiting for KWin's answer within kActivationBound as
// on X11. Keeping a window above others would need the program's own window among KWin's, which
// Qt does not name: not offered, as on other Wayland compositors.
class PlasmaWindows : public WindowSystem {
public:
    explicit PlasmaWindows(std::unique_ptr<PlasmaWindowList> list) : m_list(std::move(list)) {}

    bool listVisibleWindows(std::vector<WindowEntry>& out) override;
    bool restore(WindowId id) override;
    bool activate(WindowId id, ActivationWait wait) override;
    bool setKeepAbove(WindowId id, bool above) override;

private:
    // Asks for the state and waits until the window has it.
    bool requestState(WindowId id, uint32_t flag, bool on, ActivationWait wait);

    std::unique_ptr<PlasmaWindowList> m_list;
};

} // namespace rukcon::platform::kwin
