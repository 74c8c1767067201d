#include "platform/sdl/SdlFactory.h"

#include "platform/sdl/SdlController.h"
#include "platform/sdl/SdlSoundDevice.h"

namespace rukcon::platform::sdl {

std::unique_ptr<ControllerDevice> createController()
{
    return std::make_unique<SdlController>();
}

std::unique_ptr<SoundDevice> createSoundDevice()
{
    return std::make_unique<SdlSoundDevice>();
}

} // namespace rukcon::platform::sdl
