#include "target/TargetActivation.h"
#include "fakes/FakeFragmentBox.h"
#include "fakes/RecordingSound.h"
#include "fakes/ScriptedWindows.h"

#include <gtest/gtest.h>

#include <algorithm>

using rukcon::target::TargetActivation;

namespace {

using rukcon::test::FakeFragmentBox;

class TargetActivationTest : public ::testing::Test {
protected:
    rukcon::test::ScriptedWindows windows;
    FakeFragmentBox box;
    rukcon::test::RecordingSound sound;
    TargetActivation target{windows, box, sound};
};

TEST_F(TargetActivationTest, emptyFragment_doesNothingAtAll)
{
    windows.add(1, "メモ帳");
    target.ActivateTarget();
    EXPECT_TRUE(windows.log.empty());
    EXPECT_EQ(sound.count("alert"), 0);
    EXPECT_FALSE(target.targetFound());
}

TEST_F(TargetActivationTest, emptyFragment_keepsPreviousResult)
{
    windows.add(1, "無題 - メモ帳");
    box.text = "メモ帳";
    target.ActivateTarget();
    ASSERT_TRUE(target.targetFound());
    box.text.clear();
    target.ActivateTarget();
    EXPECT_TRUE(target.targetFound());
}

TEST_F(TargetActivationTest, middleOfCaption_activatesWithRestoreBetweenTwoRaises)
{
    windows.add(1, "R・U・Kコン");
    windows.add(2, "無題 - メモ帳 - editor", true, true);
    box.text = "メモ帳";
    target.ActivateTarget();
    EXPECT_TRUE(target.targetFound());
    EXPECT_EQ(windows.log, (std::vector<std::string>{"activate 2", "restore 2", "activate 2"}));
    EXPECT_EQ(windows.front(), 2u);
    EXPECT_FALSE(windows.find(2)->minimised);
    EXPECT_EQ(sound.count("alert"), 0);
}

TEST_F(TargetActivationTest, caseOnlyDifference_activatesNothingAndAlerts)
{
    windows.add(1, "Notepad");
    box.text = "notepad";
    target.ActivateTarget();
    EXPECT_FALSE(target.targetFound());
    EXPECT_TRUE(windows.log.empty());
    EXPECT_EQ(sound.count("alert"), 1);
}

TEST_F(TargetActivationTest, threeMatches_allRaisedFrontFirst_rearmostEndsInFront)
{
    windows.add(1, "game A");
    windows.add(2, "other");
    windows.add(3, "game B");
    windows.add(4, "game C");
    box.text = "game";
    target.ActivateTarget();
    EXPECT_EQ(windows.log, (std::vector<std::string>{"activate 1", "restore 1", "activate 1", "activate 3", "restore 3",
                                                     "activate 3", "activate 4", "restore 4", "activate 4"}));
    EXPECT_EQ(windows.front(), 4u);
}

TEST_F(TargetActivationTest, hiddenMatchingWindow_neverActivated)
{
    windows.add(1, "secret game", false);
    box.text = "game";
    target.ActivateTarget();
    EXPECT_FALSE(target.targetFound());
    EXPECT_TRUE(windows.log.empty());
    EXPECT_EQ(sound.count("alert"), 1);
}

TEST_F(TargetActivationTest, listingEndsEarly_capturedCaptionsStillUsed)
{
    windows.add(1, "game A");
    windows.add(2, "game B");
    windows.failListingAfterFirst = true;
    bool complete = true;
    EXPECT_EQ(target.ListTopLevelCaptions(&complete), (std::vector<std::string>{"", "game A"}));
    EXPECT_FALSE(complete);
    box.text = "game";
    target.ActivateTarget();
    EXPECT_EQ(windows.front(), 1u);
}

// A poll cycle lists the windows once however many dispatches it makes; each dispatch still
// brings every match forward, and a window the window manager never activates costs its wait
// once per cycle, not once per dispatch.
TEST_F(TargetActivationTest, withinOneCycle_listedOnceEveryDispatchActivatesRefusedWaitOnce)
{
    windows.add(1, "game A");
    windows.add(2, "other");
    windows.add(3, "game B");
    windows.stack[2].refusesFocus = true;
    box.text = "game";
    constexpr int kDispatches = 20;
    for (int cycle = 1; cycle <= 2; ++cycle) {
        target.beginCycle();
        for (int i = 0; i < kDispatches; ++i)
            target.ActivateTarget();
        target.endCycle();
        EXPECT_EQ(windows.listings, cycle);
        EXPECT_EQ(std::count(windows.log.begin(), windows.log.end(), "activate 1"), cycle * kDispatches * 2);
        EXPECT_EQ(std::count(windows.log.begin(), windows.log.end(), "activate 3"), cycle * kDispatches * 2);
        // Window 1 waits until active and window 3 until the bound, at the first dispatch only.
        EXPECT_EQ(windows.waitedActivations, cycle * 2);
    }
    EXPECT_TRUE(target.targetFound());

    // Outside a cycle (tray commands, start-up) every activation lists afresh and waits.
    target.ActivateTarget();
    EXPECT_EQ(windows.listings, 3);
}

TEST_F(TargetActivationTest, captionList_frontToBackWithLeadingEmptyEntry)
{
    windows.add(1, "b");
    windows.add(2, "");
    windows.add(3, "b");
    windows.add(4, "hidden", false);
    bool complete = false;
    EXPECT_EQ(target.ListTopLevelCaptions(&complete), (std::vector<std::string>{"", "b", "", "b"}));
    EXPECT_TRUE(complete);
}

TEST_F(TargetActivationTest, refreshCaptionList_keepsTypedFragmentAndDropsEmptyCaptions)
{
    windows.add(1, "エディタ");
    windows.add(2, "");
    windows.add(3, "エディタ");
    box.text = "not running anywhere";
    target.RefreshCaptionList();
    EXPECT_EQ(box.list, (std::vector<std::string>{"エディタ", "エディタ"}));
    EXPECT_EQ(box.text, "not running anywhere");
    EXPECT_TRUE(windows.log.empty());
}

} // namespace
