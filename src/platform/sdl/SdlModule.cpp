#include "platform/sdl/SdlModule.h"

#include "platform/sdl/SdlFactory.h"

namespace {

constexpr rukcon::platform::sdl::ModuleEntry kEntry{&rukcon::platform::sdl::createController,
                                                    &rukcon::platform::sdl::createSoundDevice};

} // namespace

extern "C" __attribute__((visibility("default"))) const rukcon::platform::sdl::ModuleEntry* rukcon_sdl_module()
{
    return &kEntry;
}
