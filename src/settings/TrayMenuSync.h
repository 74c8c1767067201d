#pragma once

namespace rukcon::settings {

// The tray menu's user entries M1 … M12 follow the menu labels; the tray calls this in
// after every change of the user menu.
class TrayMenuSync {
public:
    virtual ~TrayMenuSync() = default;
    virtual void SyncTrayUserMenu() = 0;
};

} // namespace rukcon::settings
