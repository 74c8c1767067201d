#pragma once

#include "platform/ControllerDevice.h"
#include "platform/DelayedCall.h"
#include "platform/SoundDevice.h"

#include <memory>

namespace rukcon::platform::sdl {

// The controller reader of this backend. Never null; without joystick support it reports no ids.
std::unique_ptr<ControllerDevice> createController();

// The sound effect player of this backend. Never null; it opens the audio output in init(). With a
// delayed call it closes the output after a silence and opens it again for the next effect.
std::unique_ptr<SoundDevice> createSoundDevice(std::unique_ptr<DelayedCall> closeLater = nullptr);

} // namespace rukcon::platform::sdl
