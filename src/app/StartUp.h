#pragma once

#include <filesystem>
#include <functional>

class QTimer;

namespace rukcon::settings {
class SettingsStore;
struct SessionState;
} // namespace rukcon::settings
namespace rukcon::sound {
class SoundService;
}
namespace rukcon::target {
class TargetActivation;
}
namespace rukcon::ui {
class MainWindow;
class TrayWindow;
} // namespace rukcon::ui

namespace rukcon::app {

class KeyListModels;

// The steps from the settings files to the shown window, in their fixed order: the key lists,
// the settings files, the tray, the sound, the button layout, and the status ticks.
class StartUp {
public:
    struct Deps {
        const settings::SessionState& state;
        ui::MainWindow& form;
        ui::TrayWindow& tray;
        QTimer& statusTimer;
        KeyListModels& keyLists;
        sound::SoundService& sound;
        target::TargetActivation& target;
        settings::SettingsStore& store;
        std::filesystem::path effects; // where the click and alert effects are
        bool usesTray;
        std::function<void(bool)> setSettingsMode;
        std::function<void(bool)> setPaused;
        std::function<void()> updatePolling;
        std::function<void()> showMainWindow;
    };

    explicit StartUp(Deps deps) : m_deps(std::move(deps)) {}
    void run();

private:
    Deps m_deps;
};

} // namespace rukcon::app
