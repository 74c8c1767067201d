// The whole program logic on the real backends: an SDL virtual joystick as the controller,
// XTest for the keys, the X11 window code for the activation, and a real X client window as
// the target program. Needs DISPLAY with a window manager (make test provides one).
#include <gtest/gtest.h>

#include "app/Application.h"
#include "app/AutomaticSwitching.h"
#include "app/QtUserMessages.h"
#include "fakes/FakeSoundDevice.h"
#include "fakes/TempFolder.h"
#include "fakes/VirtualPad.h"
#include "input/PollCycle.h"
#include "platform/sdl/SdlFactory.h"
#include "platform/x11/X11Factory.h"
#include "settings/UserMenu.h"
#include "ui/MainWindow.h"
#include "ui/TrayWindow.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>

#include <SDL.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/keysym.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <iostream>
#include <optional>
#include <string>
#include <thread>

using namespace rukcon;

namespace {

// Passes every key on to the real emitter and counts the presses.
class CountingEmitter : public platform::KeyEmitter {
public:
    explicit CountingEmitter(std::unique_ptr<platform::KeyEmitter> inner) : m_inner(std::move(inner)) {}
    int presses = 0;
    bool sendKey(uint8_t code, bool down) override
    {
        presses += down ? 1 : 0;
        return m_inner->sendKey(code, down);
    }

private:
    std::unique_ptr<platform::KeyEmitter> m_inner;
};

// A plain X client window standing in for the target program; it reports the text typed.
class TargetWindow {
public:
    explicit TargetWindow(const std::string& caption)
    {
        m_display = XOpenDisplay(nullptr);
        if (!m_display)
            return;
        m_window = XCreateSimpleWindow(m_display, DefaultRootWindow(m_display), 50, 50, 300, 200, 0, 0, 0xFFFFFF);
        XSelectInput(m_display, m_window, KeyPressMask | KeyReleaseMask | StructureNotifyMask | FocusChangeMask);
        Xutf8SetWMProperties(m_display, m_window, caption.c_str(), caption.c_str(), nullptr, 0, nullptr, nullptr,
                             nullptr);
        XMapWindow(m_display, m_window);
        XFlush(m_display);
        waitFor([](const XEvent& e) { return e.type == MapNotify; });
    }
    ~TargetWindow()
    {
        if (m_display) {
            XDestroyWindow(m_display, m_window);
            XCloseDisplay(m_display);
        }
    }
    bool ok() const { return m_display && m_mapped; }
    Window id() const { return m_window; }

    // Text of the key presses that arrived; up to `presses` of them, waiting a bounded time.
    std::string typed(int presses)
    {
        std::string text;
        int seen = 0;
        waitFor([&](const XEvent& e) {
            if (e.type == MappingNotify) {
                XMappingEvent copy = e.xmapping;
                XRefreshKeyboardMapping(&copy);
            }
            if (e.type != KeyPress)
                return false;
            XKeyEvent key = e.xkey;
            char buffer[8] = {};
            KeySym sym = NoSymbol;
            const int n = XLookupString(&key, buffer, sizeof buffer, &sym, nullptr);
            if (n > 0)
                text.append(buffer, static_cast<size_t>(n));
            return ++seen >= presses;
        });
        return text;
    }

