#pragma once

#include "settings/SessionState.h"

#include <QObject>

#include <functional>

class QSocketNotifier;

namespace rukcon::platform {
class ActiveWindowWatch;
struct ActiveWindow;
} // namespace rukcon::platform
namespace rukcon::settings {
class AutoSwitchFile;
class UserMenu;
} // namespace rukcon::settings
namespace rukcon::target {
class CaptionFragmentBox;
}
namespace rukcon::ui {
class MainWindow;
class TrayWindow;
} // namespace rukcon::ui

namespace rukcon::app {

// The tray item "自動切替": while it is on, moving to another program puts the user-menu entry
// for it into force. The program listens for the active window only while the item is on; the
// item is disabled where the window system does not name its active window.
class AutomaticSwitching : public QObject {
    Q_OBJECT
public:
    struct Deps {
        settings::SessionState& state; // whether automatic switching is on, and settings mode
        ui::TrayWindow& tray;
        ui::MainWindow& form; // the status line
        target::CaptionFragmentBox& fragment;
        platform::ActiveWindowWatch& watch;
        settings::UserMenu& menu;
        settings::AutoSwitchFile& file;
        // Puts user-menu entry index into force without sound, pause change or activation.
        std::function<bool(int)> applyEntryQuietly;
    };

    explicit AutomaticSwitching(Deps deps);
    ~AutomaticSwitching() override;

    // Takes the state kept in the settings folder; called once the user menu is loaded.
    void start();

    // While the option is on but nothing listens (the window manager was not up yet at the
    // start), looks again; run by the status tick, which wakes the program anyway.
    void retryWhileWaiting();

    bool listening() const { return m_notifier != nullptr; }

    // What the watch reports: the user moved to this window or its caption changed.
    void onActiveWindow(const platform::ActiveWindow& window);

private:
    void onItemTriggered(bool on);
    // Enables the item where it can work and listens exactly while it is on and enabled.
    void update();
    void onReadable();

    Deps m_deps;
    QSocketNotifier* m_notifier = nullptr;
};

} // namespace rukcon::app
