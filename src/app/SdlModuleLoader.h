#pragma once

#include "platform/ControllerDevice.h"
#include "platform/DelayedCall.h"
#include "platform/SoundDevice.h"

#include <filesystem>
#include <memory>
#include <vector>

namespace rukcon::app {

// Loads the sdl backend module on a thread of its own, so the main window is built meanwhile,
// and hands out a controller and a sound device that use the module once it is there. The sound
// device waits for it when it opens (a start-up step before the window is shown); the controller
// on its first use, the first detection, which also starts SDL's joystick support only then.
// Without the module they are the null backend's: a controller that cannot be initialised and a
// sound device that cannot open, so the status line and the start-up message say so.
class SdlModuleLoader {
public:
    // Starts loading the first of the candidate files that exists.
    explicit SdlModuleLoader(std::vector<std::filesystem::path> candidates);
    ~SdlModuleLoader();
    SdlModuleLoader(const SdlModuleLoader&) = delete;
    SdlModuleLoader& operator=(const SdlModuleLoader&) = delete;

    std::unique_ptr<platform::ControllerDevice> createController();
    std::unique_ptr<platform::SoundDevice> createSoundDevice(std::unique_ptr<platform::DelayedCall> closeLater);

    struct Loading;

private:
    std::shared_ptr<Loading> m_loading;
};

} // namespace rukcon::app