    // True when no key is down on the server (no Shift left pressed).
    // The program's key events come on its own connection, which it flushes without waiting for
    // the server: the last release may still be on its way when the key before it arrives here.
    bool noKeyDown() const
    {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
        for (;;) {
            char keys[32];
            XQueryKeymap(m_display, keys);
            if (std::all_of(std::begin(keys), std::end(keys), [](char k) { return k == 0; }))
                return true;
            if (std::chrono::steady_clock::now() >= deadline)
                return false;
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
    }

private:
    template <typename Pred> void waitFor(Pred pred)
    {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
        while (std::chrono::steady_clock::now() < deadline) {
            while (XPending(m_display)) {
                XEvent e;
                XNextEvent(m_display, &e);
                if (e.type == MapNotify)
                    m_mapped = true;
                if (pred(e))
                    return;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
    }

    Display* m_display = nullptr;
    Window m_window = 0;
    bool m_mapped = false;
};

class EndToEndTest : public ::testing::Test {
protected:
    test::TempFolder folder;
    std::unique_ptr<app::Application> app;
    CountingEmitter* keys = nullptr;
    std::optional<test::VirtualPad> pad;

    void SetUp() override
    {
        if (!std::getenv("DISPLAY"))
            GTEST_SKIP() << "needs an X display";
        app::QtUserMessages::setRecording(true);
        app::PlatformParts parts;
        parts.controller = platform::sdl::createController(); // brings up SDL's joystick part
        auto emitter = platform::x11::createKeyEmitter();
        ASSERT_TRUE(emitter);
        auto counting = std::make_unique<CountingEmitter>(std::move(emitter));
        keys = counting.get();
        parts.windowing.keys = std::move(counting);
        parts.windowing.windows = platform::x11::createWindowSystem();
        ASSERT_TRUE(parts.windowing.windows);
        parts.windowing.activeWindow = platform::x11::createActiveWindowWatch();
        parts.sound = std::make_unique<test::FakeSoundDevice>();

        pad.emplace(2, 12, 1);

        app = std::make_unique<app::Application>(std::move(parts),
                                                 settings::ProgramFolders::BesideProgram(folder.path()));
        app->start();
        app->onStatusTick(); // detects the pad and ends the start-up settings hold
        ASSERT_EQ(app->controllerAccess().controllerId(), 0);
    }

    void TearDown() override
    {
        app.reset();
        pad.reset();
    }

    void button(int b, bool down) { pad->setButton(b, down); }
    ui::MainWindow& form() { return app->form(); }
};

TEST_F(EndToEndTest, heldInputsTypeIntoTheTargetWindow)
{
    TargetWindow target("E2Eテスト窓 - メモ");
    ASSERT_TRUE(target.ok());
    form().captionFragmentBox()->setEditText("テスト窓");
    form().keyChoiceBox(0, 0)->setEditText("-A-");
    form().keyChoiceBox(1, 0)->setEditText("SHIFT");
    form().keyChoiceBox(1, 1)->setEditText("-C-");
    form().keyChoiceBox(11, 0)->setEditText("-R-");

    // Button 1 held: one a per tick.
    button(0, true);
    for (int tick = 0; tick < 3; ++tick)
        app->onPollTick();
    EXPECT_EQ(target.typed(3), "aaa");
    button(0, false);

    // Button 2 held: Shift down, C, then Shift released by the cycle.
    button(1, true);
    app->onPollTick();
    EXPECT_EQ(target.typed(2), "C"); // the Shift press has no text
    EXPECT_TRUE(target.noKeyDown()) << "a modifier was left down";
    button(1, false);

    // Stick right at multiplier 2: two taps per tick.
    ASSERT_TRUE(app->setArrowMultiplier(2));
    pad->setAxis(0, 32767);
    app->onPollTick();
    EXPECT_EQ(target.typed(2), "rr");
    pad->setAxis(0, 0);

    // A fragment that matches no window: nothing is sent at all.
    form().captionFragmentBox()->setEditText("どこにもない窓");
    button(0, true);
    const int before = keys->presses;
    app->onPollTick();
    EXPECT_EQ(keys->presses, before) << "no key may be pressed without a target";
    button(0, false);
}

// The user moves between two programs, each with its own user-menu entry; the window manager
// makes each one active in turn.
TEST_F(EndToEndTest, autoSwitch_activatingEachWindowPutsItsEntryIntoForceAndTypesItsKey)
{
    TargetWindow first("切替テスト 一 - 文書");
    TargetWindow second("切替テスト 二 - 文書");
    ASSERT_TRUE(first.ok() && second.ok());
    for (const auto& [name, fragment, key] : {std::tuple{"一用", "テスト 一", "-A-"}, {"二用", "テスト 二", "-B-"}}) {
        form().profileNameBox()->setText(name);
        form().captionFragmentBox()->setEditText(fragment);
        form().keyChoiceBox(0, 0)->setEditText(key);
        ASSERT_TRUE(app->settingsStore().menu().AddCurrentToMenu());
    }
    form().settingsModeBox()->setChecked(false);
    form().profileNameBox()->setText("手で設定");
    form().captionFragmentBox()->setEditText("どこにもない窓");
    QAction* item = app->tray().autoSwitchItem();
    // The window manager may have started after the program: opening the menu asks again.
    emit app->tray().menu()->aboutToShow();
    ASSERT_TRUE(item->isEnabled()) << "the window manager names its active window";

    const auto activate = [](Window w) {
        return std::system(("xdotool windowactivate --sync " + std::to_string(w)).c_str()) == 0;
    };
    const auto waitForProfile = [this](const QString& name) {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
        while (form().profileNameBox()->text() != name && std::chrono::steady_clock::now() < deadline)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
        return form().profileNameBox()->text() == name;
    };

    item->trigger();
    ASSERT_TRUE(app->automaticSwitching().listening());
    for (auto [window, name, letter] :
         {std::tuple{&first, "一用", "a"}, {&second, "二用", "b"}, {&first, "一用", "a"}}) {
        ASSERT_TRUE(activate(window->id()));
        const auto activated = std::chrono::steady_clock::now();
        ASSERT_TRUE(waitForProfile(name)) << name;
        // Reported, not asserted: the machine is shared.
        std::cout << "[ switched to " << name << " after "
                  << std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - activated).count()
                  << " ms ]" << std::endl;
        EXPECT_EQ(form().statusLine()->text(), QString("「%1」に切り替えた").arg(name));
        EXPECT_EQ(app->tray().windowTitle(), name) << "the tooltip's text";
        button(0, true);
        app->onPollTick();
        EXPECT_EQ(window->typed(1), letter);
        button(0, false);
        app->onPollTick();
    }

    // Off: nothing listens, so activating the other window changes nothing.
    item->trigger();
    EXPECT_FALSE(app->automaticSwitching().listening());
    ASSERT_TRUE(activate(second.id()));
    for (int i = 0; i < 20; ++i)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 10);
    EXPECT_EQ(form().profileNameBox()->text(), "一用");
}

} // namespace
