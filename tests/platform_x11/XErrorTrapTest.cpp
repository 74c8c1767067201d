// gtest before the X headers: their None and Bool macros break it.
#include <gtest/gtest.h>

#include "platform/x11/XErrorTrap.h"

#include <cstdlib>

using rukcon::platform::x11::XErrorTrap;

namespace {

int g_unhandled = 0;
int countUnhandled(Display*, XErrorEvent*)
{
    ++g_unhandled;
    return 0;
}

// Two connections to the same server and a window id that no longer exists, so that a map
// request fails with BadWindow on either of them.
class XErrorTrapTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        const char* name = std::getenv("DISPLAY");
        if (!name || !*name)
            GTEST_SKIP() << "DISPLAY is not set";
        m_first = XOpenDisplay(name);
        m_second = XOpenDisplay(name);
        ASSERT_TRUE(m_first && m_second);
        m_gone = XCreateSimpleWindow(m_first, DefaultRootWindow(m_first), 0, 0, 10, 10, 0, 0, 0);
        XDestroyWindow(m_first, m_gone);
        XSync(m_first, False);
        g_unhandled = 0;
        m_saved = XSetErrorHandler(&countUnhandled);
    }

    void TearDown() override
    {
        if (!m_first || !m_second)
            return;
        EXPECT_EQ(XSetErrorHandler(m_saved), &countUnhandled) << "a trap left its handler installed";
        XCloseDisplay(m_second);
        XCloseDisplay(m_first);
    }

    Display* m_first = nullptr;
    Display* m_second = nullptr;
    Window m_gone = 0;
    XErrorHandler m_saved = nullptr;
};

TEST_F(XErrorTrapTest, failingRequest_recordedNotPassedOn)
{
    {
        XErrorTrap trap(m_first);
        XMapWindow(m_first, m_gone);
        EXPECT_TRUE(trap.failed());
        EXPECT_EQ(trap.errorCode(), BadWindow);
    }
    {
        XErrorTrap trap(m_first);
        XNoOp(m_first);
        EXPECT_FALSE(trap.failed());
    }
    EXPECT_EQ(g_unhandled, 0);
}

TEST_F(XErrorTrapTest, nestedTraps_eachKeepsItsOwnDisplay_otherErrorsPassedOn)
{
    XErrorTrap outer(m_first);
    {
        XErrorTrap inner(m_second);
        XMapWindow(m_first, m_gone);
        XSync(m_first, False);
        EXPECT_FALSE(inner.failed());
    }
    EXPECT_TRUE(outer.failed());

    // A display no trap watches: the handler that was there before hears of it.
    Display* third = XOpenDisplay(std::getenv("DISPLAY"));
    ASSERT_NE(third, nullptr);
    XMapWindow(third, m_gone);
    XSync(third, False);
    EXPECT_EQ(g_unhandled, 1);
    XCloseDisplay(third);
}

} // namespace
