#pragma once

#include "platform/ActiveWindowWatch.h"
#include "platform/ControllerDevice.h"
#include "platform/KeyEmitter.h"
#include "platform/SoundDevice.h"
#include "platform/WindowSystem.h"

#include <memory>

namespace rukcon::platform::null {

// Stand-ins for a display that offers no key emission or no window listing, and for a missing
// controller and sound backend, so that the program still starts and runs.

// Drops every key and reports each event as failed.
std::unique_ptr<KeyEmitter> createKeyEmitter();

// Lists nothing and never finds, restores or activates a window.
std::unique_ptr<WindowSystem> createWindowSystem();

// Never available and never reports a change.
std::unique_ptr<ActiveWindowWatch> createActiveWindowWatch();

// A controller that is there but cannot be initialised: the detection finds it, fails on its
// capabilities and the status line says that the controller could not be initialised.
std::unique_ptr<ControllerDevice> createController();

// An audio output that never opens, so it makes no effects and plays nothing.
std::unique_ptr<SoundDevice> createSoundDevice();

} // namespace rukcon::platform::null
