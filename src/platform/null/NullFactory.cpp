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

class NullActiveWindowWatch : public ActiveWindowWatch {
public:
    bool available() override { return false; }
    int start() override { return -1; }
    void stop() override {}
    std::optional<ActiveWindow> takeChange() override { return std::nullopt; }
};

class UnavailableController : public ControllerDevice {
public:
    unsigned idCount() override { return 1; }
    bool readPosition(unsigned, ControllerPosition&) override { return true; }
    bool readCapabilities(unsigned, ControllerCaps&) override { return false; }
};

class ClosedSoundDevice : public SoundDevice {
public:
    bool init() override { return false; }
    EffectHandle createEffect(const uint8_t*, size_t, int) override { return 0; }
    void play(EffectHandle) override {}
    void release(EffectHandle) override {}
    void quit() override {}
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

std::unique_ptr<ActiveWindowWatch> createActiveWindowWatch()
{
    return std::make_unique<NullActiveWindowWatch>();
}

std::unique_ptr<ControllerDevice> createController()
{
    return std::make_unique<UnavailableController>();
}

std::unique_ptr<SoundDevice> createSoundDevice()
{
    return std::make_unique<ClosedSoundDevice>();
}

} // namespace rukcon::platform::null
