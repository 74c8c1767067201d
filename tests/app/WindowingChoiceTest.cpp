// The choice of key and window backends on an X server without XTEST (tools/headless.sh starts it).
#include "app/WindowingChoice.h"
#include "platform/x11/X11Factory.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

using namespace rukcon;

namespace {

// Such a server lists windows but takes no keys: the program cannot work there and must say so,
// instead of claiming keys that go nowhere.
TEST(WindowingChoiceTest, windowListWithoutKeyEmitter_unusable)
{
    const char* noXTest = std::getenv("RUKCON_NO_XTEST_DISPLAY");
    if (!noXTest)
        GTEST_SKIP() << "needs RUKCON_NO_XTEST_DISPLAY, an X server without XTEST";
    const char* display = std::getenv("DISPLAY");
    const std::string saved = display ? display : "";
    ::setenv("DISPLAY", noXTest, 1);

    std::optional<platform::x11::Backends> x11 = platform::x11::createBackends();
    const bool windowsOnly = x11 && x11->windows && !x11->keys;
    x11.reset();
    app::Windowing chosen = app::chooseWindowing(nullptr, "rukcon");

    if (display)
        ::setenv("DISPLAY", saved.c_str(), 1);
    else
        ::unsetenv("DISPLAY");
    ASSERT_TRUE(windowsOnly) << noXTest << " must list windows and refuse keys";
    EXPECT_FALSE(chosen.usable) << "taken for a desktop that can send keys";
    ASSERT_TRUE(chosen.keys);
    EXPECT_FALSE(chosen.keys->sendKey('A', true));
}

} // namespace
