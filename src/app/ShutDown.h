#pragma once

#include <functional>

class QTimer;
class QWidget;

namespace rukcon::input {
class KeyEmission;
}
namespace rukcon::platform {
class UserMessages;
}
namespace rukcon::settings {
class LastExitFile;
class SettingsFolder;
} // namespace rukcon::settings
namespace rukcon::sound {
class SoundService;
}
namespace rukcon::ui {
class TrayWindow;
}

namespace rukcon::app {

class MainWindowSettingsView;

// The end of the program, on every path. Each one first stops both timers and releases every key
// the program pressed, so nothing is typed or polled any more and no key is left down.
class ShutDown {
public:
    struct Deps {
        QTimer& pollTimer;
        QTimer& statusTimer;
        input::KeyEmission& keys;
        sound::SoundService& sound;
        settings::LastExitFile& lastExit;
        const settings::SettingsFolder& folder; // named in the message when the last exit cannot be saved
        MainWindowSettingsView& settingsWindow; // its messages wait while the last exit is saved
        platform::UserMessages& boxes;
        ui::TrayWindow& tray;
        QWidget& mainWindow;
        std::function<void(int)> exit; // how the process ends
    };

    explicit ShutDown(Deps deps) : m_deps(std::move(deps)) {}

    // Also before a modal box: no tick may type or raise the target while it is open.
    void stopTimersAndReleaseKeys();

    // The two "終了": alert, the last-exit state saved (or the user told it was not), sound off,
    // then the end. From the tray the icon goes and the window hides as well.
    void endAfterSaving(bool removeIcon);
    // A signal or the session closing the hidden window: nothing is saved.
    void endWithoutSaving();

private:
    void saveLastExitOrTell();

    Deps m_deps;
};

} // namespace rukcon::app
