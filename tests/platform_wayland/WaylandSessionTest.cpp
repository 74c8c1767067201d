// The whole program logic on the Wayland backends: an SDL virtual joystick as the controller,
// a virtual keyboard for the keys, the foreign-toplevel list for the activation, and two foot
// terminals running `cat > FILE` as the target programs. Needs a wlroots compositor in
// WAYLAND_DISPLAY (make test runs this program under tools/headless-sway.sh).
#include <gtest/gtest.h>

#include "app/AutomaticSwitching.h"
#include "app/QtUserMessages.h"
#include "app/WindowingChoice.h"
#include "fakes/Eventually.h"
#include "fakes/FootTerminal.h"
#include "fakes/ProgramSession.h"
#include "fakes/TempFolder.h"
#include "platform/wayland/WaylandConnection.h"
#include "platform/wayland/WaylandFactory.h"
#include "virtual-keyboard-unstable-v1-client-protocol.h"

#include <cstdlib>
#include <cstring>
#include <fstream>
#include <optional>
#include <poll.h>
#include <string>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>
#include <wayland-client.h>
#include <xkbcommon/xkbcommon.h>

using namespace rukcon;
using test::eventually;
using test::FootTerminal;

namespace {

// The user's keyboard: a keyboard of the seat with the layout given. Once it types, the compositor
// makes it the seat's current keyboard and tells every client its keymap.
class UserKeyboard {
public:
    UserKeyboard() : m_connection(platform::wayland::WaylandConnection::open())
    {
        if (m_connection && m_connection->keyboardManager())
            m_keyboard = zwp_virtual_keyboard_manager_v1_create_virtual_keyboard(m_connection->keyboardManager(),
                                                                                 m_connection->seat());
    }
    ~UserKeyboard()
    {
        if (m_keyboard)
            zwp_virtual_keyboard_v1_destroy(m_keyboard);
    }
    // Takes the layout and taps Shift with it, which types nothing.
    bool useLayout(const char* layout)
    {
        if (!m_keyboard)
            return false;
        xkb_context* context = xkb_context_new(XKB_CONTEXT_NO_FLAGS);
        const xkb_rule_names names{"evdev", "pc105", layout, "", ""};
        xkb_keymap* keymap = xkb_keymap_new_from_names(context, &names, XKB_KEYMAP_COMPILE_NO_FLAGS);
        char* text = keymap ? xkb_keymap_get_as_string(keymap, XKB_KEYMAP_FORMAT_TEXT_V1) : nullptr;
        xkb_keymap_unref(keymap);
        xkb_context_unref(context);
        if (!text)
            return false;
        const size_t size = std::strlen(text) + 1;
        const int fd = memfd_create("user-keymap", MFD_CLOEXEC);
        const bool written = fd >= 0 && write(fd, text, size) == static_cast<ssize_t>(size);
        std::free(text);
        if (!written)
            return false;
        zwp_virtual_keyboard_v1_keymap(m_keyboard, WL_KEYBOARD_KEYMAP_FORMAT_XKB_V1, fd, static_cast<uint32_t>(size));
        close(fd);
        constexpr uint32_t kLeftShift = 42;
        zwp_virtual_keyboard_v1_key(m_keyboard, 0, kLeftShift, WL_KEYBOARD_KEY_STATE_PRESSED);
        zwp_virtual_keyboard_v1_key(m_keyboard, 1, kLeftShift, WL_KEYBOARD_KEY_STATE_RELEASED);
        return m_connection->roundtrip();
    }

private:
    std::shared_ptr<platform::wayland::WaylandConnection> m_connection;
    zwp_virtual_keyboard_v1* m_keyboard = nullptr;
};

class WaylandSessionTest : public test::ProgramSession {
protected:
    void SetUp() override
    {
        if (!std::getenv("WAYLAND_DISPLAY"))
            GTEST_SKIP() << "needs a wlroots compositor in WAYLAND_DISPLAY (make test starts a headless sway)";
        app::QtUserMessages::setRecording(true);
        std::optional<platform::Backends> backends = platform::wayland::createBackends();
        ASSERT_TRUE(backends) << "the compositor offers no virtual keyboard or toplevel list";
        startProgram(std::move(*backends));
    }
};

TEST_F(WaylandSessionTest, heldInputsTypeIntoTheTerminalNamedByTheFragment)
{
    // The target opens first, so the second terminal lies in front of it.
    FootTerminal target("WL窓A - メモ", folder.path() / "target.txt");
    ASSERT_TRUE(target.started()) << "foot did not start";
    ASSERT_TRUE(eventually([&] { return listed("WL窓A - メモ"); }));
    FootTerminal other("WL窓B - メモ", folder.path() / "other.txt");
    ASSERT_TRUE(other.started());
    ASSERT_TRUE(eventually([&] { return listed("WL窓B - メモ"); })) << "the caption list lacks a terminal";

    typeTheTestLineInto("窓A");
    EXPECT_TRUE(eventually([&] { return target.text() == kTestLine; })) << "typed: " << target.text();
    EXPECT_EQ(other.text(), "") << "keys reached the terminal in front";
}

// Keys follow the user's layout, as on X11: on a French keyboard the digits are on the shifted
// level, so the digit named is a key of its own and Shift changes nothing; on a German one "2"
// is the key pressed alone, and Shift with it gives what Shift+2 gives there. The layout is
// followed as the user changes it.
TEST_F(WaylandSessionTest, keysFollowTheUsersLayout_shiftWithADigitTypesWhatTheLayoutGives)
{
    FootTerminal target("WL配列 - メモ", folder.path() / "layout.txt");
    ASSERT_TRUE(eventually([&] { return listed("WL配列 - メモ"); })) << "foot did not start";
    ui::MainWindow& form = app->form();
    form.captionFragmentBox()->setEditText("WL配列");
    form.keyChoiceBox(0, 0)->setEditText("SHIFT");
    form.keyChoiceBox(0, 1)->setEditText("-1-");
    form.keyChoiceBox(1, 0)->setEditText("-1-");
    form.keyChoiceBox(2, 0)->setEditText("SHIFT");
    form.keyChoiceBox(2, 1)->setEditText("-2-");
    form.keyChoiceBox(3, 0)->setEditText("RETURN");

    UserKeyboard user;
    ASSERT_TRUE(user.useLayout("fr"));
    holdFor(0, 1); // SHIFT + 1 on fr: 1
    holdFor(1, 1); // 1 alone: 1, not the & of the key
    ASSERT_TRUE(user.useLayout("de"));
    holdFor(2, 1); // SHIFT + 2 on de: "
    holdFor(3, 1);
    EXPECT_TRUE(eventually([&] { return target.text() == "11\"\n"; })) << "typed: " << target.text();
}

// With 自動切替 on, moving to a terminal puts the user-menu entry naming it into force.
TEST_F(WaylandSessionTest, autoSwitch_followsTheTerminalTheUserMovesTo)
{
    FootTerminal memo("WL窓C - メモ", folder.path() / "memo.txt");
    ASSERT_TRUE(eventually([&] { return listed("WL窓C - メモ"); })) << "foot did not start";
    FootTerminal paint("WL窓D - 絵", folder.path() / "paint.txt");
    ASSERT_TRUE(eventually([&] { return listed("WL窓D - 絵"); }));
    ASSERT_NO_FATAL_FAILURE(turnOnAutoSwitchWith({{"メモ用", "メモ"}, {"絵用", "絵"}}));
    ASSERT_TRUE(app->automaticSwitching().listening()) << "the item is disabled on Wayland";

    // The user's own hand on the compositor.
    std::optional<platform::Backends> user = platform::wayland::createBackends();
    ASSERT_TRUE(user);
    moveToAndExpectInForce(*user, "WL窓C - メモ", "メモ用");
    moveToAndExpectInForce(*user, "WL窓D - 絵", "絵用");
}

// The watch reports each terminal the user moves to with its title, tells the program's own
// toplevel by its app_id, follows a title change of the active one, and is silent once stopped.
TEST(WaylandActiveWindowWatchTest, reportsTheActivatedToplevelAndItsTitle_nothingOnceStopped)
{
    if (!std::getenv("WAYLAND_DISPLAY"))
        GTEST_SKIP() << "needs a wlroots compositor in WAYLAND_DISPLAY";
    test::TempFolder folder;
    // The first terminal takes the title written into this pipe.
    const std::string pipe = (folder.path() / "title").string();
    ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
    FootTerminal first("監視A", folder.path() / "a.txt",
                       "read t < '" + pipe + "'; printf '\\033]2;%s\\007' \"$t\"; exec cat");
    FootTerminal ours("監視B", folder.path() / "b.txt", {}, "rukcon-test");
    ASSERT_TRUE(first.started() && ours.started()) << "foot did not start";
    std::optional<platform::Backends> backends = platform::wayland::createBackends(nullptr, "rukcon-test");
    ASSERT_TRUE(backends);
    platform::WindowSystem& windows = *backends->windows;
    ASSERT_TRUE(eventually([&] { return windows.findByCaption("監視A") && windows.findByCaption("監視B"); }));
    const platform::WindowId a = windows.findByCaption("監視A"), b = windows.findByCaption("監視B");

    // Known to be active at the start, which is not reported.
    ASSERT_TRUE(windows.activate(b, platform::ActivationWait::UntilActive));
    platform::ActiveWindowWatch& watch = *backends->activeWindow;
    ASSERT_TRUE(watch.available());
    const int fd = watch.start();
    ASSERT_GE(fd, 0);
    // The next change with a window in it (a move may pass through none).
    auto nextChange = [&]() -> std::optional<platform::ActiveWindow> {
        pollfd readable{fd, POLLIN, 0};
        while (poll(&readable, 1, 10000) > 0) {
            if (std::optional<platform::ActiveWindow> change = watch.takeChange(); change && change->id)
                return change;
        }
        return std::nullopt;
    };
    const auto moveTo = [&](platform::WindowId id, const std::string& caption, bool own) {
        ASSERT_TRUE(windows.activate(id, platform::ActivationWait::UntilActive));
        const std::optional<platform::ActiveWindow> change = nextChange();
        ASSERT_TRUE(change) << "no change reported for " << caption;
        EXPECT_EQ(change->caption, caption);
        EXPECT_EQ(change->own, own) << caption;
    };
    moveTo(a, "監視A", false);
    moveTo(b, "監視B", true);
    moveTo(a, "監視A", false);
    std::ofstream(pipe) << "監視A2\n";
    const std::optional<platform::ActiveWindow> retitled = nextChange();
    ASSERT_TRUE(retitled) << "the title change was not reported";
    EXPECT_EQ(retitled->caption, "監視A2");

    watch.stop();
    ASSERT_TRUE(windows.activate(b, platform::ActivationWait::UntilActive));
    EXPECT_FALSE(watch.takeChange()) << "reported while stopped";
}

// The compositor offers both protocols: its row is chosen even where X11 would do too; with
// neither a compositor nor a display the user is to be told.
TEST(WindowingChoiceTest, wlrootsBeforeX11_andNothingUsableWithoutEither)
{
    const char* wayland = std::getenv("WAYLAND_DISPLAY");
    if (!wayland)
        GTEST_SKIP() << "needs a wlroots compositor in WAYLAND_DISPLAY";
    platform::WindowingRequest request{wayland, nullptr, "rukcon"};
    app::Windowing chosen = app::chooseWindowing(app::windowingTable(), request);
    EXPECT_TRUE(chosen.usable);
    EXPECT_STREQ(chosen.desktop, "wlroots");
    EXPECT_EQ(chosen.advice, "") << "sway is no KWin";
    EXPECT_TRUE(chosen.events) << "the compositor's events would pile up unread";
    EXPECT_TRUE(chosen.backends.activeWindow && chosen.backends.activeWindow->available())
        << "automatic switching stays disabled";

    const std::string display = std::getenv("DISPLAY") ? std::getenv("DISPLAY") : "";
    unsetenv("DISPLAY");
    app::Windowing none = app::chooseWindowing(app::windowingTable(), {"rukcon-no-such-compositor", nullptr, "rukcon"});
    if (!display.empty())
        setenv("DISPLAY", display.c_str(), 1);
    EXPECT_FALSE(none.usable);
    ASSERT_TRUE(none.backends.keys && none.backends.windows) << "the null backends stand in";
    EXPECT_FALSE(none.backends.keys->sendKey('A', true));
}

} // namespace
