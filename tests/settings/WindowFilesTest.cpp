#include "ProfileFixture.h"
#include "settings/AutoSwitchFile.h"
#include "settings/ButtonLayoutFile.h"
#include "settings/WindowGeometryFile.h"

#include <gtest/gtest.h>

using namespace rukcon::settings;
using namespace rukcon::test;

namespace {

using Fields = std::vector<std::string>;

// ---- "サイズ位置.txt" ---------------------------------------------------------------------

class WindowGeometryTest : public SettingsFixture {
protected:
    WindowGeometryFile geometry{files, window};

    void expectDefaults()
    {
        EXPECT_EQ(window.windowRect, (WindowRect{2805, 5370, 5325, 7500}));
        EXPECT_EQ(geometry.folderWindow(), (WindowRect{3, 576, 601, 680}));
    }
};

TEST_F(WindowGeometryTest, firstStart_emptyFileCreated_defaults)
{
    window.windowRect = {1, 2, 3, 4};
    EXPECT_FALSE(geometry.LoadWindowGeometry());
    EXPECT_TRUE(std::filesystem::is_regular_file(settingsFile("サイズ位置.txt")));
    expectDefaults();
}

TEST_F(WindowGeometryTest, saveThenRestart_samePlaces)
{
    window.windowRect = {1200, 3000, 6000, 8115};
    geometry.setFolderWindow({10, 20, 500, 640});
    ASSERT_TRUE(geometry.SaveWindowGeometry());
    ExpectSameFile(ReadBytes(settingsFile("サイズ位置.txt")), ReadBytes(FrozenFile("window_geometry.txt")));

    window.windowRect = {};
    WindowGeometryFile afterRestart(files, window);
    EXPECT_TRUE(afterRestart.LoadWindowGeometry());
    EXPECT_EQ(window.windowRect, (WindowRect{1200, 3000, 6000, 8115}));
    EXPECT_EQ(afterRestart.folderWindow(), (WindowRect{10, 20, 500, 640}));
}

TEST_F(WindowGeometryTest, saveWithoutFolderWindow_loadedFolderValuesWrittenUnchanged)
{
    writeSettingsFile("サイズ位置.txt", ReadBytes(FrozenFile("window_geometry.txt")));
    ASSERT_TRUE(geometry.LoadWindowGeometry());
    window.windowRect = {0, 0, 4000, 5000};
    ASSERT_TRUE(geometry.SaveWindowGeometry());
    ExpectSameFile(ReadBytes(settingsFile("サイズ位置.txt")),
                   FileImage({"0", "0", "4000", "5000", "10", "20", "500", "640"}));
}

class WindowGeometryDamaged : public WindowGeometryTest, public ::testing::WithParamInterface<Fields> {};

// One unusable line costs all eight values, those of the main window included.
TEST_P(WindowGeometryDamaged, load_allEightDefaults)
{
    writeSettingsFile("サイズ位置.txt", FileImage(GetParam()));
    window.windowRect = {1, 2, 3, 4};
    EXPECT_FALSE(geometry.LoadWindowGeometry());
    expectDefaults();
}

INSTANTIATE_TEST_SUITE_P(Files, WindowGeometryDamaged,
                         ::testing::Values(Fields{"1200", "3000", "6000", "8115", "10", "20", "abc", "640"},
                                           Fields{"1200", "3000", "6000", "8115", "10"},
                                           Fields{"", "3000", "6000", "8115", "10", "20", "500", "640"}));

// ---- "ボタン設定.txt" ---------------------------------------------------------------------

class ButtonLayoutTest : public SettingsFixture {
protected:
    ButtonLayoutFile layout{files, window};
    std::array<LayoutButton, 14> designed{};

