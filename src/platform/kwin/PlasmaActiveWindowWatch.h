#pragma once

#include "platform/ActiveWindowWatch.h"
#include "platform/kwin/PlasmaWindowList.h"
#include "platform/wayland/ActiveWindowChanges.h"

#include <memory>
#include <optional>
#include <string>

namespace rukcon::platform::kwin {

// The window KWin reports active, and its title. While started it has a connection and a window
// list of its own, so its descriptor wakes the caller only for KWin's window events; stopped, it
// holds no connection and KWin sends it nothing. The program's own windows are those whose
// app_id is ownAppId.
class PlasmaActiveWindowWatch : public ActiveWindowWatch {
public:
    // session: the program's connection, which tells whether KWin offers the window list.
    PlasmaActiveWindowWatch(std::shared_ptr<wayland::WaylandConnection> session, std::optional<std::string> displayName,
                            std::string ownAppId);
    ~PlasmaActiveWindowWatch() override;

    bool available() override;
    int start() override;
    void stop() override;
    std::optional<ActiveWindow> takeChange() override;

private:
    ActiveWindow current() const;

    std::shared_ptr<wayland::WaylandConnection> m_session;
    std::optional<std::string> m_displayName;
    std::shared_ptr<wayland::WaylandConnection> m_connection; // only while started
    std::unique_ptr<PlasmaWindowList> m_list;                 // only while started
    wayland::ActiveWindowChanges m_changes;                   // its descriptor only while started
};

} // namespace rukcon::platform::kwin
