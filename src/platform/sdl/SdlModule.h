#pragma once

#include "platform/ControllerDevice.h"
#include "platform/DelayedCall.h"
#include "platform/SoundDevice.h"

#include <memory>

namespace rukcon::platform::sdl {

// This backend as a module the program loads at run time: SDL and the thirty-odd libraries it
// needs are then neither loaded nor relocated before the main window is built. The module is
// never unloaded, so what it made may live until the process ends.
struct ModuleEntry {
    // SDL's start common to every part, which needs no particular thread: on Linux it connects to
    // the session bus, and where there is none yet it tries to launch one. The loader runs it on
    // its own thread, so the main thread does not wait for that when the sound device opens.
    void (*prepare)();
    std::unique_ptr<ControllerDevice> (*createController)();
    std::unique_ptr<SoundDevice> (*createSoundDevice)(std::unique_ptr<DelayedCall> closeLater);
};

// The module's file name, beside the executable in a build and in <libdir>/rukcon/backends when installed.
inline constexpr const char* kModuleFile = "rukcon-sdl.so";
// The one symbol the module exports.
inline constexpr const char* kModuleEntrySymbol = "rukcon_sdl_module";
using ModuleEntryFunction = const ModuleEntry* (*)();

} // namespace rukcon::platform::sdl
