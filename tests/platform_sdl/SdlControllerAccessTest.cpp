#include "fakes/VirtualPad.h"
#include "input/ControllerAccess.h"
#include "platform/sdl/SdlController.h"

#include <gtest/gtest.h>

#include <memory>
#include <optional>

using rukcon::input::ControllerAccess;
using rukcon::input::kStatusAxisMargin;
using rukcon::platform::sdl::SdlController;
using rukcon::test::VirtualPad;

namespace {

// The detection and the poll reading on top of the real backend, with virtual pads as controllers.
class SdlControllerAccessTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(controller.isReady()) << SDL_GetError();
        if (SDL_NumJoysticks() != 0)
            GTEST_SKIP() << "a real controller is plugged in";
    }

    void detect() { access.DetectController(kStatusAxisMargin); }

    SdlController controller;
    ControllerAccess access{controller};
    std::optional<VirtualPad> pad;
    std::optional<VirtualPad> otherPad;
};

TEST_F(SdlControllerAccessTest, detect_onePad_idZeroWithThresholdsAndButtonCount)
{
    pad.emplace(2, 12, 1);
    detect();
    EXPECT_EQ(access.controllerId(), 0);
    EXPECT_EQ(access.buttonCount(), 12);
    EXPECT_EQ(access.lowX(), 16384);
    EXPECT_EQ(access.highX(), 49151);
    EXPECT_EQ(access.lowY(), 16384);
    EXPECT_EQ(access.highY(), 49151);
}

TEST_F(SdlControllerAccessTest, read_stickHatAndButtons_giveDirectionsAndBits)
{
    pad.emplace(2, 12, 1);
    detect();
    ASSERT_EQ(access.controllerId(), 0);

    access.ReadControllerState();
    EXPECT_EQ(access.directionX(), 0);
    EXPECT_EQ(access.directionY(), 0);
    EXPECT_EQ(access.buttonBits(), 0u);

    pad->setAxis(0, 32767);
    pad->setAxis(1, -32768);
    access.ReadControllerState();
    EXPECT_EQ(access.directionX(), 1);
    EXPECT_EQ(access.directionY(), -1);

    // Just inside the outer quarter on one side, just short of it on the other.
    pad->setAxis(0, -16385);
    pad->setAxis(1, 16383);
    access.ReadControllerState();
    EXPECT_EQ(access.directionX(), -1);
    EXPECT_EQ(access.directionY(), 0);

    pad->setAxis(0, 0);
    pad->setAxis(1, 0);
    pad->setHat(SDL_HAT_LEFTDOWN);
    pad->setButton(0, true);
    pad->setButton(9, true);
    access.ReadControllerState();
    EXPECT_EQ(access.directionX(), -1);
    EXPECT_EQ(access.directionY(), 1);
    EXPECT_EQ(access.buttonBits(), (1u << 0) | (1u << 9));
}

TEST_F(SdlControllerAccessTest, detect_padPluggedInAndOut_seenAtTheNextDetection)
{
    detect();
    EXPECT_EQ(access.controllerId(), ControllerAccess::kNoController);

    pad.emplace(2, 12, 1);
    pad->setButton(3, true);
    detect();
    EXPECT_EQ(access.controllerId(), 0);
    access.ReadControllerState();
    EXPECT_EQ(access.buttonBits(), 1u << 3);

    pad->detach();
    // A poll between the unplugging and the next detection reads nothing.
    access.ReadControllerState();
    EXPECT_EQ(access.buttonBits(), 0u);
    detect();
    EXPECT_EQ(access.controllerId(), ControllerAccess::kNoController);

    otherPad.emplace(2, 6, 1);
    detect();
    EXPECT_EQ(access.controllerId(), 0);
    EXPECT_EQ(access.buttonCount(), 6);
}

TEST_F(SdlControllerAccessTest, detect_twoPads_firstOneIsUsed)
{
    pad.emplace(2, 12, 1);
    otherPad.emplace(2, 8, 1);
    otherPad->setButton(1, true);
    detect();
    EXPECT_EQ(access.controllerId(), 0);
    EXPECT_EQ(access.buttonCount(), 12);
    access.ReadControllerState();
    EXPECT_EQ(access.buttonBits(), 0u);

    // With the first one gone the other moves up to id 0.
    pad->detach();
    detect();
    EXPECT_EQ(access.controllerId(), 0);
    EXPECT_EQ(access.buttonCount(), 8);
    access.ReadControllerState();
    EXPECT_EQ(access.buttonBits(), 1u << 1);
}

TEST_F(SdlControllerAccessTest, read_padWithoutAxesOrHat_neutralButButtonsWork)
{
    pad.emplace(0, 4, 0);
    pad->setButton(2, true);
    detect();
    ASSERT_EQ(access.controllerId(), 0);
    EXPECT_EQ(access.buttonCount(), 4);
    access.ReadControllerState();
    EXPECT_EQ(access.directionX(), 0);
    EXPECT_EQ(access.directionY(), 0);
    EXPECT_EQ(access.buttonBits(), 1u << 2);
}

} // namespace
