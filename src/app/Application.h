#pragma once

#include "app/ControllerWakeup.h"
#include "app/KeyListModels.h"
#include "app/ProfileBinder.h"
#include "app/TimingControls.h"
#include "input/ControllerAccess.h"
#include "input/PollCycle.h"
#include "platform/ActiveWindowWatch.h"
#include "platform/Backends.h"
#include "platform/ControllerDevice.h"
#include "platform/KeyEmitter.h"
#include "platform/SoundDevice.h"
#include "platform/WindowSystem.h"
#include "settings/Clock.h"
#include "settings/ProgramFolders.h"
#include "settings/SessionState.h"
#include "settings/SettingsStore.h"
#include "sound/SoundService.h"
#include "target/TargetActivation.h"

#include <QObject>
#include <QTimer>
#include <filesystem>
#include <functional>
#include <memory>

namespace rukcon::input {
class KeyDispatch;
class KeyEmission;
} // namespace rukcon::input
namespace rukcon::settings {
class DiskIo;
}
namespace rukcon::ui {
class ButtonLayoutDesigner;
class MainWindow;
class TrayWindow;
} // namespace rukcon::ui

namespace rukcon::app {

class AutomaticSwitching;
class DesignerHost;
class MainWindowCaptionBox;
class MainWindowDispatchView;
class MainWindowSettingsView;
class MainWindowCommands;
class QtMessagePump;
class QtUserMessages;
class ShutDown;
class TargetActivatorAdapter;
class TrayCommands;
class TrayWindowTexts;

// The platform backends the program runs on; tests hand in fakes.
struct PlatformParts {
    std::unique_ptr<platform::ControllerDevice> controller;
    std::unique_ptr<platform::SoundDevice> sound;
    // Keys, windows and the active-window watch; the event descriptor stays with main.
    platform::Backends windowing;
};

// Owns the platform backends, the logic objects and the main window, and connects the
// window's timers and controls to the logic.
class Application : public QObject {
    Q_OBJECT
public:
    // folders: where the effects are and which settings folder is in use, decided before start.
    Application(PlatformParts parts, settings::ProgramFolders folders,
                std::unique_ptr<settings::Clock> clock = nullptr);
    ~Application() override;

    // Builds the start-up state from the settings files and shows the window in settings mode.
    void start();

    ui::MainWindow& form() { return *m_form; }
    input::ControllerAccess& controllerAccess() { return m_controllerAccess; }
    input::PollCycle& pollCycle() { return m_pollCycle; }
    target::TargetActivation& targetActivation() { return m_target; }
    sound::SoundService& sound() { return m_sound; }
    settings::SettingsStore& settingsStore() { return m_store; }
    TimingControls& timing() { return m_timing; }
    KeyListModels& keyLists() { return m_keyLists; }
    settings::ProfileInForce& profile() { return m_inForce; }
    ProfileBinder& binder() { return m_profile; }
    settings::SessionState& state() { return m_state; }
    // Timer1 polls the controller (interval = reaction time); Timer2 is the status tick.
    QTimer& pollTimer() { return m_pollTimer; }
    QTimer& statusTimer() { return m_statusTimer; }
    bool startupPending() const { return m_startupPending; }

    ui::TrayWindow& tray() { return *m_tray; }
    TrayCommands& trayCommands() { return *m_trayCommands; }
    AutomaticSwitching& automaticSwitching() { return *m_autoSwitching; }
    ui::ButtonLayoutDesigner& designer() { return *m_designer; }
    MainWindowCommands& commands() { return *m_commands; }

    // The pause, shown as the check mark of the tray item "一時停止". No polling while it is set.
    bool paused() const { return m_state.paused; }
    void setPaused(bool on);
    // Settings mode: the settings tabs, nothing polled; off: the button panel. Shown by Check1,
    // whose handlers follow a change.
    void setSettingsMode(bool on);

    // Whether the main window hides into the tray. Without a notification area it stays on the
    // task bar instead, minimised, so it can always be reached.
    bool usesTray() const { return m_usesTray; }
    void setUsesTray(bool on) { m_usesTray = on; }

    // Check2 "常に手前に表示": keeps the main window above all others, or not, where it is.
    void SetAlwaysOnTop();

    // Shows the main window (tray commands, start-up).
    void showMainWindow();

