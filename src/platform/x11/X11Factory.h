#pragma once

#include "platform/ActiveWindowWatch.h"
#include "platform/KeyEmitter.h"
#include "platform/WindowSystem.h"

#include <memory>

namespace rukcon::platform::x11 {

// Each part opens its own connection to the display of that name, $DISPLAY when null.

// Key emission; nullptr without a display or without XTest.
std::unique_ptr<KeyEmitter> createKeyEmitter(const char* displayName = nullptr);

// Listing and activation of the top-level windows; nullptr without a display.
std::unique_ptr<WindowSystem> createWindowSystem(const char* displayName = nullptr);

// Changes of the active window. It connects only while started, so without a display it is
// never available and cannot start.
std::unique_ptr<ActiveWindowWatch> createActiveWindowWatch(const char* displayName = nullptr);

} // namespace rukcon::platform::x11
