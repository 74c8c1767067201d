#include "settings/UserMenu.h"
#include "ProfileFixture.h"
#include "fakes/FakeClock.h"
#include "settings/SettingsHistory.h"

#include <gtest/gtest.h>

using namespace rukcon::settings;
using namespace rukcon::test;

namespace {

using Profile = FakeSettingsWindow::Profile;
using Fields = std::vector<std::string>;

Fields EntryFields(const Profile& p)
{
    Fields fields{"★"};
    for (std::string& f : RecordFields(p))
        fields.push_back(std::move(f));
    return fields;
}

// The whole "Menyu.txt" for these profiles, unused entries empty.
std::string MenuImage(const std::vector<Profile>& profiles)
{
    Fields fields;
    for (const Profile& p : profiles)
        for (std::string& f : EntryFields(p))
            fields.push_back(std::move(f));
    fields.resize(600);
    return FileImage(fields);
}

Profile Named(const std::string& name)
{
    Profile p = SampleProfile(name);
    p.name = name;
    return p;
}

class UserMenuTest : public SettingsFixture {
protected:
    FakeClock clock{{{2025, 3, 1, 9, 0, 0}}};
    SettingsHistory history{files, window, window.sounds, clock};
    UserMenu menu{files, window, window, window, window.sounds, history};

    std::filesystem::path menuFile() const { return settingsFile("Menyu.txt"); }

    void startUp()
    {
        menu.LoadUserMenu();
        menu.RefreshMenuLabels();
        window.SyncTrayUserMenu();
    }

    std::vector<Profile> addNamed(std::initializer_list<const char*> names)
    {
        std::vector<Profile> added;
        for (const char* name : names) {
            added.push_back(Named(name));
            window.setProfile(added.back());
            EXPECT_TRUE(menu.AddCurrentToMenu());
        }
        return added;
    }

