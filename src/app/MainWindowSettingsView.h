#pragma once

#include "settings/ButtonLayoutControls.h"
#include "settings/MenuLabels.h"
#include "settings/MessageLine.h"
#include "settings/SessionState.h"
#include "settings/TrayMenuSync.h"
#include "settings/WindowPlacement.h"

#include <array>
#include <functional>
#include <optional>

namespace rukcon::platform {
class UserMessages;
} // namespace rukcon::platform
namespace rukcon::sound {
class SoundEffects;
} // namespace rukcon::sound
namespace rukcon::ui {
class MainWindow;
}

namespace rukcon::app {

// The main window as the settings store sees it, but for the profile (ProfileBinder): the menu
// labels, the message line, the window's place and the controller picture's buttons.
class MainWindowSettingsView : public settings::MenuLabels,
                               public settings::MessageLine,
                               public settings::WindowPlacement,
                               public settings::ButtonLayoutControls,
                               public settings::TrayMenuSync {
public:
    MainWindowSettingsView(settings::SessionState& state, ui::MainWindow& form, sound::SoundEffects& sounds,
                           platform::UserMessages& boxes);

    // While the program ends, the store's messages are left to the exit, which tells the user
    // more in a box of its own.
    void setEnding(bool ending) { m_ending = ending; }

    // The tray menu is made after the store; until then nothing follows the menu labels.
    void setTraySync(std::function<void()> sync) { m_traySync = std::move(sync); }

    // Into the state, then onto the label (shown once the menu tab is built).
    void setMenuLabel(int index, const std::string& caption) override;
    // With the alert sound, where the user looks: the message line on the name tab, the status
    // line over the controller picture, else (another tab, window hidden) a message box.
    void showMessage(const std::string& text) override;
    // On the name tab's message line, and on the status line too while that line is out of sight
    // (the next status tick takes it back).
    void showNotice(const std::string& text) override;

    settings::WindowRect mainWindowRect() const override;
    void setMainWindowRect(const settings::WindowRect& rect) override;

    settings::LayoutButton layoutButton(int index) const override;
    void setLayoutButton(int index, const settings::LayoutButton& button) override;

    void SyncTrayUserMenu() override;

private:
    settings::SessionState& m_state;
    ui::MainWindow& m_form;
    sound::SoundEffects& m_sounds;
    platform::UserMessages& m_boxes;
    std::function<void()> m_traySync;
    // The position last placed at, kept for a platform that cannot place windows or tell where
    // they are (Wayland), so saving does not overwrite the stored one.
    int m_placedTop = 0;
    int m_placedLeft = 0;
    bool m_placed = false;
    bool m_ending = false;
    // The layout buttons' places read while the panel was not built yet.
    std::array<std::optional<settings::LayoutButton>, ButtonLayoutControls::kButtonCount> m_pendingLayout{};
};

} // namespace rukcon::app
