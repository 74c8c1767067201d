#include "ProfileFixture.h"
#include "settings/LastExitFile.h"
#include "settings/Profile.h"
#include "settings/ProfileRecord.h"
#include "settings/UserDefaultFile.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>

using namespace rukcon::settings;
using namespace rukcon::test;

namespace {

using Profile = FakeSettingsWindow::Profile;

// ---- The profile record -----------------------------------------------------------------

TEST(ProfileRecordTest, captureThenApply_sameProfileAndFieldOrder)
{
    FakeSettingsWindow source;
    source.setProfile(SampleProfile());
    const ProfileRecord record = CaptureProfileRecord(source);
    EXPECT_EQ(record[0], "キー0-0");
    EXPECT_EQ(record[4], "キー1-1"); // Combo3 of slot 1
    EXPECT_EQ(record[44], "キー14-2");
    EXPECT_EQ(record[45], "250");
    EXPECT_EQ(record[46], "4");

    FakeSettingsWindow target;
    StepRecorder steps;
    ApplyProfileRecord(target, record, 0, NameOrder::NameFirst, steps);
    EXPECT_FALSE(steps.anyFailed());
    EXPECT_EQ(target.profile(), source.profile());
}

TEST(ProfileRecordTest, apply_multiplierBeforeReactionTime_nameOrderAsAsked)
{
    std::vector<std::string> buffer(60);
    buffer[45] = "300";
    buffer[46] = "2";
    buffer[47] = "n";
    buffer[48] = "c";
    for (const auto& [order, expected] :
         {std::pair{NameOrder::NameFirst,
                    std::vector<std::string>{"HScroll2=2", "HScroll1=300", "Text2=n", "Combo2=c"}},
          std::pair{NameOrder::CaptionFirst,
                    std::vector<std::string>{"HScroll2=2", "HScroll1=300", "Combo2=c", "Text2=n"}}}) {
        FakeSettingsWindow window;
        StepRecorder steps;
        ApplyProfileRecord(window, buffer, 0, order, steps);
        EXPECT_EQ(window.log, expected);
    }
}

struct NumbersCase {
    const char* reaction;
    const char* multiplier;
    bool fails;
    int reactionTimeAfter; // after applying to a window at 50 / 1
    int multiplierAfter;
};

class ProfileRecordNumbers : public ::testing::TestWithParam<NumbersCase> {};

// A number that does not convert or that the scroll bar refuses is a failed step; the steps
// around it still run.
TEST_P(ProfileRecordNumbers, apply_failedStepRecordedOthersRun)
{
    std::vector<std::string> buffer(101);
    buffer[0] = "first";
    buffer[1 + 45] = GetParam().reaction; // record starts at index 1, as in a menu entry
    buffer[1 + 46] = GetParam().multiplier;
    buffer[1 + 47] = "name";
    FakeSettingsWindow window;
    window.keys[0][0] = "before";
    StepRecorder steps;
    ApplyProfileRecord(window, buffer, 1, NameOrder::NameFirst, steps);
    EXPECT_EQ(steps.anyFailed(), GetParam().fails);
    EXPECT_EQ(window.shownReactionTime, GetParam().reactionTimeAfter);
    EXPECT_EQ(window.shownMultiplier, GetParam().multiplierAfter);
    EXPECT_EQ(window.keys[0][0], ""); // field 0 of the record is buffer[1]
    EXPECT_EQ(window.shownName, "name");
    EXPECT_EQ(CanApplyProfileRecord(buffer, 1), !GetParam().fails);
}

INSTANTIATE_TEST_SUITE_P(Values, ProfileRecordNumbers,
                         ::testing::Values(NumbersCase{"200", "3", false, 200, 3},
                                           NumbersCase{"1000", "10", false, 1000, 10},
                                           NumbersCase{"2000", "3", true, 50, 3}, NumbersCase{"49", "3", true, 50, 3},
                                           NumbersCase{"abc", "3", true, 50, 3}, NumbersCase{"", "", true, 50, 1},
                                           NumbersCase{"200", "0", true, 200, 1},
                                           NumbersCase{"200", "11", true, 200, 1}));

// ---- The built-in profiles ---------------------------------------------------------------

// The three differ on purpose; a swap or a key put into the wrong one shows here.
TEST(BuiltInProfilesTest, keysNumbersAndNameAsEachPlaceNeedsThem)
{
    struct Row {
        const char* place;
        const rukcon::settings::Profile& profile;
        bool f24;
        int multiplier;
        std::string name;
    };
    const Row rows[] = {{"last-exit fallback", LastExitFallbackProfile(), true, 1, ""},
                        {"new settings", NewSettingsProfile(), true, 1, "初期状態"},
                        {"tray initial state", TrayInitialProfile(), false, 3, "初期状態"}};
    const std::map<int, std::string> arrows{{10, "←"}, {11, "→"}, {12, "↑"}, {13, "↓"}};
    for (const Row& row : rows) {
        for (int s = 0; s < 15; ++s)
            for (int k = 0; k < 3; ++k) {
                std::string expected = "なし";
                if (k == 0 && arrows.contains(s))
                    expected = arrows.at(s);
                if (k == 0 && row.f24 && (s == 6 || s == 14))
                    expected = "F24";
                EXPECT_EQ(row.profile.keys[s][k], expected) << row.place << " " << s << "/" << k;
            }
        EXPECT_EQ(row.profile.reactionTime, 128) << row.place;
        EXPECT_EQ(row.profile.arrowMultiplier, row.multiplier) << row.place;
        EXPECT_EQ(row.profile.name, row.name) << row.place;
        EXPECT_EQ(row.profile.captionFragment, "") << row.place;
    }
}

// ---- "前回.txt" ---------------------------------------------------------------------------

class LastExitTest : public SettingsFixture {
protected:
    LastExitFile lastExit{files, window};

