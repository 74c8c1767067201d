#include "platform/kwin/PlasmaWindowList.h"

#include "plasma-window-management-client-protocol.h"

#include <wayland-client.h>

#include <algorithm>

namespace rukcon::platform::kwin {

namespace {

// Version 13 announces windows by uuid, which the stacking order names them by.
constexpr uint32_t kManagerVersion = 16;

} // namespace

bool PlasmaWindowList::Window::active() const
{
    return (state & ORG_KDE_PLASMA_WINDOW_MANAGEMENT_STATE_ACTIVE) != 0;
}

bool PlasmaWindowList::Window::minimized() const
{
    return (state & ORG_KDE_PLASMA_WINDOW_MANAGEMENT_STATE_MINIMIZED) != 0;
}

// The listeners, as members of a friend so they reach the list.
struct PlasmaEvents {
    using Window = PlasmaWindowList::Window;

    static void titleChanged(void* data, org_kde_plasma_window*, const char* title)
    {
        static_cast<Window*>(data)->title = title ? title : "";
    }
    static void appIdChanged(void* data, org_kde_plasma_window*, const char* appId)
    {
        static_cast<Window*>(data)->appId = appId ? appId : "";
    }
    static void stateChanged(void* data, org_kde_plasma_window*, uint32_t flags)
    {
        auto* window = static_cast<Window*>(data);
        window->state = flags;
        // The window that became active last, whichever order KWin reports a move in.
        PlasmaWindowList* list = window->owner;
        if (window->active())
            list->m_active = window;
        else if (list->m_active == window)
            list->m_active = nullptr;
    }
    static void unmapped(void* data, org_kde_plasma_window* handle)
    {
        auto* window = static_cast<Window*>(data);
        PlasmaWindowList* list = window->owner;
        if (list->m_active == window)
            list->m_active = nullptr;
        org_kde_plasma_window_destroy(handle);
        std::erase_if(list->m_windows, [window](const auto& w) { return w.get() == window; });
    }
    static void virtualDesktopChanged(void*, org_kde_plasma_window*, int32_t) {}
    static void themedIconNameChanged(void*, org_kde_plasma_window*, const char*) {}
    static void initialState(void*, org_kde_plasma_window*) {}
    static void parentWindow(void*, org_kde_plasma_window*, org_kde_plasma_window*) {}
    static void geometry(void*, org_kde_plasma_window*, int32_t, int32_t, uint32_t, uint32_t) {}
    static void iconChanged(void*, org_kde_plasma_window*) {}
    static void pidChanged(void*, org_kde_plasma_window*, uint32_t) {}
    static void desktopEntered(void*, org_kde_plasma_window*, const char*) {}
    static void desktopLeft(void*, org_kde_plasma_window*, const char*) {}
    static void applicationMenu(void*, org_kde_plasma_window*, const char*, const char*) {}
    static void activityEntered(void*, org_kde_plasma_window*, const char*) {}
    static void activityLeft(void*, org_kde_plasma_window*, const char*) {}
    static void resourceNameChanged(void*, org_kde_plasma_window*, const char*) {}

    static constexpr org_kde_plasma_window_listener kWindow = {
        titleChanged,
        appIdChanged,
        stateChanged,
        virtualDesktopChanged,
        themedIconNameChanged,
        unmapped,
        initialState,
        parentWindow,
        geometry,
        iconChanged,
        pidChanged,
        desktopEntered,
        desktopLeft,
        applicationMenu,
        activityEntered,
        activityLeft,
        resourceNameChanged,
    };

    static void add(PlasmaWindowList* list, org_kde_plasma_window* handle, std::string uuid)
    {
        auto window = std::make_unique<Window>(Window{list, handle, ++list->m_lastId, std::move(uuid), {}, {}});
        org_kde_plasma_window_add_listener(handle, &kWindow, window.get());
        list->m_windows.push_back(std::move(window));
    }

    static void showDesktopChanged(void*, org_kde_plasma_window_management*, uint32_t) {}
    static void window(void* data, org_kde_plasma_window_management* manager, uint32_t id)
    {
        // Only a manager older than uuids announces windows this way.
        add(static_cast<PlasmaWindowList*>(data), org_kde_plasma_window_management_get_window(manager, id), {});
    }
    static void stackingOrderChanged(void*, org_kde_plasma_window_management*, wl_array*) {}
    static void stackingOrderUuidChanged(void* data, org_kde_plasma_window_management*, const char* uuids)
    {
        auto* list = static_cast<PlasmaWindowList*>(data);
        list->m_stacking.clear();
        std::string_view rest = uuids ? uuids : "";
        while (!rest.empty()) {
            const size_t end = rest.find(';');
            if (end != 0)
                list->m_stacking.emplace_back(rest.substr(0, end));
            rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
        }
    }
    static void windowWithUuid(void* data, org_kde_plasma_window_management* manager, uint32_t, const char* uuid)
    {
        add(static_cast<PlasmaWindowList*>(data), org_kde_plasma_window_management_get_window_by_uuid(manager, uuid),
            uuid);
    }

    static constexpr org_kde_plasma_window_management_listener kManager = {
        showDesktopChanged, window, stackingOrderChanged, stackingOrderUuidChanged, windowWithUuid,
    };
};

std::unique_ptr<PlasmaWindowList> PlasmaWindowList::create(std::shared_ptr<wayland::WaylandConnection> connection)
{
    if (!connection)
        return nullptr;
    auto* manager = static_cast<org_kde_plasma_window_management*>(
        connection->bind(&org_kde_plasma_window_management_interface, kManagerVersion));
    if (!manager)
        return nullptr;
    std::unique_ptr<PlasmaWindowList> list(new PlasmaWindowList(connection));
    list->m_manager = manager;
    org_kde_plasma_window_management_add_listener(manager, &PlasmaEvents::kManager, list.get());
    // The windows that exist are announced at once, their titles and states in a second trip.
    if (!connection->roundtrip() || !connection->roundtrip())
        return nullptr;
    return list;
}

PlasmaWindowList::~PlasmaWindowList()
{
    // No event may reach this object once it is gone.
    for (const auto& w : m_windows)
        org_kde_plasma_window_destroy(w->handle);
    org_kde_plasma_window_management_destroy(m_manager);
    m_connection->flush();
}

std::vector<const PlasmaWindowList::Window*> PlasmaWindowList::frontToBack() const
{
    std::vector<const Window*> ordered;
    for (auto uuid = m_stacking.rbegin(); uuid != m_stacking.rend(); ++uuid) {
        auto it = std::find_if(m_windows.begin(), m_windows.end(), [&](const auto& w) { return w->uuid == *uuid; });
        if (it != m_windows.end())
            ordered.push_back(it->get());
    }
    // Windows the stacking order does not name yet (or at all, from an older KWin) follow.
    for (const auto& w : m_windows) {
        if (std::find(ordered.begin(), ordered.end(), w.get()) == ordered.end())
            ordered.push_back(w.get());
    }
    return ordered;
}

const PlasmaWindowList::Window* PlasmaWindowList::find(WindowId id) const
{
    auto it = std::find_if(m_windows.begin(), m_windows.end(), [id](const auto& w) { return w->id == id; });
    return it == m_windows.end() ? nullptr : it->get();
}

const PlasmaWindowList::Window* PlasmaWindowList::active() const
{
    return m_active;
}

void PlasmaWindowList::setState(WindowId id, uint32_t flags, uint32_t state)
{
    if (const Window* window = find(id))
        org_kde_plasma_window_set_state(window->handle, flags, state);
}

} // namespace rukcon::platform::kwin
