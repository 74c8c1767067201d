// The program logic on GNOME Shell through the program's extension: an SDL virtual joystick as the
// controller, foot terminals as the target programs. make test runs this program under
// tools/headless-gnome.sh, which installs the build, puts this program where the extension expects
// the installed rukcon, and starts a headless gnome-shell with the extension on.
#include <gtest/gtest.h>

#include "app/Application.h"
#include "app/AutomaticSwitching.h"
#include "app/QtUserMessages.h"
#include "app/WindowingChoice.h"
#include "fakes/Eventually.h"
#include "fakes/FakeSoundDevice.h"
#include "fakes/FootTerminal.h"
#include "fakes/ProgramSession.h"
#include "fakes/TempFolder.h"
#include "fakes/TextLogWindow.h"
#include "platform/gnome/GnomeFactory.h"
#include "platform/gnome/ShellExtension.h"
#include "platform/sdl/SdlFactory.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusConnectionInterface>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <fstream>
#include <optional>
#include <poll.h>
#include <string>
#include <sys/stat.h>
#include <thread>

using namespace rukcon;
using test::FootTerminal;
using test::TextLogWindow;

namespace {

bool underGnomeShell()
{
    return std::getenv("WAYLAND_DISPLAY") && std::getenv("RUKCON_SHELL_PREFIX");
}

// Waits a bounded time for a condition that depends on other processes, taking in what Qt's
// event loop has meanwhile (the extension's signals come that way).
template <typename Done> bool eventually(Done done)
{
    return test::eventually(done, [] { QCoreApplication::processEvents(); });
}

std::string run(const std::string& command)
{
    std::string out;
    if (FILE* pipe = popen((command + " 2>&1").c_str(), "r")) {
        char buffer[512];
        while (size_t n = fread(buffer, 1, sizeof buffer, pipe))
            out.append(buffer, n);
        pclose(pipe);
    }
    return out;
}

bool focused(const std::string& title)
{
    std::vector<platform::gnome::ShellWindow> windows;
    platform::gnome::ShellExtension(QDBusConnection::sessionBus()).listWindows(windows);
    return std::any_of(windows.begin(), windows.end(),
                       [&](const platform::gnome::ShellWindow& w) { return w.focused && w.title == title; });
}

bool extensionRuns()
{
    return QDBusConnection::sessionBus().interface()->isServiceRegistered(RUKCON_SHELL_BUS_NAME);
}

class GnomeSessionTest : public test::ProgramSession {
protected:
    void SetUp() override
    {
        if (!underGnomeShell())
            GTEST_SKIP() << "needs GNOME Shell with the extension (make test runs tools/headless-gnome.sh)";
        app::QtUserMessages::setRecording(true);
        std::optional<platform::Backends> backends = platform::gnome::createBackends();
        ASSERT_TRUE(backends) << "the extension does not serve this program";
        startProgram(std::move(*backends));
    }
};

TEST_F(GnomeSessionTest, heldInputsBringTheTargetForwardAndTypeIntoItAlone)
{
    // The target opens first, so the second terminal lies in front of it with the focus.
    FootTerminal target("GN窓A - メモ", folder.path() / "target.txt");
    ASSERT_TRUE(target.started()) << "foot did not start";
    ASSERT_TRUE(eventually([&] { return listed("GN窓A - メモ"); }));
    ASSERT_TRUE(eventually([] { return focused("GN窓A - メモ"); })) << "the new terminal has no focus";
    FootTerminal other("GN窓B - メモ", folder.path() / "other.txt");
    ASSERT_TRUE(eventually([&] { return listed("GN窓B - メモ"); })) << "the caption list lacks a terminal";
    // A window is listed before it is shown, and takes the focus when shown: each terminal is
    // waited for until it has the focus, so none takes it later.
    ASSERT_TRUE(eventually([] { return focused("GN窓B - メモ"); })) << "the terminal in front has no focus";

    typeTheTestLineInto("窓A");
    EXPECT_TRUE(eventually([&] { return target.text() == kTestLine; })) << "typed: " << target.text();
    EXPECT_EQ(other.text(), "") << "keys reached the terminal in front";
}

// With 自動切替 on, moving to a terminal puts the user-menu entry naming it into force.
TEST_F(GnomeSessionTest, autoSwitch_followsTheWindowTheUserMovesTo)
{
    FootTerminal memo("GN窓C - メモ", folder.path() / "memo.txt");
    ASSERT_TRUE(eventually([&] { return listed("GN窓C - メモ"); })) << "foot did not start";
    ASSERT_TRUE(eventually([] { return focused("GN窓C - メモ"); })) << "the new terminal has no focus";
    FootTerminal paint("GN窓D - 絵", folder.path() / "paint.txt");
    ASSERT_TRUE(eventually([&] { return listed("GN窓D - 絵"); }));
    ASSERT_TRUE(eventually([] { return focused("GN窓D - 絵"); })) << "the new terminal has no focus";
    ASSERT_NO_FATAL_FAILURE(turnOnAutoSwitchWith({{"メモ用", "メモ"}, {"絵用", "絵"}}));
    ASSERT_TRUE(app->automaticSwitching().listening()) << "the item is disabled on GNOME";

    // The user's own hand on the desktop.
    std::optional<platform::Backends> user = platform::gnome::createBackends();
    ASSERT_TRUE(user);
    moveToAndExpectInForce(*user, "GN窓C - メモ", "メモ用");
    moveToAndExpectInForce(*user, "GN窓D - 絵", "絵用");
}

// The watch reports each window the user moves to, follows a title change of the focused one, and
// is silent once stopped.
TEST(ShellActiveWindowWatchTest, reportsTheFocusedWindowAndItsTitle_nothingOnceStopped)
{
    if (!underGnomeShell())
        GTEST_SKIP() << "needs GNOME Shell with the extension";
    test::TempFolder folder;
    const std::string pipe = (folder.path() / "title").string();
    ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
    FootTerminal first("監視A", folder.path() / "a.txt",
                       "read t < '" + pipe + "'; printf '\\033]2;%s\\007' \"$t\"; exec cat");
    ASSERT_TRUE(eventually([] { return focused("監視A"); })) << "the new terminal has no focus";
    FootTerminal second("監視B", folder.path() / "b.txt");
    std::optional<platform::Backends> backends = platform::gnome::createBackends();
    ASSERT_TRUE(backends);
    platform::WindowSystem& windows = *backends->windows;
    ASSERT_TRUE(eventually([&] { return windows.findByCaption("監視A") && windows.findByCaption("監視B"); }));
    ASSERT_TRUE(eventually([] { return focused("監視B"); })) << "the new terminal has no focus";
    const platform::WindowId a = windows.findByCaption("監視A"), b = windows.findByCaption("監視B");

    ASSERT_TRUE(windows.activate(b, platform::ActivationWait::UntilActive));
    platform::ActiveWindowWatch& watch = *backends->activeWindow;
    ASSERT_TRUE(watch.available());
    const int fd = watch.start();
    ASSERT_GE(fd, 0);
    auto nextChange = [&]() -> std::optional<platform::ActiveWindow> {
        std::optional<platform::ActiveWindow> change;
        eventually([&] {
            pollfd readable{fd, POLLIN, 0};
            if (poll(&readable, 1, 0) > 0)
                change = watch.takeChange();
            return change && change->id;
        });
        return change;
    };
    const auto moveTo = [&](platform::WindowId id, const std::string& caption) {
        ASSERT_TRUE(windows.activate(id, platform::ActivationWait::UntilActive));
        const std::optional<platform::ActiveWindow> change = nextChange();
        ASSERT_TRUE(change) << "no change reported for " << caption;
        EXPECT_EQ(change->caption, caption);
        EXPECT_EQ(change->own, false);
    };
    moveTo(a, "監視A");
    moveTo(b, "監視B");
    moveTo(a, "監視A");
    std::ofstream(pipe) << "監視A2\n";
    const std::optional<platform::ActiveWindow> retitled = nextChange();
    ASSERT_TRUE(retitled) << "the title change was not reported";
    EXPECT_EQ(retitled->caption, "監視A2");

    watch.stop();
    ASSERT_TRUE(windows.activate(b, platform::ActivationWait::UntilActive));
    for (int i = 0; i < 20; ++i)
        QCoreApplication::processEvents();
    EXPECT_FALSE(watch.takeChange()) << "reported while stopped";
}

// F13 is not in a us layout: it goes as the key a real keyboard has for it (KEY_F13), which the
// layout types as XF86Tools, Qt's Key_Tools. A Qt Wayland window logs the keys it gets.
TEST(ShellKeyEmitterTest, f13TheLayoutLacks_goesAsTheKeyOfARealKeyboard)
{
    if (!underGnomeShell())
        GTEST_SKIP() << "needs GNOME Shell with the extension";
    test::TempFolder folder;
    TextLogWindow window("鍵盤F13", folder.path() / "typed.txt");
    ASSERT_TRUE(window.started());
    EXPECT_TRUE(eventually([] { return focused("鍵盤F13"); })) << "the window has no focus";
    std::optional<platform::Backends> backends = platform::gnome::createBackends(std::getenv("WAYLAND_DISPLAY"));
    ASSERT_TRUE(backends);
    for (uint8_t key : {uint8_t(124), uint8_t('A')}) { // F13, then a
        EXPECT_TRUE(backends->keys->sendKey(key, true));
        EXPECT_TRUE(backends->keys->sendKey(key, false));
    }
    const auto keysLogged = [&] { return window.keys(); };
    EXPECT_TRUE(eventually([&] { return keysLogged().find("-41\n") != std::string::npos; })) << keysLogged();
    EXPECT_NE(keysLogged().find("+10000f1\n"), std::string::npos)
        << "F13 did not arrive as XF86Tools: " << keysLogged();
}

// Run by the next test in a process of its own: presses Shift and ends without releasing it.
TEST(ShellKeyHelper, DISABLED_pressShiftAndEnd)
{
    platform::gnome::ShellExtension extension(QDBusConnection::sessionBus());
    ASSERT_TRUE(extension.sendKey(platform::keysymForVirtualKey(16), 0, true));
    std::_Exit(0);
}

// A program that ends with a key down (a crash, a kill) leaves it down nowhere: the extension
// releases it when the program's bus connection closes.
TEST(ShellExtensionTest, keysLeftDownByAProgramThatEndedAreReleased)
{
    if (!underGnomeShell())
        GTEST_SKIP() << "needs GNOME Shell with the extension";
    test::TempFolder folder;
    FootTerminal target("離鍵", folder.path() / "typed.txt");
    ASSERT_TRUE(eventually([] { return focused("離鍵"); })) << "the new terminal has no focus";
    const std::string self = std::filesystem::read_symlink("/proc/self/exe").string();
    ASSERT_EQ(
        std::system((self + " --gtest_also_run_disabled_tests --gtest_filter=ShellKeyHelper.* >/dev/null").c_str()), 0);

    platform::gnome::ShellExtension extension(QDBusConnection::sessionBus());
    // A Shift still down makes the line "C" and its Return no line at all.
    EXPECT_TRUE(eventually([&] {
        for (uint8_t key : {uint8_t('C'), uint8_t(13)}) {
            extension.sendKey(platform::keysymForVirtualKey(key), 0, true);
            extension.sendKey(platform::keysymForVirtualKey(key), 0, false);
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        return target.text().find("c\n") != std::string::npos;
    })) << "typed: "
        << target.text();
}

// The extension serves only the program installed beside it.
TEST(ShellExtensionTest, aCallerThatIsNotTheProgramIsRefused)
{
    if (!underGnomeShell())
        GTEST_SKIP() << "needs GNOME Shell with the extension";
    auto extension = std::make_shared<platform::gnome::ShellExtension>(QDBusConnection::sessionBus());
    ASSERT_EQ(extension->reach(), platform::gnome::ShellExtension::Reach::Serving);
    const std::string call = std::string("gdbus call --session --dest ") + RUKCON_SHELL_BUS_NAME + " --object-path " +
                             RUKCON_SHELL_OBJECT_PATH + " --method " + RUKCON_SHELL_BUS_NAME;
    EXPECT_NE(run(call + ".ListWindows").find("AccessDenied"), std::string::npos);
    EXPECT_NE(run(call + ".Key 97 0 true").find("AccessDenied"), std::string::npos);
}

// With the extension on, GNOME's row is chosen; off, X11 serves (XWayland; here the Xvfb of make
// test) and the program says once how to turn the extension on.
TEST(GnomeWindowingTest, extensionOn_gnome_off_x11AndTheProgramSaysHowToTurnItOn)
{
    if (!underGnomeShell())
        GTEST_SKIP() << "needs GNOME Shell with the extension";
    const platform::WindowingRequest request{std::getenv("WAYLAND_DISPLAY"), nullptr, "rukcon"};
    app::Windowing on = app::chooseWindowing(app::windowingTable(), request);
    EXPECT_STREQ(on.desktop, "GNOME");
    EXPECT_TRUE(on.usable);
    EXPECT_EQ(on.advice, "");
    EXPECT_TRUE(on.events) << "keymap changes would pile up unread";
    test::TempFolder targets;
    FootTerminal first("切替A", targets.path() / "a.txt");
    ASSERT_TRUE(eventually([] { return focused("切替A"); })) << "the new terminal has no focus";
    FootTerminal second("切替B", targets.path() / "b.txt");
    ASSERT_TRUE(eventually([] { return focused("切替B"); })) << "the new terminal has no focus";
    platform::ActiveWindowWatch& watch = *on.backends.activeWindow;
    const int fd = watch.start();
    ASSERT_GE(fd, 0);

    run("gsettings set org.gnome.shell enabled-extensions '[]'");
    ASSERT_TRUE(eventually([] { return !extensionRuns(); })) << "the extension stayed on";
    app::Windowing off = app::chooseWindowing(app::windowingTable(), request);
    run(std::string("gsettings set org.gnome.shell enabled-extensions \"['") + RUKCON_SHELL_EXTENSION_UUID + "']\"");
    if (std::getenv("DISPLAY")) {
        EXPECT_STREQ(off.desktop, "X11");
    }
    EXPECT_NE(off.advice.find(std::string("gnome-extensions enable ") + RUKCON_SHELL_EXTENSION_UUID), std::string::npos)
        << off.advice;
    EXPECT_NE(off.advice.find("ログイン"), std::string::npos) << "the new log-in after installing is not said";

    app::QtUserMessages::setRecording(true);
    app::QtUserMessages::recorded().clear();
    test::TempFolder folder;
    app::PlatformParts parts;
    parts.controller = platform::sdl::createController();
    parts.sound = std::make_unique<test::FakeSoundDevice>();
    parts.windowing = std::move(off.backends);
    app::Application program(std::move(parts), settings::ProgramFolders::BesideProgram(folder.path()));
    program.start();
    program.tellWindowingAdvice(off.advice);
    EXPECT_TRUE(eventually([] { return !app::QtUserMessages::recorded().empty(); }));
    EXPECT_EQ(
        std::count(app::QtUserMessages::recorded().begin(), app::QtUserMessages::recorded().end(), "i:" + off.advice),
        1);
    ASSERT_TRUE(eventually(extensionRuns)) << "the extension did not come back";

    // A watch started before the extension went off goes on reporting once it is back.
    platform::WindowSystem& windows = *on.backends.windows;
    ASSERT_TRUE(windows.activate(windows.findByCaption("切替A"), platform::ActivationWait::UntilActive));
    std::optional<platform::ActiveWindow> change;
    EXPECT_TRUE(eventually([&] {
        pollfd readable{fd, POLLIN, 0};
        if (poll(&readable, 1, 0) > 0)
            change = watch.takeChange();
        return change && change->caption == "切替A";
    })) << "the watch went silent when the extension was turned off and on";
}

} // namespace
