// gtest before the X headers: their None and Bool macros break it.
#include <gtest/gtest.h>

#include "fakes/FakeFragmentBox.h"
#include "fakes/RecordingSound.h"
#include "platform/x11/X11Factory.h"
#include "target/TargetActivation.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdlib>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <thread>
#include <vector>

using rukcon::platform::ActivationWait;
using rukcon::platform::WindowEntry;
using Windows = std::vector<Window>;

namespace {

using rukcon::test::FakeFragmentBox;

// Real client windows on a connection of the test's own, driven through the real activation
// logic and the backend. Captions carry the process id, so that test programs sharing a
// server do not find each other's windows.
class DesktopFixture : public ::testing::Test {
protected:
    void openDisplay(const char* variable)
    {
        const char* name = std::getenv(variable);
        if (!name || !*name)
            GTEST_SKIP() << variable << " is not set";
        m_client = XOpenDisplay(name);
        ASSERT_NE(m_client, nullptr) << "cannot open " << name;
        m_managed = !longProperty(DefaultRootWindow(m_client), "_NET_SUPPORTING_WM_CHECK").empty();
        if (m_managed)
            waitForManager();
        m_windows = rukcon::platform::x11::createWindowSystem(name);
        m_keys = rukcon::platform::x11::createKeyEmitter(name);
        ASSERT_TRUE(m_windows && m_keys);
        m_target = std::make_unique<rukcon::target::TargetActivation>(*m_windows, m_box, m_sound);
    }

    void TearDown() override
    {
        if (!m_client)
            return;
        for (Window w : m_created)
            XDestroyWindow(m_client, w);
        XCloseDisplay(m_client);
    }

    Window createWindow()
    {
        const int screen = DefaultScreen(m_client);
        const Window w = XCreateSimpleWindow(m_client, RootWindow(m_client, screen), 20, 20, 200, 100, 0,
                                             BlackPixel(m_client, screen), WhitePixel(m_client, screen));
        XSelectInput(m_client, w, KeyPressMask | StructureNotifyMask);
        m_created.push_back(w);
        return w;
    }

    // _NET_WM_NAME in UTF-8 and WM_NAME as the locale's text, as toolkits set them.
    void setCaption(Window w, const std::string& caption)
    {
        Xutf8SetWMProperties(m_client, w, caption.c_str(), nullptr, nullptr, 0, nullptr, nullptr, nullptr);
        XChangeProperty(m_client, w, XInternAtom(m_client, "_NET_WM_NAME", False),
                        XInternAtom(m_client, "UTF8_STRING", False), 8, PropModeReplace,
                        reinterpret_cast<const unsigned char*>(caption.data()), static_cast<int>(caption.size()));
    }

    void setWindows(Window on, const char* property, const Windows& windows)
    {
        const std::vector<long> values(windows.begin(), windows.end());
        XChangeProperty(m_client, on, XInternAtom(m_client, property, False), XA_WINDOW, 32, PropModeReplace,
                        reinterpret_cast<const unsigned char*>(values.data()), static_cast<int>(values.size()));
    }

    // A manager that has just started may drop map requests: map a probe until it is taken on,
    // then close it again before the test's own windows come.
    void waitForManager()
    {
        const int screen = DefaultScreen(m_client);
        const Window probe = XCreateSimpleWindow(m_client, RootWindow(m_client, screen), 0, 0, 10, 10, 0, 0, 0);
        XSelectInput(m_client, probe, StructureNotifyMask);
        XEvent event;
        auto lastMap = std::chrono::steady_clock::now() - std::chrono::seconds(1);
        const bool mapped = eventually([&] {
            if (std::chrono::steady_clock::now() - lastMap > std::chrono::milliseconds(500)) {
                XMapWindow(m_client, probe);
                lastMap = std::chrono::steady_clock::now();
            }
            return XCheckTypedWindowEvent(m_client, probe, MapNotify, &event) == True && contains(stacking(), probe);
        });
        XDestroyWindow(m_client, probe);
        ASSERT_TRUE(mapped) << "the window manager takes on no window";
        ASSERT_TRUE(eventually([&] { return !contains(stacking(), probe); }));
    }

    // Mapped, and under a window manager taken on as its client.
    void show(Window w)
    {
        XMapWindow(m_client, w);
        XEvent event;
        ASSERT_TRUE(eventually([&] { return XCheckTypedWindowEvent(m_client, w, MapNotify, &event) == True; }));
        if (m_managed) {
            ASSERT_TRUE(eventually([&] { return contains(stacking(), w); }));
        }
    }

    Window openWindow(const std::string& caption)
    {
        const Window w = createWindow();
        setCaption(w, caption);
        show(w);
        return w;
    }