    std::array<std::string, 12> labels(std::initializer_list<const char*> names) const
    {
        std::array<std::string, 12> out{};
        size_t i = 0;
        for (const char* n : names)
            out[i++] = n;
        return out;
    }
};

TEST_F(UserMenuTest, startUp_missingFile_createdEmptyAllLabelsEmpty)
{
    startUp();
    EXPECT_TRUE(std::filesystem::is_regular_file(menuFile()));
    EXPECT_EQ(menu.menuCount(), 0);
    EXPECT_EQ(window.shownMenuLabels, labels({}));
    EXPECT_EQ(window.trayCaptions, labels({}));
}

TEST_F(UserMenuTest, addToEmptyMenu_markerRecordThenEmptyFields)
{
    startUp();
    window.setProfile(Named("テスト"));
    EXPECT_TRUE(menu.AddCurrentToMenu());
    const std::string bytes = ReadBytes(menuFile());
    EXPECT_EQ(bytes, MenuImage({Named("テスト")}));
    const std::vector<std::string> lines = SplitLines(bytes);
    ASSERT_EQ(lines.size(), 600u);
    EXPECT_EQ(lines[0], "\"\x81\x9A\"");
    EXPECT_EQ(lines[50], "\"\"");
    EXPECT_EQ(menu.menuCount(), 1);
    EXPECT_EQ(window.shownMenuLabels[0], "テスト");
    EXPECT_EQ(window.trayCaptions[0], "テスト");
}

TEST_F(UserMenuTest, addToFullMenu_messageAndBeep_fileUnchanged)
{
    startUp();
    addNamed({"1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11", "12"});
    const std::string before = ReadBytes(menuFile());
    window.log.clear();
    window.setProfile(Named("13"));
    EXPECT_FALSE(menu.AddCurrentToMenu());
    EXPECT_EQ(window.shownNotice, "メニューがいっぱいになってます。");
    EXPECT_EQ(window.shownMessage, "") << "a full menu is no failure";
    EXPECT_EQ(window.log, std::vector<std::string>{"beep"});
    ExpectSameFile(ReadBytes(menuFile()), before);
    EXPECT_EQ(menu.menuCount(), 12);
}

TEST_F(UserMenuTest, deleteIndex2OfFive_laterEntriesMoveUp_archived)
{
    startUp();
    const std::vector<Profile> added = addNamed({"a", "b", "c", "d", "e"});
    const std::vector<std::string> linesBefore = SplitLines(ReadBytes(menuFile()));
    menu.setSelectedMenuEntry(2);
    EXPECT_TRUE(menu.DeleteMenuEntry());

    EXPECT_EQ(menu.menuCount(), 4);
    ExpectSameFile(ReadBytes(menuFile()), MenuImage({added[0], added[1], added[3], added[4]}));
    EXPECT_EQ(window.shownMenuLabels, labels({"a", "b", "d", "e"}));
    EXPECT_EQ(window.trayCaptions, labels({"a", "b", "d", "e"}));

    const std::filesystem::path archived = folder.historyFolder() / "c2025年03月01日2025年03月01日 09時00分00秒.txt";
    ASSERT_TRUE(std::filesystem::exists(archived));
    const std::vector<std::string> lines = SplitLines(ReadBytes(archived));
    EXPECT_EQ(lines, std::vector<std::string>(linesBefore.begin() + 101, linesBefore.begin() + 150));
}

TEST_F(UserMenuTest, deleteOnlyEntry_allEmptyFileOf600Lines)
{
    startUp();
    addNamed({"only"});
    menu.setSelectedMenuEntry(0);
    EXPECT_TRUE(menu.DeleteMenuEntry());
    ExpectSameFile(ReadBytes(menuFile()), FileImage(Fields(600)));
    EXPECT_EQ(menu.menuCount(), 0);
    EXPECT_EQ(window.shownMenuLabels, labels({}));
}

TEST_F(UserMenuTest, handEditedMissingMarker_laterEntriesNeitherShownNorApplied)
{
    Fields fields;
    for (const char* name : {"a", "b", "c", "d"})
        for (std::string& f : EntryFields(Named(name)))
            fields.push_back(std::move(f));
    fields[100] = ""; // entry 2 loses its marker, entry 3 keeps it
    fields.resize(600);
    writeSettingsFile("Menyu.txt", FileImage(fields));
    startUp();
    EXPECT_EQ(menu.menuCount(), 2);
    EXPECT_EQ(window.shownMenuLabels, labels({"a", "b"}));

    window.setProfile(SampleProfile());
    menu.setSelectedMenuEntry(3);
    EXPECT_FALSE(menu.ApplyMenuEntry());
    EXPECT_EQ(window.profile(), SampleProfile());
}

TEST_F(UserMenuTest, addWithEmptyName_countedButLabelStaysEmpty)
{
    startUp();
    addNamed({"", "x"});
    EXPECT_EQ(menu.menuCount(), 2);
    EXPECT_EQ(window.shownMenuLabels, labels({"", "x"}));
}

TEST_F(UserMenuTest, applyEntry_putsProfileIntoForce_nameBeforeCaption)
{
    startUp();
    const std::vector<Profile> added = addNamed({"a", "b"});
    window.setProfile(SampleProfile());
    window.log.clear();
    menu.setSelectedMenuEntry(1);
    EXPECT_TRUE(menu.ApplyMenuEntry());
    EXPECT_EQ(window.profile(), added[1]);
    EXPECT_EQ(window.log, (std::vector<std::string>{"HScroll2=4", "HScroll1=250", "Text2=b",
                                                    "Combo2=" + added[1].captionFragment}));
}

class UserMenuUnusableNumbers : public UserMenuTest,
                                public ::testing::WithParamInterface<std::pair<size_t, const char*>> {};

TEST_P(UserMenuUnusableNumbers, applyEntry_changesNothingPlaysAlert)
{
    Fields fields = EntryFields(Named("hand-edited"));
    fields[GetParam().first] = GetParam().second;
    fields.resize(600);
    writeSettingsFile("Menyu.txt", FileImage(fields));
    startUp();
    window.setProfile(SampleProfile());
    window.log.clear();
    menu.setSelectedMenuEntry(0);
    EXPECT_FALSE(menu.ApplyMenuEntry());
    EXPECT_EQ(window.profile(), SampleProfile());
    EXPECT_EQ(window.log, std::vector<std::string>{"alert"});
}

INSTANTIATE_TEST_SUITE_P(Fields, UserMenuUnusableNumbers,
                         ::testing::Values(std::pair{size_t{46}, "x"}, std::pair{size_t{46}, "20"},
                                           std::pair{size_t{47}, ""}, std::pair{size_t{47}, "99"}));

TEST_F(UserMenuTest, frozenFile_loadApplyAndSave_byteForByte)
{
    const std::string frozen = ReadBytes(FrozenFile("menu_three_entries.txt"));
    writeSettingsFile("Menyu.txt", frozen);
    startUp();
    EXPECT_EQ(menu.menuCount(), 3);
    EXPECT_EQ(window.shownMenuLabels, labels({"メモ帳用", "ブラウザ, 既定", "ゲーム"}));
    menu.setSelectedMenuEntry(2);
    EXPECT_TRUE(menu.ApplyMenuEntry());
    EXPECT_EQ(window.shownReactionTime, 50);
    EXPECT_EQ(window.shownMultiplier, 10);
    EXPECT_EQ(window.keys[0][0], "-G-");
    EXPECT_EQ(window.shownCaptionFragment, "ゲーム - ステージ1");

    std::filesystem::remove(menuFile());
    ASSERT_TRUE(menu.SaveUserMenu());
    ExpectSameFile(ReadBytes(menuFile()), frozen);
}

// Text typed into the name, the caption fragment or a key box comes back unchanged, and no
// value spills into the fields after it.
TEST_F(UserMenuTest, quotesCommasAndBlanks_twelveEntriesReadBackInPlace)
{
    startUp();
    const char* typed[] = {"He said \"hi\", ok", "\"", "\"\"", "\"a\",\"b\"", "  \"lead", "trail\"  ",
                           "=\"x\", y",          "=",  "",     ",\"",         "a\"b\"c",  "\"無題\" - メモ帳, 2"};
    std::vector<Profile> added;
    for (const char* text : typed) {
        Profile p = SampleProfile(text);
        p.name = p.captionFragment = p.keys[0][0] = p.keys[14][2] = text;
        added.push_back(p);
        window.setProfile(p);
        ASSERT_TRUE(menu.AddCurrentToMenu());
    }
    menu.LoadUserMenu();
    ASSERT_EQ(menu.menuCount(), 12);
    for (size_t k = 0; k < added.size(); ++k) {
        const Fields expected = EntryFields(added[k]);
        EXPECT_EQ(Fields(menu.entry(int(k)).begin(), menu.entry(int(k)).begin() + 50), expected) << "entry " << k;
    }
}

TEST_F(UserMenuTest, shorterFile_fieldsBeyondItEmptied)
{
    startUp();
    addNamed({"a", "b", "c"});
    Fields one = EntryFields(Named("z"));
    writeSettingsFile("Menyu.txt", FileImage(one));
    menu.LoadUserMenu();
    EXPECT_EQ(menu.menuCount(), 1);
    EXPECT_EQ(menu.entry(1)[0], "");
    EXPECT_EQ(menu.entry(2)[48], "");
}

TEST_F(UserMenuTest, fileOf5000Fields_readingStopsAfterThirteenEntries)
{
    writeSettingsFile("Menyu.txt", FileImage(Fields(5000, "★")));
    menu.LoadUserMenu();
    EXPECT_EQ(menu.entry(12)[49], "★");
    EXPECT_EQ(menu.entry(12)[50], ""); // beyond the 650 fields read
    EXPECT_EQ(menu.menuCount(), 0);    // thirteen markers: the count keeps its value
}

TEST_F(UserMenuTest, addWhenSaveFails_menuStaysAsTheFileHasIt)
{
    startUp();
    addNamed({"a"});
    const std::string before = ReadBytes(menuFile());
    disk.failRename = true;
    window.setProfile(Named("b"));
    EXPECT_FALSE(menu.AddCurrentToMenu());
    EXPECT_EQ(window.shownMessage, "設定を保存できませんでした。");
    ExpectSameFile(ReadBytes(menuFile()), before);
    EXPECT_EQ(menu.menuCount(), 1);
    EXPECT_EQ(window.shownMenuLabels, labels({"a"}));
    EXPECT_EQ(window.trayCaptions, labels({"a"}));
}

TEST_F(UserMenuTest, deleteWhenArchiveCannotBeWritten_entryKept)
{
    startUp();
    addNamed({"a", "b"});
    const std::string before = ReadBytes(menuFile());
    WriteBytes(folder.historyFolder(), "a file where the history folder belongs");
    menu.setSelectedMenuEntry(0);
    EXPECT_FALSE(menu.DeleteMenuEntry());
    EXPECT_EQ(window.shownMessage, "過去の設定に保存できないため削除しません。");
    ExpectSameFile(ReadBytes(menuFile()), before);
    EXPECT_EQ(menu.menuCount(), 2);
    EXPECT_EQ(window.shownMenuLabels, labels({"a", "b"}));
}

} // namespace
