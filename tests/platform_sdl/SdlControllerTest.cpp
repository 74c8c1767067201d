#include "platform/sdl/SdlController.h"
#include "fakes/VirtualPad.h"
#include "platform/sdl/SdlFactory.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <memory>
#include <ostream>
#include <vector>

using rukcon::platform::ControllerCaps;
using rukcon::platform::ControllerPosition;
using rukcon::platform::sdl::SdlController;
using rukcon::test::VirtualPad;

namespace {

class SdlControllerTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(controller.isReady()) << SDL_GetError();
        // The expectations below number the virtual pads from id 0.
        if (SDL_NumJoysticks() != 0)
            GTEST_SKIP() << "a real controller is plugged in";
    }

    // The default pad: 2 axes, 12 buttons, 1 hat.
    VirtualPad& plug(int axes = 2, int buttons = 12, int hats = 1)
    {
        pads.push_back(std::make_unique<VirtualPad>(axes, buttons, hats));
        return *pads.back();
    }

    ControllerPosition read(unsigned id = 0)
    {
        ControllerPosition pos{1, 1, 1, 1};
        EXPECT_TRUE(controller.readPosition(id, pos));
        return pos;
    }

    // Declared first so that it outlives the pads.
    SdlController controller;
    std::vector<std::unique_ptr<VirtualPad>> pads;
};

TEST_F(SdlControllerTest, idCount_followsAttachAndDetach)
{
    EXPECT_EQ(controller.idCount(), 0u);
    VirtualPad& first = plug();
    EXPECT_EQ(controller.idCount(), 1u);
    plug();
    EXPECT_EQ(controller.idCount(), 2u);
    first.detach();
    EXPECT_EQ(controller.idCount(), 1u);
}

TEST_F(SdlControllerTest, read_noSuchId_fails)
{
    ControllerPosition pos;
    ControllerCaps caps;
    EXPECT_FALSE(controller.readPosition(0, pos));
    EXPECT_FALSE(controller.readCapabilities(0, caps));
    plug();
    EXPECT_FALSE(controller.readPosition(1, pos));
    EXPECT_FALSE(controller.readCapabilities(1, caps));
    // A virtual pad has no device file to sleep on: it is polled.
    EXPECT_EQ(controller.eventDevicePath(0), "");
}

TEST_F(SdlControllerTest, readCapabilities_fullRangeAndButtonCount)
{
    plug();
    plug(0, 5, 0);
    ControllerCaps caps;
    ASSERT_TRUE(controller.readCapabilities(0, caps));
    EXPECT_EQ(caps.xMin, 0u);
    EXPECT_EQ(caps.xMax, 65535u);
    EXPECT_EQ(caps.yMin, 0u);
    EXPECT_EQ(caps.yMax, 65535u);
    EXPECT_EQ(caps.numButtons, 12u);
    ASSERT_TRUE(controller.readCapabilities(1, caps));
    EXPECT_EQ(caps.numButtons, 5u);
}

TEST_F(SdlControllerTest, readPosition_buttonsBecomeBits)
{
    VirtualPad& pad = plug();
    EXPECT_EQ(read().buttons, 0u);

    for (const std::initializer_list<int> held : {std::initializer_list<int>{0}, {11}, {0, 2, 5, 11}}) {
        uint32_t expected = 0;
        for (int button : held) {
            pad.setButton(button, true);
            expected |= 1u << button;
        }
        const ControllerPosition pos = read();
        EXPECT_EQ(pos.buttons, expected);
        EXPECT_EQ(pos.z, 0u);
        for (int button : held)
            pad.setButton(button, false);
    }
    EXPECT_EQ(read().buttons, 0u);
}

TEST_F(SdlControllerTest, readPosition_only32ButtonsFitTheMask)
{
    VirtualPad& pad = plug(2, 40, 1);
    pad.setButton(31, true);
    pad.setButton(35, true);
    EXPECT_EQ(read().buttons, 1u << 31);
}

struct StickCase {
    Sint16 axisX;
    Sint16 axisY;
    Uint8 hat;
    uint32_t x;
    uint32_t y;
};

void PrintTo(const StickCase& c, std::ostream* os)
{
    *os << "axes " << c.axisX << "," << c.axisY << " hat " << int(c.hat);
}

class SdlControllerStickTest : public SdlControllerTest, public ::testing::WithParamInterface<StickCase> {};

