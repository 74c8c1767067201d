#include "platform/sdl/SdlModule.h"

#include "platform/sdl/SdlFactory.h"

#include <SDL.h>

namespace {

void prepare()
{
    SDL_SetMainReady();
    // The process belongs to Qt: SDL must not take SIGINT/SIGTERM.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    // No part yet: what every part's start does first, and only once.
    SDL_InitSubSystem(0);
    // This runs on a loading thread that ends next: free what SDL keeps for it (its error text).
    SDL_TLSCleanup();
}

constexpr rukcon::platform::sdl::ModuleEntry kEntry{&prepare, &rukcon::platform::sdl::createController,
                                                    &rukcon::platform::sdl::createSoundDevice};

} // namespace

extern "C" __attribute__((visibility("default"))) const rukcon::platform::sdl::ModuleEntry* rukcon_sdl_module()
{
    return &kEntry;
}
