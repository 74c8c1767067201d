#include "DispatchTestSupport.h"
#include "settings/ProfileInForce.h"

#include <gtest/gtest.h>

using rukcon::test::DispatchRig;
using rukcon::test::EventLog;

namespace {

const EventLog kReleases{"16-", "17-", "18-"};

EventLog withReleases(EventLog events)
{
    events.insert(events.end(), kReleases.begin(), kReleases.end());
    return events;
}

struct CaptionCase {
    const char* first;
    const char* second;
    const char* third;
    EventLog events; // after "activate", before the releases
    const char* caption;
};

class DispatchCaptionTest : public ::testing::TestWithParam<CaptionCase> {};

TEST_P(DispatchCaptionTest, keysAndCaption)
{
    const CaptionCase& c = GetParam();
    DispatchRig rig;
    rig.view.feedbackText = "コントローラ ID : 1　ボタン数 : 12";
    rig.setKeys(0, c.first, c.second, c.third);
    rig.dispatchSlot(0);
    EventLog expected{"activate"};
    expected.insert(expected.end(), c.events.begin(), c.events.end());
    EXPECT_EQ(rig.events(), withReleases(expected));
    EXPECT_EQ(rig.view.feedbackText, c.caption);
}

INSTANTIATE_TEST_SUITE_P(
    Table, DispatchCaptionTest,
    ::testing::Values(CaptionCase{"F1", "なし", "なし", {"112+", "112-"}, "F1キーを押した"},
                      CaptionCase{"SHIFT", "-A-", "なし", {"16+", "65+", "65-"}, "Aキーを押した"},
                      CaptionCase{"なし", "なし", "なし", {}, ""},
                      CaptionCase{"alt", "テンキーの+", "なし", {"18+", "107+", "107-"}, "テンキーの+を押した"},
                      CaptionCase{"なし", "SHIFT", "-B-", {"16+", "66+", "66-"}, "Bキーを押した"},
                      CaptionCase{"ESC", "ESCAPE", "なし", {"27+", "27-", "27+", "27-"}, "ESCAPEキーを押した"},
                      CaptionCase{"Delete", "なし", "DELETE", {"46+", "46-", "46+", "46-"}, "DELETEキーを押した"},
                      CaptionCase{"IME 無変換", "", "", {"29+", "29-"}, "IME 無変換キーを押した"},
                      CaptionCase{"delete", "Alt", "f1", {}, "コントローラ ID : 1　ボタン数 : 12を押した"}));

TEST(KeyDispatch, unknownFirstKey_keepsCaptionAndAppendsSuffixAgainEachPoll)
{
    DispatchRig rig;
    rig.view.feedbackText = "前";
    rig.setKeys(3, "typo", "なし", "なし");
    rig.dispatchSlot(3);
    rig.dispatchSlot(3);
    EXPECT_EQ(rig.view.feedbackText, "前を押したを押した");
}

// A line written per key and then read back flickers through the bare captions.
TEST(KeyDispatch, threeNamedKeys_lineWrittenOnceWithTheLastCaption)
{
    DispatchRig rig;
    rig.setKeys(0, "-A-", "-B-", "-C-");
    rig.dispatchSlot(0);
    EXPECT_EQ(rig.view.feedbackText, "Cキーを押した");
    EXPECT_EQ(rig.view.feedbackWrites, 1);
}

TEST(KeyDispatch, activationKey_activatesWithoutEmittingFirstKeyButSecondStillRuns)
{
    DispatchRig rig;
    rig.profile.keys[14][0] = "F24";
    rig.setKeys(6, "F24", "-A-", "なし");
    rig.view.feedbackText = "old";
    rig.dispatchSlot(6);
    EXPECT_EQ(rig.events(), withReleases({"activate", "65+", "65-"}));
    EXPECT_EQ(rig.view.feedbackText, "Aキーを押した");
}

TEST(KeyDispatch, activationKey_targetMissing_noAlertFromDispatchAndNothingEmitted)
{
    DispatchRig rig;
    rig.target.windowRunning = false;
    rig.profile.keys[14][0] = "F24";
    rig.setKeys(6, "F24", "-A-", "-B-");
    rig.dispatchSlot(6);
    EXPECT_EQ(rig.events(), withReleases({"activate"}));
    EXPECT_EQ(rig.view.feedbackText, "");
}

TEST(KeyDispatch, activationKeyNone_everyInputWithNoFirstKeyOnlyActivates)
{
    DispatchRig rig; // slot 14 and slot 2 both hold "なし"
    rig.setKeys(2, "なし", "なし", "-C-");
    rig.dispatchSlot(2);
    EXPECT_EQ(rig.events(), withReleases({"activate", "67+", "67-"}));
}

TEST(KeyDispatch, activationKeyEmptyBoth_slotCountsAsActivationKey)
{
    DispatchRig rig;
    rig.profile.keys[14][0] = "";
    rig.setKeys(1, "", "なし", "なし");
    rig.profile.captionFragment.clear();
    rig.dispatchSlot(1);
    EXPECT_EQ(rig.events(), withReleases({"activate"})) << "no alert even without a fragment";
}

TEST(KeyDispatch, emptyFragment_alertEveryDispatchNothingEmittedCaptionKept)
{
    DispatchRig rig;
    rig.profile.captionFragment.clear();
    rig.view.feedbackText = "status";
    rig.setKeys(0, "-A-", "-B-", "-C-");
    rig.dispatchSlot(0);
    rig.dispatchSlot(0);
    EXPECT_EQ(rig.events(), (EventLog{"alert", "16-", "17-", "18-", "alert", "16-", "17-", "18-"}));
    EXPECT_EQ(rig.view.feedbackText, "status");
}

TEST(KeyDispatch, targetNotRunning_alertAfterActivationAndNoKeys)
{
    DispatchRig rig;
    rig.target.windowRunning = false;
    rig.setKeys(0, "-A-", "-B-", "-C-");
    rig.dispatchSlot(0);
    EXPECT_EQ(rig.events(), withReleases({"activate", "alert"}));
}

TEST(KeyDispatch, focusMovesToSinkOnlyWhilePanelShown)
{
    DispatchRig rig;
    rig.setKeys(0, "-A-", "なし", "なし");
    rig.dispatchSlot(0);
    EXPECT_EQ(rig.view.focusMoves, 0);
    rig.view.panel = true;
    rig.dispatchSlot(0);
    EXPECT_EQ(rig.view.focusMoves, 3);
}

TEST(KeyDispatch, anEditWhileKeysAreSent_countsAtTheNextKey)
{
    DispatchRig rig;
    struct : rukcon::settings::ProfileView {
        void keyChoicesPut(const rukcon::settings::KeyChoices&, bool) override {}
        void reactionTimeSet(int) override {}
        void arrowMultiplierSet(int) override {}
        void nameChanged(const std::string&) override {}
        void captionFragmentChanged(const std::string&) override {}
    } window; // the key box is typed in; nothing else shows
    rukcon::settings::ProfileInForce inForce(rig.state, window);
    rig.setKeys(0, "-A-", "-B-", "なし");
    rig.dispatch.CurrentSlot = 0;
    rig.dispatch.DispatchFirstKey();
    inForce.editKeyChoice(0, 1, "-Z-"); // edited between the two steps
    rig.dispatch.DispatchSecondKey();
    EXPECT_EQ(rig.events(), (EventLog{"activate", "65+", "65-", "90+", "90-"}));
}

} // namespace