    // The orderly end from the tray: alert, save the last-exit state, sound off, icon gone,
    // window hidden, and the process ends. Both timers stop and every key the program pressed
    // is released first, so no key is left down whatever was being typed.
    void ExitProgram();
    // "終了" of the main window: the same without removing the tray icon.
    void ExitFromMainWindow();
    // How the process ends; tests replace it so they keep running.
    void setExitFunction(std::function<void(int)> exit) { m_exit = std::move(exit); }
    // The end without saving: a signal or the session closing the hidden window.
    void endWithoutSaving();

    bool setReactionTime(int ms) { return m_timing.setReactionTime(ms); }
    bool setArrowMultiplier(int times) { return m_timing.setArrowMultiplier(times); }

    // Neither a Wayland compositor nor an X display can type keys or find windows here: said
    // once, in a box and on the status line, until the next status tick shows the controller.
    void reportNoWindowSystem();
    // How the user can let the desktop serve the program better (a desktop that runs but does
    // not trust it): said once in a box.
    void tellWindowingAdvice(const std::string& advice);

    // The status tick: detect the controller, show its status, end the start-up hold.
    void onStatusTick();
    // The poll tick: one poll cycle unless settings mode or the pause suspend it.
    void onPollTick();

    // Wakes the program when the controller in use sends an event (where its device file is known).
    ControllerWakeup& controllerWakeup() { return m_wakeup; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The main window goes to the tray (minimised or closed while visible); without a tray it
    // stays minimised on the task bar.
    void hideToTray();
    void onMinimised();
    // Before a modal box: no poll tick may type or raise the target, and no key stays down.
    void holdStill();
    // After a box: polling goes on if it may.
    void resumeAfterBox();
    // Runs the poll timer only while there is something to poll: a controller, no box open, neither
    // settings mode nor the pause, and (where the controller wakes the program) an input held.
    void updatePolling();
    // Watches the event device of the controller just detected; true when that changed.
    bool refreshWakeup();
    // The controller sent events while the ticks rest: a cycle at once, and the ticks again
    // until one finds nothing held.
    void onControllerInput();

    PlatformParts m_platform;
    settings::ProgramFolders m_folders;
    std::unique_ptr<settings::Clock> m_clock;
    // The adapters and logic only the wiring reaches are held by pointer, so this header stays small.
    std::unique_ptr<settings::DiskIo> m_disk;
    KeyListModels m_keyLists; // outlives the boxes of the window that show its models
    settings::SessionState m_state;
    settings::ProfileInForce m_inForce; // its view is m_profile, bound before it is built
    QTimer m_pollTimer;
    QTimer m_statusTimer;
    std::unique_ptr<ui::MainWindow> m_form;
    std::unique_ptr<QtUserMessages> m_messages;
    sound::SoundService m_sound;
    std::unique_ptr<MainWindowDispatchView> m_view;
    std::unique_ptr<MainWindowCaptionBox> m_captionBox;
    target::TargetActivation m_target;
    std::unique_ptr<TargetActivatorAdapter> m_activator;
    std::unique_ptr<QtMessagePump> m_pump;
    input::ControllerAccess m_controllerAccess;
    std::unique_ptr<input::KeyEmission> m_keyEmission;
    std::unique_ptr<input::KeyDispatch> m_dispatch;
    input::PollCycle m_pollCycle;
    TimingControls m_timing;
    ProfileBinder m_profile;
    std::unique_ptr<MainWindowSettingsView> m_settingsWindow;
    settings::SettingsStore m_store;
    std::unique_ptr<DesignerHost> m_designerHost;
    std::unique_ptr<ui::ButtonLayoutDesigner> m_designer;
    std::unique_ptr<ui::TrayWindow> m_tray;
    std::unique_ptr<ShutDown> m_shutDown;
    std::unique_ptr<TrayWindowTexts> m_trayTexts;
    std::unique_ptr<TrayCommands> m_trayCommands;
    std::unique_ptr<AutomaticSwitching> m_autoSwitching;
    std::unique_ptr<MainWindowCommands> m_commands;
    std::function<void(int)> m_exit;
    ControllerWakeup m_wakeup;
    // What the last update found; the poll timer starts when polling becomes allowed, and the
    // no-controller colours are painted once when the controller goes.
    enum class PollState { Suspended, NoController, Allowed };
    PollState m_pollState = PollState::Suspended;
    bool m_usesTray = true;
    bool m_startupPending = false;
    int m_boxDepth = 0; // message boxes open
};

} // namespace rukcon::app
