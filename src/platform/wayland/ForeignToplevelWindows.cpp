#include "platform/wayland/ForeignToplevelWindows.h"

#include "wlr-foreign-toplevel-management-unstable-v1-client-protocol.h"

#include <wayland-client.h>

#include <algorithm>

namespace rukcon::platform::wayland {

// The listeners, as members of a friend so they reach the list.
struct ToplevelEvents {
    using Toplevel = ForeignToplevelWindows::Toplevel;

    static void title(void* data, zwlr_foreign_toplevel_handle_v1*, const char* title)
    {
        static_cast<Toplevel*>(data)->title = title ? title : "";
    }
    static void appId(void*, zwlr_foreign_toplevel_handle_v1*, const char*) {}
    static void outputEnter(void*, zwlr_foreign_toplevel_handle_v1*, wl_output*) {}
    static void outputLeave(void*, zwlr_foreign_toplevel_handle_v1*, wl_output*) {}
    static void state(void* data, zwlr_foreign_toplevel_handle_v1*, wl_array* states)
    {
        auto* toplevel = static_cast<Toplevel*>(data);
        toplevel->activated = false;
        toplevel->minimized = false;
        const auto* begin = static_cast<const uint32_t*>(states->data);
        for (const uint32_t* s = begin; s != begin + states->size / sizeof(uint32_t); ++s) {
            if (*s == ZWLR_FOREIGN_TOPLEVEL_HANDLE_V1_STATE_ACTIVATED)
                toplevel->activated = true;
            else if (*s == ZWLR_FOREIGN_TOPLEVEL_HANDLE_V1_STATE_MINIMIZED)
                toplevel->minimized = true;
        }
    }
    static void done(void*, zwlr_foreign_toplevel_handle_v1*) {}
    static void closed(void* data, zwlr_foreign_toplevel_handle_v1* handle)
    {
        auto* toplevel = static_cast<Toplevel*>(data);
        zwlr_foreign_toplevel_handle_v1_destroy(handle);
        std::erase_if(toplevel->owner->m_toplevels, [toplevel](const auto& t) { return t.get() == toplevel; });
    }
    static void parent(void*, zwlr_foreign_toplevel_handle_v1*, zwlr_foreign_toplevel_handle_v1*) {}

    static constexpr zwlr_foreign_toplevel_handle_v1_listener kHandle = {
        title, appId, outputEnter, outputLeave, state, done, closed, parent,
    };

    static void toplevel(void* data, zwlr_foreign_toplevel_manager_v1*, zwlr_foreign_toplevel_handle_v1* handle)
    {
        auto* self = static_cast<ForeignToplevelWindows*>(data);
        if (!self) { // announced after the list was given up
            zwlr_foreign_toplevel_handle_v1_destroy(handle);
            return;
        }
        auto toplevel = std::make_unique<Toplevel>(Toplevel{self, handle, ++self->m_lastId, {}});
        zwlr_foreign_toplevel_handle_v1_add_listener(handle, &kHandle, toplevel.get());
        self->m_toplevels.push_back(std::move(toplevel));
    }
    static void finished(void*, zwlr_foreign_toplevel_manager_v1*) {}

    static constexpr zwlr_foreign_toplevel_manager_v1_listener kManager = {toplevel, finished};
};

std::unique_ptr<ForeignToplevelWindows> ForeignToplevelWindows::create(std::shared_ptr<WaylandConnection> connection)
{
    if (!connection || !connection->seat() || !connection->toplevelManager())
        return nullptr;
    std::unique_ptr<ForeignToplevelWindows> windows(new ForeignToplevelWindows(connection));
    zwlr_foreign_toplevel_manager_v1_add_listener(connection->toplevelManager(), &ToplevelEvents::kManager,
                                                  windows.get());
    // The manager announces the toplevels that exist at once; their titles follow in a second trip.
    if (!connection->roundtrip() || !connection->roundtrip())
        return nullptr;
    return windows;
}

ForeignToplevelWindows::~ForeignToplevelWindows()
{
    // No event may reach this object once it is gone.
    for (const auto& t : m_toplevels)
        zwlr_foreign_toplevel_handle_v1_destroy(t->handle);
    wl_proxy_set_user_data(reinterpret_cast<wl_proxy*>(m_connection->toplevelManager()), nullptr);
    zwlr_foreign_toplevel_manager_v1_stop(m_connection->toplevelManager());
    m_connection->flush();
}

ForeignToplevelWindows::Toplevel* ForeignToplevelWindows::find(WindowId id)
{
    auto it = std::find_if(m_toplevels.begin(), m_toplevels.end(), [id](const auto& t) { return t->id == id; });
    return it == m_toplevels.end() ? nullptr : it->get();
}

bool ForeignToplevelWindows::listVisibleWindows(std::vector<WindowEntry>& out)
{
    const bool current = m_connection->roundtrip();
    for (const auto& t : m_toplevels)
        out.push_back({t->id, t->title});
    return current;
}

bool ForeignToplevelWindows::restore(WindowId id)
{
    m_connection->readEvents();
    Toplevel* toplevel = find(id);
    if (!toplevel)
        return false;
    if (!toplevel->minimized)
        return true;
    zwlr_foreign_toplevel_handle_v1_unset_minimized(toplevel->handle);
    return m_connection->waitUntil(
        [&] {
            const Toplevel* t = find(id);
            return t && !t->minimized;
        },
        kActivationBound);
}

bool ForeignToplevelWindows::activate(WindowId id, ActivationWait wait)
{
    m_connection->readEvents();
    Toplevel* toplevel = find(id);
    if (!toplevel)
        return false;
    if (toplevel->activated)
        return true;
    zwlr_foreign_toplevel_handle_v1_activate(toplevel->handle, m_connection->seat());
    if (wait == ActivationWait::No)
        return m_connection->flush();
    return m_connection->waitUntil(
        [&] {
            const Toplevel* t = find(id);
            return t && t->activated;
        },
        kActivationBound);
}

bool ForeignToplevelWindows::setKeepAbove(WindowId, bool)
{
    return false;
}

} // namespace rukcon::platform::wayland
