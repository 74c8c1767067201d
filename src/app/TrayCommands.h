#pragma once

#include <QObject>

#include <functional>

namespace rukcon::settings {
class LastExitFile;
class ProfileInForce;
class UserDefaultFile;
class UserMenu;
} // namespace rukcon::settings
namespace rukcon::sound {
class SoundEffects;
}
namespace rukcon::target {
class TargetActivation;
}
namespace rukcon::ui {
class MainWindow;
class TrayWindow;
} // namespace rukcon::ui

namespace rukcon::app {

// The commands behind the tray menu's items. Each plays its sound first unless noted.
class TrayCommands : public QObject {
    Q_OBJECT
public:
    // What the tray's items reach. The pause, showing the main window and the end stay with the
    // application, which hands them in as steps.
    struct Deps {
        ui::TrayWindow& tray;
        ui::MainWindow& form; // the window and its settings mode
        settings::ProfileInForce& profile;
        sound::SoundEffects& sound;
        target::TargetActivation& target;
        settings::UserMenu& menu;
        settings::LastExitFile& lastExit;
        settings::UserDefaultFile& userDefault;
        std::function<void(bool)> setSettingsMode;
        std::function<void(bool)> setPaused;
        std::function<void()> showMainWindow;
        std::function<void()> exitProgram;
    };

    explicit TrayCommands(Deps deps);

    void onOpenOperationCheck();  // "動作チェック": the main window in operation mode
    void onTogglePause();         // "一時停止": toggles the pause
    void onActivateTarget();      // the profile's "…をアクティブにする。"
    void onOpenUserMenu();        // "ユーザーメニューを開く"
    void onUserMenuItem(int k);   // M1 … M12
    void onRestoreLastExit();     // "前回の終了時に戻す"
    void onApplyUserDefault();    // "ユーザーデフォルトにする"
    void onRestoreInitialState(); // "初期状態にする"

    // Puts user-menu entry k (1 … 12) into force as M1 … M12 do, without their sound, pause
    // and activation (automatic switching uses it as it is): the entry becomes the selected one
    // and the tray takes its name. False when the entry is not used or its numbers cannot be
    // applied (then with the alert sound).
    bool applyUserMenuEntry(int k);

    // The tooltip takes the profile name, then the new profile's target comes to the front.
    void RefreshTrayIcon();

private:
    void showProfileNameInTray();

    Deps m_deps;
};

} // namespace rukcon::app
