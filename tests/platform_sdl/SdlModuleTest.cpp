// The sdl backend as the program loads it: from its module file, or without one.
#include "app/SdlModuleLoader.h"
#include "input/ControllerAccess.h"

#include <gtest/gtest.h>

#include <cstdlib>

using rukcon::app::SdlModuleLoader;
using rukcon::input::ControllerAccess;

namespace {

// What the status line would say after the first detection, and whether sound opened.
struct Outcome {
    int32_t controllerId;
    bool soundOpened;
};

Outcome startWith(const std::filesystem::path& module)
{
    SdlModuleLoader loader({"/nonexistent/rukcon-sdl.so", module});
    auto sound = loader.createSoundDevice(nullptr);
    auto controller = loader.createController();
    const bool opened = sound->init();
    ControllerAccess access(*controller);
    access.DetectController(rukcon::input::kStatusAxisMargin);
    sound->quit();
    return {access.controllerId(), opened};
}

} // namespace

TEST(SdlModule, LoadedModuleOpensSoundAndFindsNoController)
{
    setenv("SDL_AUDIODRIVER", "dummy", 1); // a machine without a sound card still opens a device
    const Outcome outcome = startWith(RUKCON_SDL_MODULE);
    EXPECT_TRUE(outcome.soundOpened);
    EXPECT_EQ(outcome.controllerId, ControllerAccess::kNoController);
}

TEST(SdlModule, MissingModuleSaysControllerAndSoundCannotStart)
{
    const Outcome outcome = startWith("/nonexistent/elsewhere/rukcon-sdl.so");
    EXPECT_FALSE(outcome.soundOpened);
    EXPECT_EQ(rukcon::input::ControllerStatusText(outcome.controllerId, 0),
              "ゲームコントローラの初期化に失敗しました。");
}
