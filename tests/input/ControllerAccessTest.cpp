#include "input/ControllerAccess.h"
#include "fakes/ScriptedController.h"

#include <gtest/gtest.h>

using rukcon::input::ControllerAccess;
using rukcon::input::ControllerStatusText;
using rukcon::input::kStatusAxisMargin;
using rukcon::test::ScriptedController;

namespace {

class ControllerAccessTest : public ::testing::Test {
protected:
    ScriptedController device;
    ControllerAccess access{device};

    // A single controller at id 0 with the common range 0 … 65535.
    void plugOne(uint32_t buttons = 0)
    {
        device.count = 16;
        device.ids[0].position = {32767, 32767, 0, buttons};
    }

    void detect() { access.DetectController(kStatusAxisMargin); }
};

// No ids supported: nothing is asked; ids but nobody answers: each is asked once.
TEST_F(ControllerAccessTest, detect_noController_asksEachIdOnceOnly)
{
    for (const unsigned ids : {0u, 16u}) {
        SCOPED_TRACE(ids);
        device.count = ids;
        device.positionCalls = 0;
        detect();
        EXPECT_EQ(access.controllerId(), -1);
        EXPECT_EQ(device.positionCalls, static_cast<int>(ids));
        EXPECT_EQ(device.capsCalls, 0);
        EXPECT_EQ(ControllerStatusText(access.controllerId(), access.buttonCount()),
                  "コントローラをパソコンにつないでください。");
    }
}

TEST_F(ControllerAccessTest, detect_firstAnsweringIdWins_laterIdsNotTried)
{
    device.count = 16;
    device.ids[0].answers = false;
    device.ids[1].answers = false;
    device.ids[2].caps.numButtons = 8;
    device.ids[3].caps.numButtons = 99;
    detect();
    EXPECT_EQ(access.controllerId(), 2);
    EXPECT_EQ(access.buttonCount(), 8);
    EXPECT_EQ(device.positionCalls, 3);
    EXPECT_EQ(ControllerStatusText(access.controllerId(), access.buttonCount()),
              "コントローラ ID : 3\u3000ボタン数 : 8");
}

TEST_F(ControllerAccessTest, detect_thresholdsFromRangeAndMargin)
{
    plugOne();
    device.ids[0].caps = {100, 60000, 200, 50000, 12};
    access.DetectController(1000);
    EXPECT_EQ(access.lowX(), 1100);
    EXPECT_EQ(access.highX(), 59000);
    EXPECT_EQ(access.lowY(), 1200);
    EXPECT_EQ(access.highY(), 49000);
    EXPECT_EQ(access.buttonCount(), 12);
}

TEST_F(ControllerAccessTest, detect_capsFail_keepsPreviousThresholdsAndReadsNothing)
{
    plugOne(0x3);
    detect();
    ASSERT_EQ(access.controllerId(), 0);
    ASSERT_EQ(access.buttonCount(), 12);

    device.ids[0].capsOk = false;
    device.ids[0].caps = {0, 255, 0, 255, 2}; // must not be taken over
    detect();
    EXPECT_EQ(access.controllerId(), -2);
    EXPECT_EQ(access.lowX(), 16384);
    EXPECT_EQ(access.highX(), 49151);
    EXPECT_EQ(access.buttonCount(), 12);
    EXPECT_EQ(ControllerStatusText(access.controllerId(), access.buttonCount()),
              "ゲームコントローラの初期化に失敗しました。");

    device.ids[0].position = {0, 65535, 0, 0x3};
    const int before = device.positionCalls;
    access.ReadControllerState();
    EXPECT_EQ(access.directionX(), 0);
    EXPECT_EQ(access.directionY(), 0);
    EXPECT_EQ(access.buttonBits(), 0u);
    EXPECT_EQ(device.positionCalls, before) << "a negative id must not be read";
}

TEST_F(ControllerAccessTest, detect_controllerPluggedAndUnplugged_seenAtNextDetection)
{
    device.count = 0;
    detect();
    EXPECT_EQ(access.controllerId(), -1);

    plugOne();
    detect();
    EXPECT_EQ(access.controllerId(), 0);

    device.ids.clear();
    detect();
    EXPECT_EQ(access.controllerId(), -1);
}

struct AxisCase {
    uint32_t position;
    int32_t expected;
};

class ControllerAxisTest : public ControllerAccessTest, public ::testing::WithParamInterface<AxisCase> {};

TEST_P(ControllerAxisTest, read_strictThresholdsOnBothAxes)
{
    plugOne();
    detect();
    device.ids[0].position = {GetParam().position, 32767, 0, 0};
    access.ReadControllerState();
    EXPECT_EQ(access.directionX(), GetParam().expected);
    EXPECT_EQ(access.directionY(), 0);

    device.ids[0].position = {32767, GetParam().position, 0, 0};
    access.ReadControllerState();
    EXPECT_EQ(access.directionX(), 0);
    EXPECT_EQ(access.directionY(), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Range0To65535, ControllerAxisTest,
                         ::testing::Values(AxisCase{0, -1}, AxisCase{16383, -1}, AxisCase{16384, 0}, AxisCase{32767, 0},
                                           AxisCase{49151, 0}, AxisCase{49152, 1}, AxisCase{65535, 1}));

TEST_F(ControllerAccessTest, read_narrowRange_thresholdsCrossAndStickNeverRegisters)
{
    plugOne();
    device.ids[0].caps = {0, 255, 0, 255, 4};
    detect();
    EXPECT_GT(access.lowX(), access.highX());
    for (uint32_t pos : {0u, 1u, 127u, 128u, 254u, 255u}) {
        device.ids[0].position = {pos, pos, 0, 0x5};
        access.ReadControllerState();
        EXPECT_EQ(access.directionX(), 0) << pos;
        EXPECT_EQ(access.directionY(), 0) << pos;
        EXPECT_EQ(access.buttonBits(), 0x5u) << "buttons still work";
    }
}

TEST_F(ControllerAccessTest, read_diagonalAndManyButtonsTogether)
{
    plugOne();
    detect();
    device.ids[0].position = {0, 65535, 0, 0xFFFFFFFFu};
    access.ReadControllerState();
    EXPECT_EQ(access.directionX(), -1);
    EXPECT_EQ(access.directionY(), 1);
    EXPECT_EQ(access.buttonBits(), 0xFFFFFFFFu);
}

TEST_F(ControllerAccessTest, read_failsAfterUnplug_yieldsNoInputUntilNextDetection)
{
    plugOne(0x1);
    detect();
    device.ids[0].position = {65535, 0, 0, 0x1};
    access.ReadControllerState();
    ASSERT_EQ(access.directionX(), 1);

    device.ids[0].answers = false;
    access.ReadControllerState();
    EXPECT_EQ(access.directionX(), 0);
    EXPECT_EQ(access.directionY(), 0);
    EXPECT_EQ(access.buttonBits(), 0u);
    EXPECT_EQ(access.controllerId(), 0) << "the loss is reported by the next detection";
}

TEST(ControllerStatusText, firstControllerFourButtons_exactBytes)
{
    EXPECT_EQ(ControllerStatusText(0, 4), "コントローラ ID : 1\xE3\x80\x80ボタン数 : 4");
    EXPECT_EQ(ControllerStatusText(0, 12), "コントローラ ID : 1　ボタン数 : 12");
}

} // namespace