    bool eventually(const std::function<bool()>& done)
    {
        // Generous: on a loaded machine the window manager may lag well behind.
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
        while (!done()) {
            if (std::chrono::steady_clock::now() >= deadline)
                return false;
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
        return true;
    }

    std::vector<long> longProperty(Window w, const char* name)
    {
        Atom type = 0;
        int format = 0;
        unsigned long count = 0, after = 0;
        unsigned char* data = nullptr;
        std::vector<long> values;
        if (XGetWindowProperty(m_client, w, XInternAtom(m_client, name, False), 0, 4096, False, AnyPropertyType, &type,
                               &format, &count, &after, &data) == Success &&
            data && format == 32)
            values.assign(reinterpret_cast<long*>(data), reinterpret_cast<long*>(data) + count);
        if (data)
            XFree(data);
        return values;
    }

    static bool contains(const Windows& windows, Window w)
    {
        return std::find(windows.begin(), windows.end(), w) != windows.end();
    }

    Windows stacking()
    {
        const std::vector<long> list = longProperty(DefaultRootWindow(m_client), "_NET_CLIENT_LIST_STACKING");
        return Windows(list.begin(), list.end());
    }

    long wmState(Window w)
    {
        const std::vector<long> state = longProperty(w, "WM_STATE");
        return state.empty() ? -1 : state[0];
    }

    bool viewable(Window w)
    {
        XWindowAttributes attributes;
        return XGetWindowAttributes(m_client, w, &attributes) && attributes.map_state == IsViewable;
    }

    // Who holds the keyboard: the manager's active window, or the X focus without a manager.
    Window focused()
    {
        if (m_managed) {
            const std::vector<long> active = longProperty(DefaultRootWindow(m_client), "_NET_ACTIVE_WINDOW");
            return active.empty() ? 0 : static_cast<Window>(active[0]);
        }
        Window focus = 0;
        int revert = 0;
        XGetInputFocus(m_client, &focus, &revert);
        return focus;
    }

    // Types "a" through XTest and tells which of this test's windows received it (0: none).
    Window keysArriveIn()
    {
        if (!m_keys->sendKey('A', true) || !m_keys->sendKey('A', false))
            return 0;
        XEvent event;
        if (!eventually([&] { return XCheckTypedEvent(m_client, KeyPress, &event) == True; }))
            return 0;
        return event.xkey.window;
    }

    // This test's windows among the listed ones, in listing order.
    Windows listedOurs()
    {
        std::vector<WindowEntry> entries;
        EXPECT_TRUE(m_windows->listVisibleWindows(entries));
        Windows ours;
        for (const WindowEntry& e : entries) {
            if (contains(m_created, static_cast<Window>(e.id)))
                ours.push_back(static_cast<Window>(e.id));
        }
        return ours;
    }

    const std::string m_pid = std::to_string(getpid());
    Display* m_client = nullptr;
    bool m_managed = false;
    std::unique_ptr<rukcon::platform::WindowSystem> m_windows;
    std::unique_ptr<rukcon::platform::KeyEmitter> m_keys;
    Windows m_created;
    FakeFragmentBox m_box;
    rukcon::test::RecordingSound m_sound;
    std::unique_ptr<rukcon::target::TargetActivation> m_target;
};

// On $DISPLAY (with a window manager) and on $RUKCON_BARE_DISPLAY (without one).
class X11WindowSystemTest : public DesktopFixture, public ::testing::WithParamInterface<const char*> {
protected:
    void SetUp() override { openDisplay(GetParam()); }
};

// Minimising needs a window manager.
class X11WindowSystemManagedTest : public DesktopFixture {
protected:
    void SetUp() override
    {
        openDisplay("DISPLAY");
        if (!IsSkipped() && !HasFatalFailure() && !m_managed)
            GTEST_SKIP() << "no window manager on DISPLAY";
    }

    // Also waits for the manager to have passed the focus on, so that it does not move later.
    void iconify(Window w)
    {
        XIconifyWindow(m_client, w, DefaultScreen(m_client));
        ASSERT_TRUE(eventually([&] {
            const Window focus = focused();
            return wmState(w) == IconicState && !viewable(w) && focus != w && focus != 0;
        }));
    }
};

// A display without a manager, on which this test plays one that has died.
class X11WindowSystemBareTest : public DesktopFixture {
protected:
    void SetUp() override
    {
        openDisplay("RUKCON_BARE_DISPLAY");
        if (!IsSkipped() && !HasFatalFailure() && m_managed)
            GTEST_SKIP() << "RUKCON_BARE_DISPLAY has a window manager";
    }

