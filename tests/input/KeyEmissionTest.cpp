#include "fakes/RecordingKeyboard.h"
#include "input/KeyEmission.h"

#include <gtest/gtest.h>

using rukcon::input::KeyEmission;
using rukcon::test::EventLog;

namespace {

class KeyEmissionTest : public ::testing::Test {
protected:
    EventLog log;
    rukcon::test::RecordingKeyboard keyboard{log};
    rukcon::test::RecordingPump pump{log};
    KeyEmission keys{keyboard, pump};

    // One input: three key positions, then the modifiers are released.
    void input(std::initializer_list<std::pair<uint8_t, bool>> positions)
    {
        for (auto [code, hold] : positions) {
            if (hold)
                keys.HoldKey(code);
            else
                keys.TapKey(code);
        }
        keys.ReleaseModifiers();
    }
};

TEST_F(KeyEmissionTest, shiftThenA_capitalA)
{
    input({{16, true}, {65, false}});
    EXPECT_EQ(log, (EventLog{"16+", "pump", "65+", "pump", "65-", "16-", "17-", "18-"}));
}

TEST_F(KeyEmissionTest, aThenShift_plainA_shiftReleasedInSameInput)
{
    input({{65, false}, {16, true}});
    EXPECT_EQ(log, (EventLog{"65+", "pump", "65-", "16+", "pump", "16-", "17-", "18-"}));
}

TEST_F(KeyEmissionTest, controlAltDelete)
{
    input({{17, true}, {18, true}, {46, false}});
    EXPECT_EQ(log, (EventLog{"17+", "pump", "18+", "pump", "46+", "pump", "46-", "16-", "17-", "18-"}));
}

TEST_F(KeyEmissionTest, releaseModifiers_allThreeEvenWhenNothingHeld_noPumpBetween)
{
    keys.ReleaseModifiers();
    EXPECT_EQ(log, (EventLog{"16-", "17-", "18-"}));
}

TEST_F(KeyEmissionTest, failingEvents_everyEventStillSent)
{
    keyboard.failAll = true;
    input({{16, true}, {65, false}});
    EXPECT_EQ(log, (EventLog{"16+", "pump", "65+", "pump", "65-", "16-", "17-", "18-"}));
}

TEST_F(KeyEmissionTest, heldTapKey_onePressReleasePairPerDispatch)
{
    for (int poll = 0; poll < 3; ++poll)
        input({{112, false}});
    int presses = 0, releases = 0;
    for (const auto& e : log) {
        presses += e == "112+";
        releases += e == "112-";
    }
    EXPECT_EQ(presses, 3);
    EXPECT_EQ(releases, 3);
}

} // namespace
