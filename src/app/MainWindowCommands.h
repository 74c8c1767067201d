#pragma once

#include "app/ProfileFileDrop.h"
#include "app/TrayTexts.h"
#include "ui/HistoryFolderWindow.h"

#include <QObject>
#include <QPointer>

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

namespace rukcon::settings {
class LastExitFile;
class ProfileInForce;
class SettingsFolder;
class SettingsHistory;
class UserDefaultFile;
class UserMenu;
class WindowGeometryFile;
} // namespace rukcon::settings
namespace rukcon::sound {
class SoundEffects;
}
namespace rukcon::target {
class TargetActivation;
}
namespace rukcon::ui {
class MainWindow;
}

namespace rukcon::app {

class KeyListModels;
class ProfileBinder;

// What the main window's own controls do: the settings-mode switch, the key lists of the
// first key position, the profile name, the command bar and the tab-page buttons, the
// user-menu labels and file drops. The button layout designer has its own home.
//
// Setting a control from code runs its handler as a user change would, and several commands
// rely on that in the middle of their steps, so the steps keep their order.
class MainWindowCommands : public QObject {
    Q_OBJECT
public:
    static constexpr uint32_t kMenuLabelPressedBgr = 0x535353;
    static constexpr const char* kActivateItemSuffix = "をアクティブにする。";

    // What the window's controls reach; the end of the program stays with the application.
    struct Deps {
        ui::MainWindow& form;
        KeyListModels& keyLists;
        settings::ProfileInForce& profile;
        ProfileBinder& binder; // tells when the name in force changes
        sound::SoundEffects& sound;
        target::TargetActivation& target;
        TrayTexts& trayTexts; // where the profile name goes in the tray
        const settings::SettingsFolder& folder;
        settings::UserMenu& menu;
        settings::UserDefaultFile& userDefault;
        settings::LastExitFile& lastExit;
        settings::WindowGeometryFile& geometry;
        settings::SettingsHistory& history;
        std::function<void(bool)> setSettingsMode;
        std::function<void()> exitProgram; // "終了": saves the last-exit state and ends
    };

    explicit MainWindowCommands(Deps deps);
    ~MainWindowCommands() override;

    // The settings-mode box changed: settings mode shows the tabs and refreshes the list of running programs,
    // operation mode shows the controller picture.
    void onSettingsModeChanged(bool on);
    // An item chosen from the list of a slot's first key-choice box.
    void onFirstKeyChosen(int slot);
    // The profile name changed: the tray texts and the nineteen name labels follow.
    void onProfileNameChanged(const QString& text);

    void onSaveFromNameTab();   // "保存" on the name tab
    void onExit();              // "終了"
    void onSaveUserDefault();   // "ユーザーデフォルトに登録"
    void onApplyUserDefault();  // "ユーザーデフォルト"
    void onOpenMenuTab();       // "メニュー"
    void onSaveWindowPlace();   // "このソフトのサイズと位置の設定"
    void onApplyLastExit();     // "前回の設定"
    void onSaveToMenu();        // "保存" on the command bar
    void onOpenHistoryFolder(); // "過去の設定フォルダを開く"
    void onReloadLists();       // "リスト再ロード"
    void onOpenOtherTab();      // "他設定"
    void onNewSettings();       // "新規設定"
    void onOperationCheck();    // "動作確認"

    // A mouse button pressed or released on the user-menu label menuLabel(index). A right press
    // deletes any used entry; another button applies an entry whose label shows a name.
    void onMenuLabelPressed(int index, Qt::MouseButton button);
    void onMenuLabelReleased(int index);

    // The folder window "過去の設定フォルダを開く" opened last, while it is open.
    ui::HistoryFolderWindow* FolderWindow() const { return m_folderWindow.data(); }

    ProfileFileDrop& drops() { return m_drops; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The page (by tab) was just built: its buttons and labels get their handlers.
    void watchPage(int tab);
    // The steps both "保存" buttons share; true when the entry was added.
    bool addToMenu();
    void enterSettingsTab(int tab);
    void fillKeyLists();

    Deps m_deps;
    ProfileFileDrop m_drops;
    QPointer<ui::HistoryFolderWindow> m_folderWindow;
    std::vector<QPointer<ui::HistoryFolderWindow>> m_openedFolderWindows;
};

} // namespace rukcon::app