    void TearDown() override
    {
        if (m_client) {
            for (const char* name : {"_NET_SUPPORTING_WM_CHECK", "_NET_CLIENT_LIST_STACKING"})
                XDeleteProperty(m_client, DefaultRootWindow(m_client), XInternAtom(m_client, name, False));
        }
        DesktopFixture::TearDown();
    }
};

TEST_P(X11WindowSystemTest, activateTarget_threeMatches_rearmostEndsInFrontAndGetsKeys)
{
    const std::string fragment = "テスト窓" + m_pid;
    const Window w1 = openWindow(fragment + " 1");
    const Window w2 = openWindow(fragment + " 2");
    const Window w3 = openWindow(fragment + " 3");
    const Window other = openWindow("ほかの窓" + m_pid);

    EXPECT_EQ(listedOurs(), (Windows{other, w3, w2, w1}));
    std::vector<std::string> matching;
    for (const std::string& caption : m_target->ListTopLevelCaptions()) {
        if (caption.find(fragment) != std::string::npos)
            matching.push_back(caption);
    }
    EXPECT_EQ(matching, (std::vector<std::string>{fragment + " 3", fragment + " 2", fragment + " 1"}));

    m_box.text = fragment;
    m_target->ActivateTarget();
    // Read at once: activation is asynchronous under a manager, and must be over by now.
    EXPECT_EQ(focused(), w1);
    EXPECT_EQ(keysArriveIn(), w1);
    EXPECT_TRUE(m_target->targetFound());
    EXPECT_EQ(m_sound.count("alert"), 0);
    EXPECT_EQ(listedOurs(), (Windows{w1, w2, w3, other}));
}

TEST_P(X11WindowSystemTest, captions_everyNameEncoding_readAsUtf8AndMatchedExactly)
{
    const std::string utf8Name = "テスト窓 ユーティリティ" + m_pid;
    const Window both = openWindow(utf8Name);

    const Window compound = createWindow();
    // "テスト窓 1 é" as a client in a UTF-8 locale writes it: JIS X 0208, ASCII, Latin-1 right half.
    const unsigned char ctext[] = {0x1b, 0x24, 0x28, 0x42, 0x25, 0x46, 0x25, 0x39, 0x25, 0x48,
                                   0x41, 0x6b, 0x1b, 0x28, 0x42, 0x20, 0x31, 0x20, 0xe9};
    XChangeProperty(m_client, compound, XA_WM_NAME, XInternAtom(m_client, "COMPOUND_TEXT", False), 8, PropModeReplace,
                    ctext, sizeof ctext);
    show(compound);

    const Window latin1 = createWindow();
    XStoreName(m_client, latin1, "caf\xe9");
    show(latin1);

    const Window renamed = createWindow();
    XStoreName(m_client, renamed, "old name");
    const std::string newName = "新しい名前" + m_pid;
    XChangeProperty(m_client, renamed, XInternAtom(m_client, "_NET_WM_NAME", False),
                    XInternAtom(m_client, "UTF8_STRING", False), 8, PropModeReplace,
                    reinterpret_cast<const unsigned char*>(newName.data()), static_cast<int>(newName.size()));
    show(renamed);

    const Window older = openWindow("同名" + m_pid);
    const Window newer = openWindow("同名" + m_pid);

    std::vector<WindowEntry> entries;
    ASSERT_TRUE(m_windows->listVisibleWindows(entries));
    std::map<Window, std::string> captions;
    for (const WindowEntry& e : entries)
        captions[static_cast<Window>(e.id)] = e.caption;
    EXPECT_EQ(captions[both], utf8Name);
    EXPECT_EQ(captions[compound], "テスト窓 1 é");
    EXPECT_EQ(captions[latin1], "café");
    EXPECT_EQ(captions[renamed], newName);

    EXPECT_EQ(m_windows->findByCaption(utf8Name), both);
    EXPECT_EQ(m_windows->findByCaption(newName), renamed);
    EXPECT_EQ(m_windows->findByCaption("同名" + m_pid), newer) << "older is " << older;
    EXPECT_EQ(m_windows->findByCaption(newName.substr(0, newName.size() - 1)), 0u);
    EXPECT_EQ(m_windows->findByCaption(" " + newName), 0u);
}

TEST_P(X11WindowSystemTest, activateTarget_onlyHiddenOrCaseDifferentMatches_activatesNothingAndAlerts)
{
    const Window never = createWindow();
    setCaption(never, "target" + m_pid + " never mapped");
    const Window withdrawn = openWindow("target" + m_pid + " withdrawn");
    const Window caseDiffers = openWindow("Target" + m_pid);
    const Window other = openWindow("ほかの窓" + m_pid);
    ASSERT_TRUE(m_windows->activate(other, ActivationWait::UntilActive));
    // Withdrawn while another window has the focus, so that no focus change is still pending.
    XWithdrawWindow(m_client, withdrawn, DefaultScreen(m_client));
    ASSERT_TRUE(eventually([&] { return !viewable(withdrawn) && !contains(stacking(), withdrawn); }));

    EXPECT_EQ(listedOurs(), (Windows{other, caseDiffers}));
    m_box.text = "target" + m_pid;
    m_target->ActivateTarget();
    EXPECT_FALSE(m_target->targetFound());
    EXPECT_EQ(m_sound.count("alert"), 1);
    EXPECT_EQ(focused(), other);
    EXPECT_FALSE(viewable(never));
    EXPECT_FALSE(viewable(withdrawn));
    EXPECT_EQ(keysArriveIn(), other);
}

TEST_P(X11WindowSystemTest, vanishedWindow_requestsFailAndTheProgramGoesOn)
{
    const std::string caption = "テスト窓 消える" + m_pid;
    const Window gone = openWindow(caption);
    XDestroyWindow(m_client, gone);
    XSync(m_client, False);
    m_created.erase(std::find(m_created.begin(), m_created.end(), gone));

    // Under a manager the client list may still name it for a moment; the listing must cope.
    EXPECT_EQ(m_windows->findByCaption(caption), 0u);
    EXPECT_FALSE(m_windows->activate(gone, ActivationWait::UntilActive));
    EXPECT_FALSE(m_windows->restore(gone));
    const Window alive = openWindow("テスト窓 残る" + m_pid);
    EXPECT_TRUE(m_windows->activate(alive, ActivationWait::UntilActive));
}

// Within a poll cycle the target is not waited for again, but a window the user brought to the
// front between two dispatches is still put behind it again.
TEST_P(X11WindowSystemTest, withinOneCycle_laterDispatchStillBringsTheTargetForward)
{
    const Window other = openWindow("ほかの窓" + m_pid);
    const Window target = openWindow("テスト窓 周期" + m_pid);
    m_box.text = "周期" + m_pid;
    m_target->beginCycle();
    m_target->ActivateTarget();
    EXPECT_EQ(focused(), target);
    ASSERT_TRUE(m_windows->activate(other, ActivationWait::UntilActive));
    m_target->ActivateTarget();
    m_target->endCycle();
    EXPECT_TRUE(eventually([&] { return focused() == target; }));
    EXPECT_EQ(keysArriveIn(), target);
}

INSTANTIATE_TEST_SUITE_P(Displays, X11WindowSystemTest, ::testing::Values("DISPLAY", "RUKCON_BARE_DISPLAY"),
                         [](const auto& info) { return std::string(info.param[0] == 'D' ? "Managed" : "Bare"); });

TEST_F(X11WindowSystemManagedTest, minimisedWindow_isListedRestoredAndActivated)
{
    const Window other = openWindow("ほかの窓" + m_pid);
    const Window w = openWindow("テスト窓 最小化" + m_pid);

    iconify(w);
    // Where the manager keeps it in the stacking order is its own business.
    EXPECT_TRUE(contains(listedOurs(), w)) << "a minimised window still counts as visible";
    EXPECT_TRUE(m_windows->restore(w));
    EXPECT_TRUE(viewable(w));
    EXPECT_EQ(wmState(w), NormalState);

    ASSERT_TRUE(m_windows->activate(other, ActivationWait::UntilActive));
    iconify(w);
    m_box.text = "最小化" + m_pid;
    m_target->ActivateTarget();
    EXPECT_EQ(focused(), w);
    EXPECT_EQ(keysArriveIn(), w);
    EXPECT_TRUE(m_target->targetFound());
    EXPECT_TRUE(viewable(w));
    EXPECT_EQ(wmState(w), NormalState);
}

} // namespace

namespace {

TEST_F(X11WindowSystemManagedTest, keepAbove_joinsAndLeavesTheTopBandWithoutMoving)
{
    const Window w = openWindow("テスト窓 手前" + m_pid);
    const Atom above = XInternAtom(m_client, "_NET_WM_STATE_ABOVE", False);
    auto hasAbove = [&] {
        for (long a : longProperty(w, "_NET_WM_STATE")) {
            if (static_cast<Atom>(a) == above)
                return true;
        }
        return false;
    };
    auto placeOnScreen = [&] {
        int x = 0, y = 0;
        Window child = 0;
        XTranslateCoordinates(m_client, w, DefaultRootWindow(m_client), 0, 0, &x, &y, &child);
        XWindowAttributes a{};
        XGetWindowAttributes(m_client, w, &a);
        return std::array<int, 4>{x, y, a.width, a.height};
    };
    const auto before = placeOnScreen();
    ASSERT_FALSE(hasAbove());

    for (int round = 0; round < 2; ++round) {
        ASSERT_TRUE(m_windows->setKeepAbove(w, true));
        EXPECT_TRUE(eventually(hasAbove)) << "round " << round;
        EXPECT_EQ(placeOnScreen(), before);
        ASSERT_TRUE(m_windows->setKeepAbove(w, false));
        EXPECT_TRUE(eventually([&] { return !hasAbove(); })) << "round " << round;
        EXPECT_EQ(placeOnScreen(), before);
    }
}

TEST_F(X11WindowSystemBareTest, deadManagersProperties_goneWindowsSkippedThenFallBackToFocus)
{
    const Window root = DefaultRootWindow(m_client);
    const Window check = createWindow();
    setWindows(check, "_NET_SUPPORTING_WM_CHECK", {check});
    setWindows(root, "_NET_SUPPORTING_WM_CHECK", {check});
    const Window alive = openWindow("テスト窓 残る" + m_pid);
    const Window gone = createWindow();
    setWindows(root, "_NET_CLIENT_LIST_STACKING", {alive, gone});
    XDestroyWindow(m_client, gone);
    XSync(m_client, False);
    m_created.erase(std::find(m_created.begin(), m_created.end(), gone));

    // The client list still names a destroyed window: the listing skips it and goes on.
    EXPECT_EQ(listedOurs(), (Windows{alive}));
    EXPECT_EQ(m_windows->findByCaption("テスト窓 残る" + m_pid), alive);

    // With the check window gone the leftovers no longer count, and this program focuses itself.
    XDestroyWindow(m_client, check);
    XSync(m_client, False);
    m_created.erase(std::find(m_created.begin(), m_created.end(), check));
    EXPECT_TRUE(m_windows->activate(alive, ActivationWait::UntilActive));
    EXPECT_EQ(focused(), alive);
}

TEST_F(X11WindowSystemManagedTest, activeWindowWatch_followsActivationAndCaption_survivesAVanishedWindow)
{
    const std::unique_ptr<rukcon::platform::ActiveWindowWatch> watch =
        rukcon::platform::x11::createActiveWindowWatch(std::getenv("DISPLAY"));
    ASSERT_TRUE(watch && watch->available());
    const Window a = openWindow("監視A " + m_pid);
    const Window b = openWindow("監視B " + m_pid);
    ASSERT_TRUE(m_windows->activate(b, ActivationWait::UntilActive));
    int fd = watch->start(); // the window active now is not reported
    ASSERT_GE(fd, 0);
    // The next change reported, sleeping on the descriptor as the program's event loop does.
    const auto next = [&] {
        std::optional<rukcon::platform::ActiveWindow> change;
        eventually([&] {
            pollfd readable{fd, POLLIN, 0};
            ::poll(&readable, 1, 5);
            change = watch->takeChange();
            return change.has_value();
        });
        return change.value_or(rukcon::platform::ActiveWindow{static_cast<Window>(-1), "none"});
    };

    ASSERT_TRUE(m_windows->activate(a, ActivationWait::UntilActive));
    auto change = next();
    EXPECT_EQ(change.id, a);
    EXPECT_EQ(change.caption, "監視A " + m_pid);
    setCaption(a, "文書を開いた " + m_pid);
    XFlush(m_client);
    change = next();
    EXPECT_EQ(change.id, a);
    EXPECT_EQ(change.caption, "文書を開いた " + m_pid);

    ASSERT_TRUE(m_windows->activate(b, ActivationWait::UntilActive));
    EXPECT_EQ(next().id, b);
    // The followed window goes away; the manager passes the focus on.
    XDestroyWindow(m_client, b);
    m_created.erase(std::find(m_created.begin(), m_created.end(), b));
    XFlush(m_client);
    EXPECT_NE(next().id, b);

    // Stopped, it keeps no connection that could wake the program; started again, it follows again.
    watch->stop();
    EXPECT_EQ(::fcntl(fd, F_GETFD), -1);
    EXPECT_TRUE(watch->available());
    ASSERT_TRUE(m_windows->activate(a, ActivationWait::UntilActive));
    fd = watch->start();
    ASSERT_GE(fd, 0);
    setCaption(a, "止めた後 " + m_pid);
    XFlush(m_client);
    EXPECT_EQ(next().caption, "止めた後 " + m_pid);
}

} // namespace
