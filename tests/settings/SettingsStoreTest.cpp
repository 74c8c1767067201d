#include "settings/SettingsStore.h"
#include "ProfileFixture.h"
#include "fakes/FakeClock.h"

#include <gtest/gtest.h>

using namespace rukcon::settings;
using namespace rukcon::test;

namespace {

// The loaders in start-up order, as the application runs them.
void StartUp(SettingsStore& store, FakeSettingsWindow& window)
{
    store.geometry().LoadWindowGeometry();
    store.userDefault().LoadUserDefault();
    store.lastExit().LoadLastExit();
    store.menu().LoadUserMenu();
    store.menu().RefreshMenuLabels();
    store.folder().EnsureHistoryFolder();
    window.SyncTrayUserMenu();
    store.layout().LoadButtonLayout();
}

TEST(SettingsStoreTest, firstStart_everyFileCreatedEmptyBesideTheProgram)
{
    TempFolder app;
    FakeSettingsWindow window;
    FakeClock clock{{{2025, 3, 1, 9, 0, 0}}};
    DiskIo disk;
    SettingsStore store(SettingsFolder(app.path() / "設定"),
                        {window, window, window, window, window, window.sounds, window}, clock, disk);
    StartUp(store, window);

    EXPECT_EQ(store.folder().path(), app.path() / "設定");
    EXPECT_EQ(FolderEntries(app.path() / "設定"),
              (std::vector<std::string>{"Menyu.txt", "サイズ位置.txt", "デフォ設定.txt", "ボタン設定.txt", "前回.txt",
                                        "過去の設定"}));
    for (const char* name : {"Menyu.txt", "サイズ位置.txt", "デフォ設定.txt", "ボタン設定.txt", "前回.txt"})
        EXPECT_EQ(std::filesystem::file_size(app.path() / "設定" / name), 0u) << name;
    EXPECT_EQ(window.shownReactionTime, 128);
    EXPECT_EQ(window.windowRect, WindowGeometryFile::kDefaultMainWindow);
}

TEST(SettingsStoreTest, everythingSaved_restart_sameWindow)
{
    TempFolder app;
    FakeClock clock{{{2025, 3, 1, 9, 0, 0}}};
    DiskIo disk;
    FakeSettingsWindow before;
    {
        SettingsStore store(SettingsFolder(app.path() / "設定"),
                            {before, before, before, before, before, before.sounds, before}, clock, disk);
        StartUp(store, before);
        before.setProfile(SampleProfile("menu"));
        ASSERT_TRUE(store.menu().AddCurrentToMenu());
        before.setProfile(SampleProfile("default"));
        ASSERT_TRUE(store.userDefault().SaveUserDefault());
        before.setProfile(SampleProfile("last"));
        before.windowRect = {100, 200, 4000, 6000};
        before.buttons[5] = {{15, 30, 375, 615}, false};
        ASSERT_TRUE(store.geometry().SaveWindowGeometry());
        ASSERT_TRUE(store.layout().SaveButtonLayout());
        ASSERT_TRUE(store.lastExit().SaveLastExit());
    }

    FakeSettingsWindow after;
    SettingsStore store(SettingsFolder(app.path() / "設定"), {after, after, after, after, after, after.sounds, after},
                        clock, disk);
    StartUp(store, after);
    EXPECT_EQ(after.profile(), SampleProfile("last"));
    EXPECT_EQ(after.windowRect, before.windowRect);
    EXPECT_EQ(after.buttons, before.buttons);
    EXPECT_EQ(after.shownMenuLabels[0], SampleProfile("menu").name);
    EXPECT_EQ(after.trayCaptions[0], SampleProfile("menu").name);
    EXPECT_TRUE(store.userDefault().ApplyUserDefault());
    EXPECT_EQ(after.profile(), SampleProfile("default"));
}

} // namespace
