#pragma once

#include "platform/ActiveWindowWatch.h"
#include "platform/KeyEmitter.h"
#include "platform/WindowSystem.h"

#include <memory>

namespace rukcon::platform::null {

// Stand-ins for a display that offers no key emission or no window listing, so that the
// program still starts and runs.

// Drops every key and reports each event as failed.
std::unique_ptr<KeyEmitter> createKeyEmitter();

// Lists nothing and never finds, restores or activates a window.
std::unique_ptr<WindowSystem> createWindowSystem();

// Never available and never reports a change.
std::unique_ptr<ActiveWindowWatch> createActiveWindowWatch();

} // namespace rukcon::platform::null
