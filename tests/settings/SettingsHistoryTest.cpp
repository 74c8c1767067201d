#include "settings/SettingsHistory.h"
#include "ProfileFixture.h"
#include "fakes/FakeClock.h"
#include "settings/UserMenu.h"

#include <gtest/gtest.h>

using namespace rukcon::settings;
using namespace rukcon::test;

namespace {

using Profile = FakeSettingsWindow::Profile;

constexpr LocalTime kMarch1At9{2025, 3, 1, 9, 0, 0};

class SettingsHistoryTest : public SettingsFixture {
protected:
    FakeClock clock{{kMarch1At9}};
    SettingsHistory history{files, window, window.sounds, clock};

    // Puts a profile into the history buffer the way a deletion does: marker at 0, record after.
    void stageEntry(const Profile& profile)
    {
        history.buffer()[0] = "★";
        const std::vector<std::string> fields = RecordFields(profile);
        for (size_t i = 0; i < fields.size(); ++i)
            history.buffer()[1 + i] = fields[i];
    }
};

TEST_F(SettingsHistoryTest, deleteTestAt9OnMarch1_archiveNameAnd49Lines_dropRestores)
{
    UserMenu menu(files, window, window, window, window.sounds, history);
    menu.LoadUserMenu();
    Profile profile = SampleProfile();
    profile.name = "テスト";
    window.setProfile(profile);
    ASSERT_TRUE(menu.AddCurrentToMenu());
    const std::vector<std::string> menuLines = SplitLines(ReadBytes(settingsFile("Menyu.txt")));

    menu.setSelectedMenuEntry(0);
    ASSERT_TRUE(menu.DeleteMenuEntry());
    const std::filesystem::path archived =
        app.path() / "設定" / "過去の設定" / "テスト2025年03月01日2025年03月01日 09時00分00秒.txt";
    ASSERT_TRUE(std::filesystem::exists(archived));
    const std::vector<std::string> lines = SplitLines(ReadBytes(archived));
    ASSERT_EQ(lines.size(), 49u);
    EXPECT_EQ(lines, std::vector<std::string>(menuLines.begin() + 1, menuLines.begin() + 50));

    window.setProfile(SampleProfile("other"));
    window.log.clear();
    EXPECT_TRUE(history.LoadProfileFile(archived));
    EXPECT_EQ(window.profile(), profile);
    EXPECT_EQ(std::count(window.log.begin(), window.log.end(), "click"), 1);
    EXPECT_EQ(std::count(window.log.begin(), window.log.end(), "alert"), 0);
}

struct NameCase {
    const char* profileName;
    const char* expected;
};

class HistoryFileName : public ::testing::TestWithParam<NameCase> {};

TEST_P(HistoryFileName, nameFromProfileAndTime)
{
    EXPECT_EQ(SettingsHistory::HistoryFileName(GetParam().profileName, {2024, 1, 5, 13, 5, 9}, {2024, 1, 5, 13, 5, 9}),
              GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Names, HistoryFileName,
    ::testing::Values(NameCase{"ゲーム", "ゲーム2024年01月05日2024年01月05日 13時05分09秒.txt"},
                      NameCase{"", "2024年01月05日2024年01月05日 13時05分09秒.txt"},
                      NameCase{"../../x", ".._.._x2024年01月05日2024年01月05日 13時05分09秒.txt"},
                      NameCase{"a/b\\c:d*e?f\"g<h>i|j\tk\x7F",
                               "a_b_c_d_e_f_g_h_i_j_k_2024年01月05日2024年01月05日 13時05分09秒.txt"},
                      NameCase{"ゲーム🎮", "ゲーム🎮2024年01月05日2024年01月05日 13時05分09秒.txt"}));

TEST(HistoryFileNameLimits, veryLongName_fitsOneFileNameWithoutSplittingACharacter)
{
    std::string name;
    for (int i = 0; i < 200; ++i)
        name += "名";
    const std::string fileName = SettingsHistory::HistoryFileName(name, {2025, 3, 1, 9, 0, 0}, {2025, 3, 1, 9, 0, 0});
    EXPECT_LE(fileName.size() + 5, 255u); // room for " (n)"
    EXPECT_EQ(fileName.rfind("名", 0), 0u);
    EXPECT_NE(fileName.find("名2025年03月01日"), std::string::npos);
}

TEST_F(SettingsHistoryTest, archive_nameWithPathParts_staysInHistoryFolder)
{
    Profile profile = SampleProfile();
    profile.name = "../../逃げる/x";
    stageEntry(profile);
    std::filesystem::path written;
    ASSERT_TRUE(history.ArchiveProfile(&written));
    EXPECT_EQ(written.parent_path(), folder.historyFolder());
    EXPECT_EQ(FolderEntries(folder.path()), std::vector<std::string>{"過去の設定"});
    EXPECT_EQ(FolderEntries(app.path()), std::vector<std::string>{"設定"});
    ExpectSameFile(ReadBytes(written), FileImage(RecordFields(profile)));
}

TEST_F(SettingsHistoryTest, archive_emojiInName_fileWrittenWithQuestionMarkInside)
{
    Profile profile = SampleProfile();
    profile.name = "ゲーム🎮";
    stageEntry(profile);
    std::filesystem::path written;
    ASSERT_TRUE(history.ArchiveProfile(&written));
    EXPECT_EQ(written.filename().string(), "ゲーム🎮2025年03月01日2025年03月01日 09時00分00秒.txt");
    EXPECT_EQ(SplitLines(ReadBytes(written))[47], "\"" + Sjis("ゲーム") + "?\"");
}

TEST_F(SettingsHistoryTest, archive_sameNameSameSecond_nextFreeNameEarlierKept)
{
    std::vector<std::filesystem::path> written(3);
    for (int i = 0; i < 3; ++i) {
        Profile profile = SampleProfile(std::to_string(i));
        profile.name = "同じ";
        stageEntry(profile);
        ASSERT_TRUE(history.ArchiveProfile(&written[static_cast<size_t>(i)]));
        clock.set({kMarch1At9});
    }
    const std::string base = "同じ2025年03月01日2025年03月01日 09時00分00秒";
    EXPECT_EQ(written[0].filename().string(), base + ".txt");
    EXPECT_EQ(written[1].filename().string(), base + " (2).txt");
    EXPECT_EQ(written[2].filename().string(), base + " (3).txt");
    EXPECT_EQ(SplitLines(ReadBytes(written[0]))[0], "\"" + Sjis(SampleProfile("0").keys[0][0]) + "\"");
}

TEST_F(SettingsHistoryTest, archive_clockReadTwice_datePartFromFirstReading)
{
    clock.set({{2024, 12, 31, 23, 59, 59}, {2025, 1, 1, 0, 0, 0}});
    stageEntry(SampleProfile());
    std::filesystem::path written;
    ASSERT_TRUE(history.ArchiveProfile(&written));
    EXPECT_EQ(written.filename().string(), SampleProfile().name + "2024年12月31日2025年01月01日 00時00分00秒.txt");
}

TEST_F(SettingsHistoryTest, loadProfileFile_lastExitFile_sameAsRestoringIt)
{
    EXPECT_TRUE(history.LoadProfileFile(FrozenFile("last_exit.txt")));
    EXPECT_EQ(window.shownName, "シューティング");
    EXPECT_EQ(window.shownReactionTime, 200);
    EXPECT_EQ(window.shownMultiplier, 3);
    EXPECT_EQ(window.log.front(), "click");
    EXPECT_EQ(std::count(window.log.begin(), window.log.end(), "alert"), 0);
}

TEST_F(SettingsHistoryTest, loadProfileFile_shortFile_presentFieldsAppliedThenAlert)
{
    const std::filesystem::path dropped = app.path() / "short.txt";
    WriteBytes(dropped, FileImage({"-A-", "-B-", "-C-", "-D-"}));
    window.setProfile(SampleProfile());
    EXPECT_FALSE(history.LoadProfileFile(dropped));
    EXPECT_EQ(window.keys[0][0], "-A-");
    EXPECT_EQ(window.keys[1][0], "-D-");
    EXPECT_EQ(window.keys[1][1], ""); // never read into this run's buffer
    EXPECT_EQ(window.shownReactionTime, SampleProfile().reactionTime);
    EXPECT_EQ(window.log.front(), "click");
    EXPECT_EQ(window.log.back(), "alert");
}

TEST_F(SettingsHistoryTest, loadProfileFile_unreadablePath_skippedWithAlert)
{
    window.setProfile(SampleProfile());
    for (const std::filesystem::path& path : {app.path(), app.path() / "vanished.txt"}) {
        window.log.clear();
        EXPECT_FALSE(history.LoadProfileFile(path));
        EXPECT_EQ(window.log, std::vector<std::string>{"alert"});
        EXPECT_EQ(window.profile(), SampleProfile());
    }
}

TEST_F(SettingsHistoryTest, loadProfileFile_10MBOfRandomBytes_warnsAndKeepsRunning)
{
    const std::filesystem::path dropped = app.path() / "noise.bin";
    WriteBytes(dropped, RandomBytes(10 * 1024 * 1024, 5));
    EXPECT_FALSE(history.LoadProfileFile(dropped));
    EXPECT_EQ(window.log.back(), "alert");
    EXPECT_LE(window.shownName.size(), 3 * FieldReader::kMaxFileBytes);
}

} // namespace
