#pragma once

#include "platform/ControllerDevice.h"

#include <SDL_joystick.h>

#include <map>

namespace rukcon::platform::sdl {

// Controllers through SDL's joystick API. Ids are SDL device indices; the plain joystick API is
// used rather than the game-controller one so that every device, mapped or not, is offered.
class SdlController : public ControllerDevice {
public:
    SdlController();
    ~SdlController() override;

    SdlController(const SdlController&) = delete;
    SdlController& operator=(const SdlController&) = delete;

    // False when SDL's joystick subsystem could not be started; the device then has no ids.
    bool isReady() const { return m_ready; }

    unsigned idCount() override;
    bool readPosition(unsigned id, ControllerPosition& out) override;
    bool readCapabilities(unsigned id, ControllerCaps& out) override;
    std::string eventDevicePath(unsigned id) override;

private:
    // A joystick this object opened, with the counts SDL fixes when it opens one: read once
    // rather than at every poll, each read being a call that takes SDL's joystick lock.
    struct OpenJoystick {
        SDL_Joystick* joystick = nullptr;
        int axes = 0;
        int hats = 0;
        int buttons = 0;
    };

    const OpenJoystick* joystickAt(unsigned id);
    void closeDetached();

    bool m_ready = false;
    // Joysticks this object opened, by instance id, each opened once.
    std::map<SDL_JoystickID, OpenJoystick> m_open;
};

} // namespace rukcon::platform::sdl
