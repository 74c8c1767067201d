#include "platform/null/NullFactory.h"

namespace rukcon::platform::null {

namespace {

class NullKeyEmitter : public KeyEmitter {
public:
    bool sendKey(uint8_t, bool) override { return false; }
};

class NullWindowSystem : public WindowSystem {
public:
    bool listVisibleWindows(std::vector<WindowEntry>&) override { return false; }
    WindowId findByCaption(const std::string&) override { return 0; }
    bool restore(WindowId) override { return false; }
    bool activate(WindowId, ActivationWait) override { return false; }
    bool setKeepAbove(WindowId, bool) override { return false; }
};

} // namespace

std::unique_ptr<KeyEmitter> createKeyEmitter()
{
    return std::make_unique<NullKeyEmitter>();
}

std::unique_ptr<WindowSystem> createWindowSystem()
{
    return std::make_unique<NullWindowSystem>();
}

} // namespace rukcon::platform::null
