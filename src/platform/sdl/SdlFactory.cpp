#include "platform/sdl/SdlFactory.h"

#include "platform/sdl/SdlController.h"

namespace rukcon::platform::sdl {

std::unique_ptr<ControllerDevice> createController()
{
    return std::make_unique<SdlController>();
}

} // namespace rukcon::platform::sdl
