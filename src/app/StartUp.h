#pragma once

#include <filesystem>
#include <functional>

class QTimer;

namespace rukcon::settings {
class SettingsStore;
}
namespace rukcon::sound {
class SoundService;
}
namespace rukcon::target {
class TargetActivation;
}
namespace rukcon::ui {
class Form1;
class TrayWindow;
} // namespace rukcon::ui

namespace rukcon::app {

class KeyListModels;

// The steps from the settings files to the shown window, in their fixed order: the key lists,
// the settings files, the tray, the sound, the button layout, and the status ticks.
class StartUp {
public:
    struct Parts {
        ui::Form1& form;
        ui::TrayWindow& tray;
        QTimer& statusTimer;
        KeyListModels& keyLists;
        sound::SoundService& sound;
        target::TargetActivation& target;
        settings::SettingsStore& store;
        std::filesystem::path effects; // where the click and alert effects are
        bool usesTray;
        std::function<void(bool)> setPaused;
        std::function<void()> updatePolling;
        std::function<void()> showMainWindow;
    };

    explicit StartUp(Parts parts) : m_parts(std::move(parts)) {}
    void run();

private:
    Parts m_parts;
};

} // namespace rukcon::app
