#pragma once

#include "platform/KeyEmitter.h"
#include "platform/SoundDevice.h"
#include "platform/WindowSystem.h"

namespace rukcon::app {

// Stand-ins for a missing display: keys are dropped and no window is ever found.
class NullKeyEmitter : public platform::KeyEmitter {
public:
    bool sendKey(uint8_t, bool) override { return false; }
};

class NullWindowSystem : public platform::WindowSystem {
public:
    bool listVisibleWindows(std::vector<platform::WindowEntry>&) override { return false; }
    platform::WindowId findByCaption(const std::string&) override { return 0; }
    bool restore(platform::WindowId) override { return false; }
    bool activate(platform::WindowId, platform::ActivationWait) override { return false; }
    bool setKeepAbove(platform::WindowId, bool) override { return false; }
};

} // namespace rukcon::app
