#include "app/SdlModuleLoader.h"

#include "platform/null/NullFactory.h"
#include "platform/sdl/SdlModule.h"

#include <cstdio>
#include <dlfcn.h>
#include <future>
#include <string>
#include <system_error>
#include <utility>

namespace rukcon::app {

namespace {

using platform::sdl::ModuleEntry;

// The module, or why there is none.
struct Module {
    const ModuleEntry* entry = nullptr;
    std::string error;
};

Module load(const std::vector<std::filesystem::path>& candidates)
{
    for (const std::filesystem::path& file : candidates) {
        std::error_code ec;
        if (!std::filesystem::exists(file, ec))
            continue;
        // Never closed: the devices it makes live as long as the process.
        void* handle = dlopen(file.c_str(), RTLD_LAZY | RTLD_LOCAL);
        if (!handle)
            return {nullptr, dlerror()};
        auto entry =
            reinterpret_cast<platform::sdl::ModuleEntryFunction>(dlsym(handle, platform::sdl::kModuleEntrySymbol));
        if (!entry)
            return {nullptr, file.string() + ": " + platform::sdl::kModuleEntrySymbol + " missing"};
        const ModuleEntry* module = entry();
        module->prepare();
        return {module, {}};
    }
    return {nullptr, std::string(platform::sdl::kModuleFile) + " not found"};
}

} // namespace

struct SdlModuleLoader::Loading {
    std::shared_future<Module> module;
    bool told = false;

    const ModuleEntry* entry()
    {
        const Module& m = module.get();
        if (!m.entry && !std::exchange(told, true))
            std::fprintf(stderr, "rukcon: no controller or sound: %s\n", m.error.c_str());
        return m.entry;
    }
};

namespace {

class ModuleController : public platform::ControllerDevice {
public:
    explicit ModuleController(std::shared_ptr<SdlModuleLoader::Loading> loading) : m_loading(std::move(loading)) {}

    unsigned idCount() override { return device().idCount(); }
    bool readPosition(unsigned id, platform::ControllerPosition& out) override
    {
        return device().readPosition(id, out);
    }
    bool readCapabilities(unsigned id, platform::ControllerCaps& out) override
    {
        return device().readCapabilities(id, out);
    }
    std::string eventDevicePath(unsigned id) override { return device().eventDevicePath(id); }

private:
    platform::ControllerDevice& device()
    {
        if (!m_device) {
            const ModuleEntry* entry = m_loading->entry();
            m_device = entry ? entry->createController() : platform::null::createController();
        }
        return *m_device;
    }

    std::shared_ptr<SdlModuleLoader::Loading> m_loading;
    std::unique_ptr<platform::ControllerDevice> m_device;
};

class ModuleSoundDevice : public platform::SoundDevice {
public:
    ModuleSoundDevice(std::shared_ptr<SdlModuleLoader::Loading> loading,
                      std::unique_ptr<platform::DelayedCall> closeLater)
        : m_loading(std::move(loading)), m_closeLater(std::move(closeLater))
    {
    }

    bool init() override
    {
        if (!m_device) {
            const ModuleEntry* entry = m_loading->entry();
            m_device = entry ? entry->createSoundDevice(std::move(m_closeLater)) : platform::null::createSoundDevice();
        }
        return m_device->init();
    }
    platform::EffectHandle createEffect(const uint8_t* wavImage, size_t size, int option) override
    {
        return m_device ? m_device->createEffect(wavImage, size, option) : 0;
    }
    void play(platform::EffectHandle effect) override
    {
        if (m_device)
            m_device->play(effect);
    }
    void release(platform::EffectHandle effect) override
    {
        if (m_device)
            m_device->release(effect);
    }
    void quit() override
    {
        if (m_device)
            m_device->quit();
    }

private:
    std::shared_ptr<SdlModuleLoader::Loading> m_loading;
    std::unique_ptr<platform::DelayedCall> m_closeLater;
    std::unique_ptr<platform::SoundDevice> m_device;
};

} // namespace

SdlModuleLoader::SdlModuleLoader(std::vector<std::filesystem::path> candidates) : m_loading(std::make_shared<Loading>())
{
    m_loading->module = std::async(std::launch::async, load, std::move(candidates)).share();
}

// The shared future's last owner waits for the thread, so it never outlives the process's end.
SdlModuleLoader::~SdlModuleLoader() = default;

std::unique_ptr<platform::ControllerDevice> SdlModuleLoader::createController()
{
    return std::make_unique<ModuleController>(m_loading);
}

std::unique_ptr<platform::SoundDevice>
SdlModuleLoader::createSoundDevice(std::unique_ptr<platform::DelayedCall> closeLater)
{
    return std::make_unique<ModuleSoundDevice>(m_loading, std::move(closeLater));
}

} // namespace rukcon::app
