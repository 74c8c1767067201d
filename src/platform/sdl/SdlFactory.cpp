#include "platform/sdl/SdlFactory.h"

#include "platform/sdl/SdlController.h"
#include "platform/sdl/SdlSoundDevice.h"

#include <utility>

namespace rukcon::platform::sdl {

std::unique_ptr<ControllerDevice> createController()
{
    return std::make_unique<SdlController>();
}

std::unique_ptr<SoundDevice> createSoundDevice(std::unique_ptr<DelayedCall> closeLater)
{
    return std::make_unique<SdlSoundDevice>(std::move(closeLater));
}

} // namespace rukcon::platform::sdl
