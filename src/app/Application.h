#pragma once

#include "app/FormCaptionBox.h"
#include "app/FormDispatchView.h"
#include "app/QtMessagePump.h"
#include "app/QtUserMessages.h"
#include "app/TargetActivatorAdapter.h"
#include "input/ControllerAccess.h"
#include "input/KeyDispatch.h"
#include "input/KeyEmission.h"
#include "input/PollCycle.h"
#include "platform/ControllerDevice.h"
#include "platform/KeyEmitter.h"
#include "platform/SoundDevice.h"
#include "platform/WindowSystem.h"
#include "sound/SoundService.h"
#include "target/TargetActivation.h"

#include <QObject>
#include <memory>
#include <string>

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
    Application(PlatformParts parts, std::string appFolder);
    ~Application() override;

    void start();

    ui::Form1& form() { return *m_form; }
    input::ControllerAccess& controllerAccess() { return m_controllerAccess; }
    input::PollCycle& pollCycle() { return m_pollCycle; }
    target::TargetActivation& targetActivation() { return m_target; }
    sound::SoundService& sound() { return m_sound; }
    bool startupPending() const { return m_startupPending; }

    // The pause of the tray menu: no polling while it is set.
    bool paused() const { return m_paused; }
    void setPaused(bool on) { m_paused = on; }

    // Sets a scroll bar from code. Its handler runs even when the value does not change; a value
    // outside the bar's range is refused (false) and changes nothing.
    bool setReactionTime(int ms);
    bool setArrowMultiplier(int times);

    // The status tick: detect the controller, show its status, end the start-up hold.
    void onStatusTick();
    // The poll tick: one poll cycle unless settings mode or the pause suspend it.
    void onPollTick();

private:
    void onReactionTimeSet(int value);
    void onArrowMultiplierSet(int value);

    PlatformParts m_platform;
    std::string m_appFolder;
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
    bool m_startupPending = false;
    bool m_paused = false;
};

} // namespace rukcon::app