    void SetUp() override
    {
        for (int k = 0; k < 14; ++k)
            designed[static_cast<size_t>(k)] = {{100 * k, 50 * k, 375, 495}, true};
        window.buttons = designed;
    }
};

TEST_F(ButtonLayoutTest, firstStart_emptyFileCreated_designedLayoutStands)
{
    EXPECT_FALSE(layout.LoadButtonLayout());
    EXPECT_TRUE(std::filesystem::is_regular_file(settingsFile("ボタン設定.txt")));
    EXPECT_EQ(window.buttons, designed);
}

TEST_F(ButtonLayoutTest, button7Hidden_line67FalseAndRestoredAfterRestart)
{
    window.buttons[10].visible = false;
    window.buttons[3].rect.top += 15; // a move by one pixel's worth of twips
    window.buttons[3].rect.left -= 15;
    const auto saved = window.buttons;
    ASSERT_TRUE(layout.SaveButtonLayout());
    const std::vector<std::string> lines = SplitLines(ReadBytes(settingsFile("ボタン設定.txt")));
    ASSERT_EQ(lines.size(), 70u);
    EXPECT_EQ(lines[66], "\"False\"");
    EXPECT_EQ(lines[56], "\"True\"");
    EXPECT_EQ(lines[12], "\"315\"");
    EXPECT_EQ(lines[13], "\"135\"");

    window.buttons = designed;
    ButtonLayoutFile afterRestart(files, window);
    EXPECT_TRUE(afterRestart.LoadButtonLayout());
    EXPECT_EQ(window.buttons, saved);
}

TEST_F(ButtonLayoutTest, frozenFile_loadThenSave_byteForByte)
{
    const std::string frozen = ReadBytes(FrozenFile("button_layout.txt"));
    writeSettingsFile("ボタン設定.txt", frozen);
    ASSERT_TRUE(layout.LoadButtonLayout());
    EXPECT_EQ(window.buttons[0], (LayoutButton{{300, 240, 375, 495}, true}));
    EXPECT_EQ(window.buttons[13], (LayoutButton{{1860, 3120, 375, 615}, true}));
    EXPECT_FALSE(window.buttons[10].visible);
    std::filesystem::remove(settingsFile("ボタン設定.txt"));
    ASSERT_TRUE(layout.SaveButtonLayout());
    ExpectSameFile(ReadBytes(settingsFile("ボタン設定.txt")), frozen);
}

TEST_F(ButtonLayoutTest, emptyFirstLine_wholeFileIgnored)
{
    Fields fields = SplitLines(ReadBytes(FrozenFile("button_layout.txt")));
    for (std::string& f : fields)
        f = f.substr(1, f.size() - 2);
    fields[0] = "";
    writeSettingsFile("ボタン設定.txt", FileImage(fields));
    EXPECT_FALSE(layout.LoadButtonLayout());
    EXPECT_EQ(window.buttons, designed);
}

TEST_F(ButtonLayoutTest, badOrMissingValues_onlyThosePropertiesKeepTheirPlace)
{
    Fields fields(9, "7");
    fields[1] = "abc"; // left of button 0
    fields[8] = "";    // top of button 2; nothing after it
    writeSettingsFile("ボタン設定.txt", FileImage(fields));
    EXPECT_TRUE(layout.LoadButtonLayout());
    EXPECT_EQ(window.buttons[0], (LayoutButton{{7, designed[0].rect.left, 7, 7}, true}));
    EXPECT_EQ(window.buttons[1], (LayoutButton{{7, 7, 7, 7}, true}));
    EXPECT_EQ(window.buttons[2], designed[2]);
    EXPECT_EQ(window.buttons[13], designed[13]);
}

// ---- "自動切替.txt" -----------------------------------------------------------------------

class AutoSwitchFileTest : public SettingsFixture {
protected:
    AutoSwitchFile autoSwitch{files};
};

TEST_F(AutoSwitchFileTest, saveThenRestart_sameStateOneQuotedLine)
{
    ASSERT_TRUE(autoSwitch.Save(true));
    ExpectSameFile(ReadBytes(settingsFile("自動切替.txt")), FileImage({"True"}));
    EXPECT_TRUE(AutoSwitchFile(files).Load());
    ASSERT_TRUE(autoSwitch.Save(false));
    EXPECT_FALSE(AutoSwitchFile(files).Load());
}

// The option stays off unless the file clearly says otherwise, and reading it creates nothing.
TEST_F(AutoSwitchFileTest, missingOrDamaged_offAndNoFileMade)
{
    EXPECT_FALSE(autoSwitch.Load());
    EXPECT_FALSE(std::filesystem::exists(settingsFile("自動切替.txt")));
    for (const std::string bytes : {"", "\"はい\"\r\n", "\"Tru\r\n", "\x82"}) {
        writeSettingsFile("自動切替.txt", bytes);
        EXPECT_FALSE(autoSwitch.Load()) << bytes;
    }
    std::filesystem::remove(settingsFile("自動切替.txt"));
    std::filesystem::create_directory(settingsFile("自動切替.txt"));
    EXPECT_FALSE(autoSwitch.Load()) << "a folder in its place";
}

TEST_F(AutoSwitchFileTest, saveFails_oldFileKeptAndUserTold)
{
    ASSERT_TRUE(autoSwitch.Save(false));
    disk.failRename = true;
    EXPECT_FALSE(autoSwitch.Save(true));
    EXPECT_FALSE(autoSwitch.Load());
    EXPECT_EQ(window.shownMessage, "設定を保存できませんでした。");
}

} // namespace