    void expectBuiltInDefaults(const std::string& caption)
    {
        for (int s = 0; s < 15; ++s)
            for (int k = 0; k < 3; ++k) {
                const bool special = k == 0 && (s == 6 || s >= 10);
                if (!special) {
                    EXPECT_EQ(window.keys[s][k], "なし") << s << "/" << k;
                }
                EXPECT_EQ(window.listSizes[s][k], 0) << s << "/" << k;
            }
        EXPECT_EQ(window.keys[10][0], "←");
        EXPECT_EQ(window.keys[11][0], "→");
        EXPECT_EQ(window.keys[12][0], "↑");
        EXPECT_EQ(window.keys[13][0], "↓");
        EXPECT_EQ(window.keys[14][0], "F24");
        EXPECT_EQ(window.keys[6][0], "F24");
        EXPECT_EQ(window.shownReactionTime, 128);
        EXPECT_EQ(window.shownMultiplier, 1);
        EXPECT_EQ(window.shownName, "");
        EXPECT_EQ(window.shownCaptionFragment, caption);
    }
};

TEST_F(LastExitTest, firstStart_createsFolderAndEmptyFile_setsDefaults)
{
    window.setProfile(SampleProfile());
    EXPECT_FALSE(lastExit.LoadLastExit());
    EXPECT_TRUE(std::filesystem::is_directory(app.path() / "設定"));
    EXPECT_TRUE(std::filesystem::is_regular_file(app.path() / "設定" / "前回.txt"));
    EXPECT_EQ(std::filesystem::file_size(app.path() / "設定" / "前回.txt"), 0u);
    expectBuiltInDefaults("");
}

// An unusable number sends the whole window back to the defaults; the caption fragment is kept.
TEST_F(LastExitTest, unusableNumber_defaultsButCaptionFragmentKept)
{
    for (const auto& [field, value] : {std::pair{45, "2000"}, std::pair{46, "abc"}}) {
        SCOPED_TRACE(value);
        std::vector<std::string> fields = RecordFields(SampleProfile());
        fields[field] = value;
        writeSettingsFile("前回.txt", FileImage(fields));
        window.log.clear();
        EXPECT_FALSE(lastExit.LoadLastExit());
        expectBuiltInDefaults(SampleProfile().captionFragment);
        // The kept caption fragment changes nothing; the fallback's empty name is the last change.
        EXPECT_EQ(window.log.back(), "Text2=");
    }
}

TEST_F(LastExitTest, saveThenLoad_sameControls)
{
    window.setProfile(SampleProfile());
    ASSERT_TRUE(lastExit.SaveLastExit());
    ExpectSameFile(ReadBytes(settingsFile("前回.txt")), FileImage(RecordFields(SampleProfile())));

    window.setProfile(SampleProfile("changed"));
    EXPECT_TRUE(lastExit.LoadLastExit());
    EXPECT_EQ(window.profile(), SampleProfile());
}

TEST_F(LastExitTest, frozenFile_loadThenSave_byteForByte)
{
    const std::string frozen = ReadBytes(FrozenFile("last_exit.txt"));
    writeSettingsFile("前回.txt", frozen);
    ASSERT_TRUE(lastExit.LoadLastExit());
    EXPECT_EQ(window.keys[2][0], "SHIFT");
    EXPECT_EQ(window.keys[2][1], "-A-");
    EXPECT_EQ(window.keys[9][1], "テンキーの+");
    EXPECT_EQ(window.keys[7][0], "全角/半角");
    EXPECT_EQ(window.shownReactionTime, 200);
    EXPECT_EQ(window.shownMultiplier, 3);
    EXPECT_EQ(window.shownName, "シューティング");
    EXPECT_EQ(window.shownCaptionFragment, "ゲーム - ステージ1");

    std::filesystem::remove(settingsFile("前回.txt"));
    ASSERT_TRUE(lastExit.SaveLastExit());
    ExpectSameFile(ReadBytes(settingsFile("前回.txt")), frozen);
}

TEST_F(LastExitTest, shorterFileOnReload_laterEntriesFromPreviousLoad)
{
    writeSettingsFile("前回.txt", FileImage(RecordFields(SampleProfile())));
    ASSERT_TRUE(lastExit.LoadLastExit());
    writeSettingsFile("前回.txt", FileImage({"短い"}));
    window.setProfile(SampleProfile("changed"));
    EXPECT_TRUE(lastExit.LoadLastExit());
    Profile expected = SampleProfile();
    expected.keys[0][0] = "短い";
    EXPECT_EQ(window.profile(), expected);
}

TEST_F(LastExitTest, moreFieldsThanTheBuffer_readsTheFirst101)
{
    std::vector<std::string> fields = RecordFields(SampleProfile());
    fields.resize(5000, "surplus");
    writeSettingsFile("前回.txt", FileImage(fields));
    EXPECT_TRUE(lastExit.LoadLastExit());
    EXPECT_EQ(window.profile(), SampleProfile());
    EXPECT_EQ(lastExit.buffer()[100], "surplus");
}

TEST_F(LastExitTest, emojiInName_writtenAsQuestionMark_restOfFileIntact)
{
    Profile profile = SampleProfile();
    profile.name = "ゲーム🎮";
    window.setProfile(profile);
    ASSERT_TRUE(lastExit.SaveLastExit());
    const std::vector<std::string> lines = SplitLines(ReadBytes(settingsFile("前回.txt")));
    ASSERT_EQ(lines.size(), 49u);
    EXPECT_EQ(lines[47], "\"\x83\x51\x81\x5B\x83\x80?\"");
    EXPECT_EQ(lines[48] + "\r\n", FileImage({profile.captionFragment}));

    EXPECT_TRUE(lastExit.LoadLastExit());
    EXPECT_EQ(window.shownName, "ゲーム?");
}

TEST_F(LastExitTest, saveInterrupted_oldFileKeptAndUserTold)
{
    writeSettingsFile("前回.txt", FileImage(RecordFields(SampleProfile("old"))));
    window.setProfile(SampleProfile("new"));
    disk.failAfterBytes = 100;
    EXPECT_FALSE(lastExit.SaveLastExit());
    EXPECT_EQ(window.shownMessage, "設定を保存できませんでした。");
    ExpectSameFile(ReadBytes(settingsFile("前回.txt")), FileImage(RecordFields(SampleProfile("old"))));
}

TEST_F(LastExitTest, folderRemovedWhileRunning_saveMakesItAgain)
{
    window.setProfile(SampleProfile());
    ASSERT_TRUE(lastExit.SaveLastExit());
    std::filesystem::remove_all(folder.path());
    EXPECT_TRUE(lastExit.SaveLastExit());
    ExpectSameFile(ReadBytes(settingsFile("前回.txt")), FileImage(RecordFields(SampleProfile())));
}

// ---- "デフォ設定.txt" ---------------------------------------------------------------------

class UserDefaultTest : public SettingsFixture {
protected:
    UserDefaultFile userDefault{files, window, window.sounds};
};

TEST_F(UserDefaultTest, load_missingFile_createdEmptyNoControlChanged)
{
    window.setProfile(SampleProfile());
    userDefault.LoadUserDefault();
    EXPECT_TRUE(std::filesystem::is_regular_file(settingsFile("デフォ設定.txt")));
    EXPECT_EQ(window.profile(), SampleProfile());
    EXPECT_TRUE(window.log.empty());
}

TEST_F(UserDefaultTest, registerThenApply_defaultOfStartUpUntilRestart)
{
    writeSettingsFile("デフォ設定.txt", FileImage(RecordFields(SampleProfile("A"))));
    userDefault.LoadUserDefault();
    window.setProfile(SampleProfile("B"));
    ASSERT_TRUE(userDefault.SaveUserDefault());
    window.setProfile(SampleProfile("C"));

    EXPECT_TRUE(userDefault.ApplyUserDefault());
    EXPECT_EQ(window.profile(), SampleProfile("A"));

    UserDefaultFile afterRestart(files, window, window.sounds);
    afterRestart.LoadUserDefault();
    EXPECT_TRUE(afterRestart.ApplyUserDefault());
    EXPECT_EQ(window.profile(), SampleProfile("B"));
}

TEST_F(UserDefaultTest, apply_multiplier3_scrollBarFollows_captionBeforeName)
{
    Profile profile = SampleProfile();
    profile.arrowMultiplier = 3;
    writeSettingsFile("デフォ設定.txt", FileImage(RecordFields(profile)));
    userDefault.LoadUserDefault();
    EXPECT_TRUE(userDefault.ApplyUserDefault());
    EXPECT_EQ(window.shownMultiplier, 3);
    const auto captionSet = std::find(window.log.begin(), window.log.end(), "Combo2=" + profile.captionFragment);
    const auto nameSet = std::find(window.log.begin(), window.log.end(), "Text2=" + profile.name);
    EXPECT_LT(captionSet, nameSet);
}

class UserDefaultUnusable : public UserDefaultTest,
                            public ::testing::WithParamInterface<std::pair<int, const char*>> {};

// Nothing registered yet, or hand-edited numbers: the command changes nothing and alerts.
TEST_P(UserDefaultUnusable, apply_changesNothingPlaysAlert)
{
    const auto [field, value] = GetParam();
    if (field >= 0) {
        std::vector<std::string> fields = RecordFields(SampleProfile("file"));
        fields[static_cast<size_t>(field)] = value;
        writeSettingsFile("デフォ設定.txt", FileImage(fields));
    }
    userDefault.LoadUserDefault();
    window.setProfile(SampleProfile());
    EXPECT_FALSE(userDefault.ApplyUserDefault());
    EXPECT_EQ(window.profile(), SampleProfile());
    EXPECT_EQ(window.log, std::vector<std::string>{"alert"});
}

INSTANTIATE_TEST_SUITE_P(Buffers, UserDefaultUnusable,
                         ::testing::Values(std::pair{-1, ""}, std::pair{45, "fast"}, std::pair{45, "5000"},
                                           std::pair{46, "0"}, std::pair{46, ""}));

} // namespace
