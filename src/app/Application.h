#pragma once

#include "app/FormCaptionBox.h"
#include "app/FormDispatchView.h"
#include "app/FormSettingsWindow.h"
#include "app/QtMessagePump.h"
#include "app/QtUserMessages.h"
#include "app/TargetActivatorAdapter.h"
#include "app/TimingControls.h"
#include "input/ControllerAccess.h"
#include "input/KeyDispatch.h"
#include "input/KeyEmission.h"
#include "input/PollCycle.h"
#include "platform/ControllerDevice.h"
#include "platform/KeyEmitter.h"
#include "platform/SoundDevice.h"
#include "platform/WindowSystem.h"
#include "settings/Clock.h"
#include "settings/DiskIo.h"
#include "settings/SettingsStore.h"
#include "sound/SoundService.h"
#include "target/TargetActivation.h"

#include <QObject>
#include <filesystem>
#include <memory>

namespace rukcon::ui {
class Form1;
}

namespace rukcon::app {

// The platform backends the program runs on; tests hand in fakes.
struct PlatformParts {
    std::unique_ptr<platform::ControllerDevice> controller;
    std::unique_ptr<platform::KeyEmitter> keys;
    std::unique_ptr<platform::WindowSystem> windows;
    std::unique_ptr<platform::SoundDevice> sound;
};

// Owns the platform backends, the logic objects and the main window, and connects the
// window's timers and controls to the logic.
class Application : public QObject {
    Q_OBJECT
public:
    // The application folder holds "bgm" and, normally, the settings folder.
    Application(PlatformParts parts, std::filesystem::path appFolder,
                std::unique_ptr<settings::Clock> clock = nullptr);
    ~Application() override;

    // Builds the start-up state from the settings files and shows the window in settings mode.
    void start();

    ui::Form1& form() { return *m_form; }
    input::ControllerAccess& controllerAccess() { return m_controllerAccess; }
    input::PollCycle& pollCycle() { return m_pollCycle; }
    target::TargetActivation& targetActivation() { return m_target; }
    sound::SoundService& sound() { return m_sound; }
    settings::SettingsStore& settingsStore() { return m_store; }
    TimingControls& timing() { return m_timing; }
    bool startupPending() const { return m_startupPending; }

    // The pause of the tray menu: no polling while it is set.
    bool paused() const { return m_paused; }
    void setPaused(bool on) { m_paused = on; }

    bool setReactionTime(int ms) { return m_timing.setReactionTime(ms); }
    bool setArrowMultiplier(int times) { return m_timing.setArrowMultiplier(times); }

    // The status tick: detect the controller, show its status, end the start-up hold.
    void onStatusTick();
    // The poll tick: one poll cycle unless settings mode or the pause suspend it.
    void onPollTick();

private:
    void resetKeyChoices();

    PlatformParts m_platform;
    std::filesystem::path m_appFolder;
    std::unique_ptr<settings::Clock> m_clock;
    settings::DiskIo m_disk;
    std::unique_ptr<ui::Form1> m_form;
    QtUserMessages m_messages;
    sound::SoundService m_sound;
    FormDispatchView m_view;
    FormCaptionBox m_captionBox;
    target::TargetActivation m_target;
    TargetActivatorAdapter m_activator;
    QtMessagePump m_pump;
    input::ControllerAccess m_controllerAccess;
    input::KeyEmission m_keyEmission;
    input::KeyDispatch m_dispatch;
    input::PollCycle m_pollCycle;
    TimingControls m_timing;
    FormSettingsWindow m_settingsWindow;
    settings::SettingsStore m_store;
    bool m_startupPending = false;
    bool m_paused = false;
};

} // namespace rukcon::app
