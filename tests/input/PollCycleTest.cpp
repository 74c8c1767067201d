#include "input/PollCycle.h"
#include "DispatchTestSupport.h"
#include "fakes/ScriptedController.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace rukcon::input;
using rukcon::test::EventLog;

namespace {

class PollCycleTest : public ::testing::Test {
protected:
    rukcon::test::ScriptedController device;
    ControllerAccess controller{device};
    rukcon::test::DispatchRig rig;
    PollCycle cycle{controller, rig.dispatch, rig.keys, rig.view};

    void SetUp() override
    {
        device.count = 16;
        device.ids[0].position = {32767, 32767, 0, 0};
        controller.DetectController(kStatusAxisMargin);
        cycle.ArrowMultiplier = 1;
        // Each slot types its own number key so the log shows which slot ran: slot n -> '0'+n … ,
        // the stick slots 10 … 13 type A, B, C, D.
        for (int slot = 0; slot < 10; ++slot)
            rig.setKeys(slot, "-" + std::to_string(slot) + "-", "なし", "なし");
        rig.setKeys(10, "-A-", "なし", "なし");
        rig.setKeys(11, "-B-", "なし", "なし");
        rig.setKeys(12, "-C-", "なし", "なし");
        rig.setKeys(13, "-D-", "なし", "なし");
        rig.profile.keys[14][0] = "F24";
    }

    void hold(uint32_t x, uint32_t y, uint32_t buttons) { device.ids[0].position = {x, y, 0, buttons}; }

    // The codes tapped, in order ("A", "0" …), from the press events of the log.
    std::string typed() const
    {
        std::string out;
        for (const auto& e : rig.log) {
            if (e.back() == '+')
                out += static_cast<char>(std::stoi(e.substr(0, e.size() - 1)));
        }
        return out;
    }

