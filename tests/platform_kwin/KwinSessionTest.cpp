// The whole program logic on KDE Plasma's KWin, headless, with its permission checks on: an SDL
// virtual joystick as the controller, KWin's fake input for the keys, its window management for
// the activation, and two small Qt Wayland windows that log what they receive as the target
// programs. The trusted run is this program installed in the place of the installed executable,
// so that KWin trusts it only through the menu entry `cmake --install` wrote (kwin-test.sh);
// the untrusted run is the same program where it was built.
#include <gtest/gtest.h>

#include "app/AutomaticSwitching.h"
#include "app/QtUserMessages.h"
#include "app/WindowingChoice.h"
#include "fakes/Eventually.h"
#include "fakes/FileText.h"
#include "fakes/ProgramSession.h"
#include "fakes/TextLogWindow.h"
#include "platform/kwin/KwinFactory.h"

#include <cstdlib>
#include <optional>
#include <string>

using namespace rukcon;
using test::eventually;
using test::fileText;
using test::TextLogWindow;

namespace {

bool trustedRun()
{
    return std::getenv("WAYLAND_DISPLAY") && std::getenv("RUKCON_KWIN_TRUSTED");
}

class KwinSessionTest : public test::ProgramSession {
protected:
    void SetUp() override
    {
        if (!trustedRun())
            GTEST_SKIP() << "needs KWin trusting this program (make test runs it through kwin-test.sh)";
        app::QtUserMessages::setRecording(true);
        // The program's own choice: KWin's row, although X11 would do too.
        app::Windowing chosen =
            app::chooseWindowing(app::windowingTable(), {std::getenv("WAYLAND_DISPLAY"), nullptr, "rukcon"});
        ASSERT_STREQ(chosen.desktop, "KDE Plasma") << "KWin did not trust the installed menu entry";
        EXPECT_EQ(chosen.advice, "");
        startProgram(std::move(chosen.backends));
    }

    std::string front() { return captions().at(1); }
};

TEST_F(KwinSessionTest, heldInputsBringTheTargetForwardAndTypeIntoItAlone)
{
    // The target opens first, so the second window lies in front of it with the focus.
    TextLogWindow target("KDE窓A - メモ", folder.path() / "target.txt");
    ASSERT_TRUE(target.started());
    ASSERT_TRUE(eventually([&] { return listed("KDE窓A - メモ"); })) << "the window did not appear";
    TextLogWindow other("KDE窓B - メモ", folder.path() / "other.txt");
    ASSERT_TRUE(eventually([&] { return listed("KDE窓B - メモ"); })) << "the caption list lacks a window";
    ASSERT_TRUE(eventually([&] { return front() == "KDE窓B - メモ"; }))
        << "the second window is not in front: " << ::testing::PrintToString(captions());

    ui::MainWindow& form = app->form();
    form.captionFragmentBox()->setEditText("窓A");
    form.keyChoiceBox(0, 0)->setEditText("-A-");
    form.keyChoiceBox(1, 0)->setEditText("SHIFT");
    form.keyChoiceBox(1, 1)->setEditText("-C-");
    form.keyChoiceBox(2, 0)->setEditText("SHIFT");
    form.keyChoiceBox(2, 1)->setEditText("-1-");
    form.keyChoiceBox(3, 0)->setEditText("-1-");
    form.keyChoiceBox(4, 0)->setEditText("F13");

    holdFor(0, 3); // a, a, a
    EXPECT_EQ(front(), "KDE窓A - メモ") << "the target was not brought forward";
    holdFor(1, 1); // Shift held through the C: the capital
    holdFor(0, 1); // a again: lower case unless a Shift stayed down
    // KWin runs a French layout (tools/headless-kwin.sh), where the digits are on the shifted
    // level: SHIFT + 1 types what Shift and that key type there, and so does 1 alone.
    holdFor(2, 1);
    holdFor(3, 1);
    holdFor(0, 1);
    EXPECT_TRUE(eventually([&] { return target.text() == "aaaCa11a"; })) << "typed: " << target.text();
    // F13, which the layout lacks, is sent as the key of that name: something arrives.
    const std::string keysBefore = fileText(folder.path() / "target.txt.keys");
    holdFor(4, 1);
    EXPECT_TRUE(eventually([&] { return fileText(folder.path() / "target.txt.keys").size() > keysBefore.size(); }))
        << "F13 sent nothing";
    EXPECT_TRUE(eventually([&] { return target.keysDown().empty(); }))
        << "keys left down: " << ::testing::PrintToString(target.keysDown());
    EXPECT_TRUE(other.receivedNothing()) << "keys reached the window in front: " << other.text();
}

// With 自動切替 on, moving to a window puts the user-menu entry naming it into force, as KWin
// reports the move.
TEST_F(KwinSessionTest, autoSwitch_followsTheWindowTheUserMovesTo)
{
    TextLogWindow memo("KDE窓C - メモ", folder.path() / "memo.txt");
    ASSERT_TRUE(eventually([&] { return listed("KDE窓C - メモ"); })) << "the window did not appear";
    TextLogWindow paint("KDE窓D - 絵", folder.path() / "paint.txt");
    ASSERT_TRUE(eventually([&] { return listed("KDE窓D - 絵"); }));
    ASSERT_NO_FATAL_FAILURE(turnOnAutoSwitchWith({{"メモ用", "メモ"}, {"絵用", "絵"}}));
    ASSERT_TRUE(app->automaticSwitching().listening()) << "the item is disabled on KWin";

    // The user's own hand on the compositor.
    std::optional<platform::Backends> user = platform::kwin::createBackends();
    ASSERT_TRUE(user);
    moveToAndExpectInForce(*user, "KDE窓C - メモ", "メモ用");
    moveToAndExpectInForce(*user, "KDE窓D - 絵", "絵用");
    moveToAndExpectInForce(*user, "KDE窓C - メモ", "メモ用");
}

// Where KWin runs but does not trust the program, XWayland (here the test's X display) serves,
// and the user is told once how to mend it.
TEST(KwinUntrustedTest, x11ServesAndTheAdviceNamesTheMenuEntryKey)
{
    if (!std::getenv("WAYLAND_DISPLAY") || trustedRun() || !std::getenv("DISPLAY"))
        GTEST_SKIP() << "needs KWin not trusting this program, and an X display";
    app::Windowing chosen =
        app::chooseWindowing(app::windowingTable(), {std::getenv("WAYLAND_DISPLAY"), nullptr, "rukcon"});
    EXPECT_STREQ(chosen.desktop, "X11");
    EXPECT_TRUE(chosen.usable);
    EXPECT_NE(chosen.advice.find("X-KDE-Wayland-Interfaces=org_kde_plasma_window_management,org_kde_kwin_fake_input"),
              std::string::npos)
        << chosen.advice;
}

} // namespace
