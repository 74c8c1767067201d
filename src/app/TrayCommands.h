#pragma once

#include <QObject>

namespace rukcon::app {

class Application;

// The commands behind the tray menu's items. Each plays its sound first unless noted.
class TrayCommands : public QObject {
    Q_OBJECT
public:
    explicit TrayCommands(Application& app);

    void onOpenOperationCheck();  // "動作チェック": the main window in operation mode
    void onTogglePause();         // "一時停止": toggles the pause
    void onActivateTarget();      // the profile's "…をアクティブにする。"
    void onOpenUserMenu();        // "ユーザーメニューを開く"
    void onUserMenuItem(int k);   // M1 … M12
    void onRestoreLastExit();     // "前回の終了時に戻す"
    void onApplyUserDefault();    // "ユーザーデフォルトにする"
    void onRestoreInitialState(); // "初期状態にする"

    // The tooltip takes the profile name, then the new profile's target comes to the front.
    void RefreshTrayIcon();

private:
    Application& m_app;
};

} // namespace rukcon::app