    std::array<IndicatorState, 14> idleExcept(const std::vector<int>& held) const
    {
        std::array<IndicatorState, 14> c;
        c.fill(IndicatorState::Idle);
        for (int i : held)
            c[i] = IndicatorState::Held;
        return c;
    }
};

TEST_F(PollCycleTest, nothingHeld_allIdleNothingDispatchedSinkEmptied)
{
    EXPECT_TRUE(cycle.Tick(false, false));
    EXPECT_TRUE(rig.log.empty());
    EXPECT_EQ(rig.view.indicators, idleExcept({}));
    EXPECT_EQ(rig.view.sink, "");
}

// Whether anything is held decides whether the program keeps polling: a stick direction counts
// even at multiplier 0 (a new multiplier must find the ticks running), buttons 11 up do not.
TEST_F(PollCycleTest, run_reportsWhetherAnyInputIsHeld)
{
    struct Case {
        const char* name;
        uint32_t x, y, buttons;
        int multiplier;
        bool held;
    };
    const Case cases[] = {
        {"nothing", 32767, 32767, 0, 1, false},      {"button 1", 32767, 32767, 0x1, 1, true},
        {"button 10", 32767, 32767, 0x200, 1, true}, {"button 11", 32767, 32767, 0x400, 1, false},
        {"stick up", 32767, 0, 0, 1, true},          {"stick left, multiplier 0", 0, 32767, 0, 0, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        hold(c.x, c.y, c.buttons);
        cycle.ArrowMultiplier = c.multiplier;
        EXPECT_EQ(cycle.Run(), c.held);
        EXPECT_EQ(cycle.inputHeld(), c.held);
    }
}

TEST_F(PollCycleTest, settingsModeOrPause_tickDoesNothingIndicatorsKept)
{
    hold(65535, 32767, 0x1);
    rig.view.sink = "typed";
    EXPECT_FALSE(cycle.Tick(true, false));
    EXPECT_FALSE(cycle.Tick(false, true));
    EXPECT_TRUE(rig.log.empty());
    EXPECT_EQ(rig.view.indicatorReports, 0);
    EXPECT_EQ(rig.view.sink, "typed");
}

struct HeldCase {
    const char* name;
    uint32_t x, y, buttons;
    int multiplier;
    const char* typed;
    std::vector<int> indicatorsHeld;
};

class PollCycleHeld : public PollCycleTest, public ::testing::WithParamInterface<HeldCase> {};

// The stick's slots come first, once per multiplier step, then the buttons 1 … 10 in ascending
// order; each held input lights its indicator.
TEST_P(PollCycleHeld, tick_typesTheHeldSlotsAndShowsThem)
{
    const HeldCase& c = GetParam();
    hold(c.x, c.y, c.buttons);
    cycle.ArrowMultiplier = c.multiplier;
    cycle.Tick(false, false);
    EXPECT_EQ(typed(), c.typed);
    EXPECT_EQ(rig.log.empty(), std::string(c.typed).empty());
    EXPECT_EQ(rig.view.indicators, idleExcept(c.indicatorsHeld));
}

INSTANTIATE_TEST_SUITE_P(
    Inputs, PollCycleHeld,
    ::testing::Values(HeldCase{"stickRightMultiplierOne", 65535, 32767, 0, 1, "B", {1}},
                      HeldCase{"diagonalMultiplierThree_directionsAlternate", 0, 0, 0, 3, "ACACAC", {0, 3}},
                      HeldCase{"multiplierZero_stickIgnored", 0, 32767, 0, 0, "", {}},
                      HeldCase{"stickDownAndButtons1And3", 32767, 65535, 0b101, 2, "DD02", {2, 4, 6}},
                      HeldCase{"buttons11And21_ignored", 32767, 32767, 1u << 10 | 1u << 20, 1, "", {}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(PollCycleTest, everyInputEndsWithModifierRelease)
{
    rig.setKeys(0, "SHIFT", "-A-", "なし");
    hold(32767, 32767, 0b11);
    cycle.Tick(false, false);
    EXPECT_EQ(rig.events(), (EventLog{"activate", "16+", "65+", "65-", "16-", "17-", "18-", "activate", "49+", "49-",
                                      "16-", "17-", "18-"}));
}

TEST_F(PollCycleTest, everyDispatchActivatesWithinOneCycleScope)
{
    hold(0, 0, 0b11); // up-left and buttons 1 and 2
    cycle.ArrowMultiplier = 3;
    cycle.Tick(false, false);
    cycle.Tick(false, false);
    EXPECT_EQ(std::count(rig.log.begin(), rig.log.end(), "activate"), 2 * (3 * 2 + 2));
    EXPECT_EQ(rig.target.activationsOutsideCycle, 0);
    EXPECT_EQ(rig.target.cycles, 2);
    EXPECT_FALSE(rig.target.inCycle);
}

TEST_F(PollCycleTest, noController_allDarkRedNothingRead)
{
    device.ids.clear();
    controller.DetectController(kStatusAxisMargin);
    ASSERT_EQ(controller.controllerId(), -1);
    cycle.Tick(false, false);
    std::array<IndicatorState, 14> dark;
    dark.fill(IndicatorState::NoController);
    EXPECT_EQ(rig.view.indicators, dark);
    EXPECT_TRUE(rig.log.empty());
}

// A tick delivered by the event pass inside key emission must not start a second cycle.
class ReentrantPump : public rukcon::input::MessagePump {
public:
    PollCycle* cycle = nullptr;
    int nestedRuns = 0;
    void processPendingOnce() override
    {
        if (cycle && cycle->Tick(false, false))
            ++nestedRuns;
    }
};

TEST_F(PollCycleTest, tickDuringCycle_skippedSoCyclesNeverNest)
{
    ReentrantPump pump;
    KeyEmission keys{rig.keyboard, pump};
    KeyDispatch dispatch{rig.profile, rig.view, keys, rig.target, rig.sound};
    PollCycle reentrant{controller, dispatch, keys, rig.view};
    reentrant.ArrowMultiplier = 1;
    pump.cycle = &reentrant;
    hold(65535, 32767, 0x1);
    EXPECT_TRUE(reentrant.Tick(false, false));
    EXPECT_EQ(pump.nestedRuns, 0);
    EXPECT_FALSE(reentrant.running());
    EXPECT_EQ(typed(), "B0");
}

} // namespace
