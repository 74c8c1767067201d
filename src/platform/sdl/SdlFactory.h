#pragma once

#include "platform/ControllerDevice.h"

#include <memory>

namespace rukcon::platform::sdl {

// The controller reader of this backend. Never null; without joystick support it reports no ids.
std::unique_ptr<ControllerDevice> createController();

} // namespace rukcon::platform::sdl
