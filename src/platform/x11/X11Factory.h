#pragma once

#include "platform/KeyEmitter.h"

#include <memory>

namespace rukcon::platform::x11 {

// Key emission on the display named by $DISPLAY; nullptr without a display or without XTest.
std::unique_ptr<KeyEmitter> createKeyEmitter();

} // namespace rukcon::platform::x11
