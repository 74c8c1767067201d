#include "ProfileFixture.h"
#include "fakes/FakeClock.h"
#include "settings/SettingsStore.h"

#include <gtest/gtest.h>

#include <functional>

using namespace rukcon::settings;
using namespace rukcon::test;

namespace {

using Profile = FakeSettingsWindow::Profile;

// Every way a profile comes into force, run against the session state alone: no widget exists,
// the fake window only records what its controls would be told.
class ProfileSourcesTest : public SettingsFixture {
protected:
    FakeClock clock{{{2025, 3, 1, 9, 0, 0}}};
    SettingsStore store{folder, {window, window, window, window, window, window.sounds, window}, clock, disk};

    // The state changed to the profile, and the view heard of each number and the new name.
    void expectInForce(const Profile& expected)
    {
        EXPECT_EQ(window.state.inForce, expected);
        const auto heard = [&](const std::string& entry) {
            return std::find(window.log.begin(), window.log.end(), entry) != window.log.end();
        };
        EXPECT_TRUE(heard("HScroll1=" + std::to_string(expected.reactionTime)));
        EXPECT_TRUE(heard("HScroll2=" + std::to_string(expected.arrowMultiplier)));
        EXPECT_TRUE(heard("Text2=" + expected.name));
    }
};

TEST_F(ProfileSourcesTest, eachSourcePutsItsProfileIntoTheState)
{
    store.folder().EnsureHistoryFolder();
    const struct {
        const char* name;
        Profile expected;
        std::function<void()> putIn;
    } sources[] = {
        {"last exit", SampleProfile("last"),
         [&] {
             writeSettingsFile("前回.txt", FileImage(RecordFields(SampleProfile("last"))));
             store.lastExit().LoadLastExit();
         }},
        {"user default", SampleProfile("default"),
         [&] {
             writeSettingsFile("デフォ設定.txt", FileImage(RecordFields(SampleProfile("default"))));
             store.userDefault().LoadUserDefault();
             store.userDefault().ApplyUserDefault();
         }},
        {"user menu", SampleProfile("menu"),
         [&] {
             window.setProfile(SampleProfile("menu"));
             ASSERT_TRUE(store.menu().AddCurrentToMenu());
             window.setProfile(SampleProfile("other"));
             store.menu().setSelectedMenuEntry(0);
             ASSERT_TRUE(store.menu().ApplyMenuEntry());
         }},
        {"dropped file", SampleProfile("dropped"),
         [&] {
             const auto dropped = app.path() / "dropped.txt";
             WriteBytes(dropped, FileImage(RecordFields(SampleProfile("dropped"))));
             ASSERT_TRUE(store.history().LoadProfileFile(dropped));
         }},
        {"new settings", NewSettingsProfile(),
         [&] {
             window.inForce.apply(NewSettingsProfile(), {ProfileOrigin::BuiltIn, NameOrder::CaptionFirst});
         }},
        {"tray's initial state", TrayInitialProfile(),
         [&] {
             window.inForce.apply(TrayInitialProfile(), {ProfileOrigin::BuiltIn, NameOrder::CaptionFirst});
         }},
    };
    for (const auto& source : sources) {
        SCOPED_TRACE(source.name);
        window.setProfile(SampleProfile("before"));
        window.log.clear();
        source.putIn();
        expectInForce(source.expected);
    }
}

TEST_F(ProfileSourcesTest, numberOutOfRange_refusedAndTheStateKeepsIt_othersGoIn)
{
    window.setProfile(SampleProfile("before"));
    Profile wrong = SampleProfile("after");
    wrong.reactionTime = kReactionTimeMax + 1;
    EXPECT_FALSE(window.inForce.apply(wrong, {ProfileOrigin::Record, NameOrder::NameFirst}));
    Profile expected = wrong;
    expected.reactionTime = SampleProfile("before").reactionTime;
    EXPECT_EQ(window.state.inForce, expected);
    EXPECT_EQ(window.log,
              (std::vector<std::string>{"HScroll2=4", "Text2=" + wrong.name, "Combo2=" + wrong.captionFragment}));
}

} // namespace
