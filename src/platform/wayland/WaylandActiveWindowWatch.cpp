#include "platform/wayland/WaylandActiveWindowWatch.h"

#include "wlr-foreign-toplevel-management-unstable-v1-client-protocol.h"

#include <wayland-client.h>

#include <algorithm>

namespace rukcon::platform::wayland {

// The listeners, as members of a friend so they reach the list.
struct WatchEvents {
    using Toplevel = WaylandActiveWindowWatch::Toplevel;

    static void title(void* data, zwlr_foreign_toplevel_handle_v1*, const char* title)
    {
        static_cast<Toplevel*>(data)->pendingTitle = title ? title : "";
    }
    static void appId(void* data, zwlr_foreign_toplevel_handle_v1*, const char* appId)
    {
        static_cast<Toplevel*>(data)->pendingAppId = appId ? appId : "";
    }
    static void outputEnter(void*, zwlr_foreign_toplevel_handle_v1*, wl_output*) {}
    static void outputLeave(void*, zwlr_foreign_toplevel_handle_v1*, wl_output*) {}
    static void state(void* data, zwlr_foreign_toplevel_handle_v1*, wl_array* states)
    {
        auto* toplevel = static_cast<Toplevel*>(data);
        const auto* begin = static_cast<const uint32_t*>(states->data);
        const auto* end = begin + states->size / sizeof(uint32_t);
        toplevel->pendingActivated = std::find(begin, end, ZWLR_FOREIGN_TOPLEVEL_HANDLE_V1_STATE_ACTIVATED) != end;
    }
    static void done(void* data, zwlr_foreign_toplevel_handle_v1*)
    {
        auto* toplevel = static_cast<Toplevel*>(data);
        toplevel->title = toplevel->pendingTitle;
        toplevel->appId = toplevel->pendingAppId;
        toplevel->activated = toplevel->pendingActivated;
        WaylandActiveWindowWatch* watch = toplevel->owner;
        if (toplevel->activated)
            watch->m_active = toplevel;
        else if (watch->m_active == toplevel)
            watch->m_active = nullptr;
    }
    static void closed(void* data, zwlr_foreign_toplevel_handle_v1* handle)
    {
        auto* toplevel = static_cast<Toplevel*>(data);
        WaylandActiveWindowWatch* watch = toplevel->owner;
        if (watch->m_active == toplevel)
            watch->m_active = nullptr;
        zwlr_foreign_toplevel_handle_v1_destroy(handle);
        std::erase_if(watch->m_toplevels, [toplevel](const auto& t) { return t.get() == toplevel; });
    }
    static void parent(void*, zwlr_foreign_toplevel_handle_v1*, zwlr_foreign_toplevel_handle_v1*) {}

    static constexpr zwlr_foreign_toplevel_handle_v1_listener kHandle = {
        title, appId, outputEnter, outputLeave, state, done, closed, parent,
    };

    static void toplevel(void* data, zwlr_foreign_toplevel_manager_v1*, zwlr_foreign_toplevel_handle_v1* handle)
    {
        auto* watch = static_cast<WaylandActiveWindowWatch*>(data);
        auto toplevel = std::make_unique<Toplevel>(Toplevel{watch, handle, ++watch->m_lastId, {}, {}, {}, {}});
        zwlr_foreign_toplevel_handle_v1_add_listener(handle, &kHandle, toplevel.get());
        watch->m_toplevels.push_back(std::move(toplevel));
    }
    static void finished(void*, zwlr_foreign_toplevel_manager_v1*) {}

    static constexpr zwlr_foreign_toplevel_manager_v1_listener kManager = {toplevel, finished};
};

WaylandActiveWindowWatch::WaylandActiveWindowWatch(std::shared_ptr<WaylandConnection> session,
                                                   std::optional<std::string> displayName, std::string ownAppId)
    : m_session(std::move(session)), m_displayName(std::move(displayName)), m_changes(std::move(ownAppId))
{
}

WaylandActiveWindowWatch::~WaylandActiveWindowWatch()
{
    stop();
}

bool WaylandActiveWindowWatch::available()
{
    return m_session && m_session->healthy() && m_session->toplevelManager();
}

int WaylandActiveWindowWatch::start()
{
    if (m_connection)
        return m_changes.wake();
    m_connection = WaylandConnection::open(m_displayName ? m_displayName->c_str() : nullptr);
    if (!m_connection || !m_connection->toplevelManager()) {
        m_connection.reset();
        return -1;
    }
    zwlr_foreign_toplevel_manager_v1_add_listener(m_connection->toplevelManager(), &WatchEvents::kManager, this);
    // The toplevels that exist are announced at once, their titles and states in a second trip.
    if (!m_connection->roundtrip() || !m_connection->roundtrip() || m_changes.watch(*m_connection) < 0) {
        stop();
        return -1;
    }
    m_changes.know(current());
    return m_changes.wake();
}

void WaylandActiveWindowWatch::stop()
{
    // The handles go before the connection that carries them; closing it ends the compositor's
    // side of the list too.
    for (const auto& t : m_toplevels)
        zwlr_foreign_toplevel_handle_v1_destroy(t->handle);
    m_toplevels.clear();
    m_active = nullptr;
    m_connection.reset();
    m_changes.unwatch();
}

ActiveWindow WaylandActiveWindowWatch::current() const
{
    if (!m_active)
        return {0, {}, false};
    return m_changes.describe(m_active->id, m_active->title, m_active->appId);
}

std::optional<ActiveWindow> WaylandActiveWindowWatch::takeChange()
{
    if (!m_connection || !m_changes.read(*m_connection))
        return std::nullopt;
    return m_changes.changed(current());
}

} // namespace rukcon::platform::wayland
