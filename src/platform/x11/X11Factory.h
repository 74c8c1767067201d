#pragma once

#include "platform/Backends.h"

#include <memory>
#include <optional>

namespace rukcon::platform::x11 {

// Each part opens its own connection to the display of that name, $DISPLAY when null.

// Key emission; nullptr without a display or without XTest.
std::unique_ptr<KeyEmitter> createKeyEmitter(const char* displayName = nullptr);

// Listing and activation of the top-level windows; nullptr without a display.
std::unique_ptr<WindowSystem> createWindowSystem(const char* displayName = nullptr);

// Changes of the active window. It connects only while started, so without a display it is
// never available and cannot start.
std::unique_ptr<ActiveWindowWatch> createActiveWindowWatch(const char* displayName = nullptr);

// The three parts for the program's start, on one connection, the window system's (start-up
// lists the windows): the key emitter opens its own at the first key and the watch when it is
// started, so the main window is not kept waiting for them. Whether keys can be sent, and
// whether the watch is available, are asked on the shared one; keys is nullptr when they cannot
// be sent. nullopt without a display.
std::optional<Backends> createBackends(const char* displayName = nullptr);

// The same as a row of the program's choice of backends (the request's X display).
BackendsOffer offerBackends(const WindowingRequest& request);

} // namespace rukcon::platform::x11