TEST_P(SdlControllerStickTest, readPosition_axesShiftedAndHatOverrides)
{
    const StickCase& c = GetParam();
    VirtualPad& pad = plug();
    pad.setAxis(0, c.axisX);
    pad.setAxis(1, c.axisY);
    pad.setHat(c.hat);
    const ControllerPosition pos = read();
    EXPECT_EQ(pos.x, c.x);
    EXPECT_EQ(pos.y, c.y);
}

const StickCase kStickCases[] = {
    // The stick alone.
    {0, 0, SDL_HAT_CENTERED, 32768, 32768},
    {-32768, -32768, SDL_HAT_CENTERED, 0, 0},
    {32767, 32767, SDL_HAT_CENTERED, 65535, 65535},
    {-32768, 32767, SDL_HAT_CENTERED, 0, 65535},
    {-16384, 16383, SDL_HAT_CENTERED, 16384, 49151},
    // The hat takes over only the axis it pushes.
    {32767, 1000, SDL_HAT_LEFT, 0, 33768},
    {-32768, -1000, SDL_HAT_RIGHT, 65535, 31768},
    {-5, 32767, SDL_HAT_UP, 32763, 0},
    {7, -32768, SDL_HAT_DOWN, 32775, 65535},
    {0, 0, SDL_HAT_RIGHTUP, 65535, 0},
    {32767, -32768, SDL_HAT_LEFTDOWN, 0, 65535},
};

INSTANTIATE_TEST_SUITE_P(Table, SdlControllerStickTest, ::testing::ValuesIn(kStickCases));

TEST_F(SdlControllerTest, readPosition_missingAxesAndHat_readCentred)
{
    VirtualPad& bare = plug(0, 4, 0);
    VirtualPad& oneAxis = plug(1, 4, 0);
    bare.setButton(3, true);
    oneAxis.setAxis(0, -32768);

    ControllerPosition pos = read(0);
    EXPECT_EQ(pos.x, 32768u);
    EXPECT_EQ(pos.y, 32768u);
    EXPECT_EQ(pos.buttons, 1u << 3);

    pos = read(1);
    EXPECT_EQ(pos.x, 0u);
    EXPECT_EQ(pos.y, 32768u);
}

TEST_F(SdlControllerTest, readPosition_afterDetach_idFollowsTheRemainingDevice)
{
    VirtualPad& first = plug();
    VirtualPad& second = plug();
    first.setButton(0, true);
    second.setButton(1, true);
    EXPECT_EQ(read(0).buttons, 1u << 0);
    EXPECT_EQ(read(1).buttons, 1u << 1);

    first.detach();
    EXPECT_EQ(read(0).buttons, 1u << 1);
    ControllerPosition pos;
    EXPECT_FALSE(controller.readPosition(1, pos));
}

TEST_F(SdlControllerTest, detachedDevice_isClosedOnceAndFreed)
{
    VirtualPad& pad = plug();
    const SDL_JoystickID instance = pad.instance();
    ControllerCaps caps;
    for (int i = 0; i < 3; ++i) {
        read();
        ASSERT_TRUE(controller.readCapabilities(0, caps));
    }
    pad.detach();
    controller.idCount();
    // Freed only when every open was matched by a close: the pad's own handle and the one this
    // controller took.
    EXPECT_EQ(SDL_JoystickFromInstanceID(instance), nullptr);
}

TEST_F(SdlControllerTest, polling_leavesNoJoystickEventsQueued)
{
    VirtualPad& pad = plug();
    controller.idCount();
    pad.setAxis(0, 32767);
    pad.setButton(2, true);
    pad.setHat(SDL_HAT_UP);
    read();
    pad.detach();
    controller.idCount();
    EXPECT_FALSE(SDL_HasEvents(SDL_JOYAXISMOTION, SDL_JOYBATTERYUPDATED));
}

TEST(SdlFactoryTest, createController_givesAWorkingReader)
{
    const auto device = rukcon::platform::sdl::createController();
    ASSERT_NE(device, nullptr);
    if (SDL_NumJoysticks() != 0)
        GTEST_SKIP() << "a real controller is plugged in";
    VirtualPad pad(2, 12, 1);
    pad.setButton(4, true);
    EXPECT_EQ(device->idCount(), 1u);
    ControllerPosition pos;
    ASSERT_TRUE(device->readPosition(0, pos));
    EXPECT_EQ(pos.buttons, 1u << 4);
}

} // namespace
