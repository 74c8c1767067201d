// The whole program logic on KDE Plasma's KWin, headless, with its permission checks on: an SDL
// virtual joystick as the controller, KWin's fake input for the keys, its window management for
// the activation, and two small Qt Wayland windows that log what they receive as the target
// programs. The trusted run is this program installed in the place of the installed executable,
// so that KWin trusts it only through the menu entry `cmake --install` wrote (kwin-test.sh);
// the untrusted run is the same program where it was built.
#include <gtest/gtest.h>

#include "app/Application.h"
#include "app/AutomaticSwitching.h"
#include "app/QtUserMessages.h"
#include "app/WindowingChoice.h"
#include "fakes/FakeSoundDevice.h"
#include "fakes/TempFolder.h"
#include "fakes/VirtualPad.h"
#include "platform/kwin/KwinFactory.h"
#include "platform/sdl/SdlFactory.h"
#include "ui/MainWindow.h"
#include "ui/TrayWindow.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QLineEdit>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <fstream>
#include <map>
#include <optional>
#include <spawn.h>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <thread>

extern char** environ;

using namespace rukcon;

namespace {

template <typename Done> bool eventually(Done done)
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (!done()) {
        if (std::chrono::steady_clock::now() >= deadline)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return true;
}

std::string contents(const std::filesystem::path& file)
{
    std::ifstream in(file);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

// A Qt Wayland window that logs the text typed into it, and each key going down and up.
class LogWindow {
public:
    LogWindow(const std::string& title, std::filesystem::path file) : m_file(std::move(file))
    {
        const std::string path = m_file.string();
        const char* argv[] = {RUKCON_TEXT_LOG_WINDOW, title.c_str(), path.c_str(), nullptr};
        std::vector<std::string> env = {"QT_QPA_PLATFORM=wayland"};
        for (char** e = environ; *e; ++e) {
            if (std::string_view(*e).rfind("QT_QPA_PLATFORM=", 0) != 0)
                env.emplace_back(*e);
        }
        std::vector<char*> envp;
        for (std::string& e : env)
            envp.push_back(e.data());
        envp.push_back(nullptr);
        if (posix_spawn(&m_pid, RUKCON_TEXT_LOG_WINDOW, nullptr, nullptr, const_cast<char**>(argv), envp.data()) != 0)
            m_pid = 0;
    }
    ~LogWindow()
    {
        if (m_pid > 0) {
            kill(m_pid, SIGTERM);
            waitpid(m_pid, nullptr, 0);
        }
    }
    bool started() const { return m_pid > 0; }
    std::string text() const { return contents(m_file); }
    // Keys that went down and did not come up again, as Qt key codes in hex.
    std::vector<std::string> keysDown() const
    {
        std::map<std::string, int> balance;
        std::istringstream lines(contents(m_file.string() + ".keys"));
        for (std::string line; std::getline(lines, line);) {
            if (!line.empty())
                balance[line.substr(1)] += line[0] == '+' ? 1 : -1;
        }
        std::vector<std::string> down;
        for (const auto& [key, count] : balance) {
            // Qt sends a release of each modifier as the window gains the focus: more ups than
            // downs are harmless.
            if (count > 0)
                down.push_back(key);
        }
        return down;
    }
    bool receivedNothing() const { return contents(m_file.string() + ".keys").empty(); }

private:
    std::filesystem::path m_file;
    pid_t m_pid = 0;
};

bool trustedRun()
{
    return std::getenv("WAYLAND_DISPLAY") && std::getenv("RUKCON_KWIN_TRUSTED");
}

class KwinSessionTest : public ::testing::Test {
protected:
    test::TempFolder folder;
    std::unique_ptr<app::Application> app;
    std::optional<test::VirtualPad> pad;

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
        app::PlatformParts parts;
        parts.controller = platform::sdl::createController();
        parts.windowing = std::move(chosen.backends);
        parts.sound = std::make_unique<test::FakeSoundDevice>();
        pad.emplace(2, 12, 1);
        app = std::make_unique<app::Application>(std::move(parts),
                                                 settings::ProgramFolders::BesideProgram(folder.path()));
        app->start();
        app->onStatusTick();
        ASSERT_EQ(app->controllerAccess().controllerId(), 0);
    }

    void TearDown() override
    {
        app.reset();
        pad.reset();
    }

    void holdFor(int b, int ticks)
    {
        pad->setButton(b, true);
        for (int tick = 0; tick < ticks; ++tick)
            app->onPollTick();
        pad->setButton(b, false);
        app->onPollTick(); // the release
    }
    // Front to back, after the empty entry the list starts with.
    std::vector<std::string> captions() { return app->targetActivation().ListTopLevelCaptions(); }
    std::string front() { return captions().at(1); }
    bool listed(const std::string& caption)
    {
        const std::vector<std::string> all = captions();
        return std::find(all.begin(), all.end(), caption) != all.end();
    }
};

TEST_F(KwinSessionTest, heldInputsBringTheTargetForwardAndTypeIntoItAlone)
{
    // The target opens first, so the second window lies in front of it with the focus.
    LogWindow target("KDE窓A - メモ", folder.path() / "target.txt");
    ASSERT_TRUE(target.started());
    ASSERT_TRUE(eventually([&] { return listed("KDE窓A - メモ"); })) << "the window did not appear";
    LogWindow other("KDE窓B - メモ", folder.path() / "other.txt");
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
    const std::string keysBefore = contents(folder.path() / "target.txt.keys");
    holdFor(4, 1);
    EXPECT_TRUE(eventually([&] { return contents(folder.path() / "target.txt.keys").size() > keysBefore.size(); }))
        << "F13 sent nothing";
    EXPECT_TRUE(eventually([&] { return target.keysDown().empty(); }))
        << "keys left down: " << ::testing::PrintToString(target.keysDown());
    EXPECT_TRUE(other.receivedNothing()) << "keys reached the window in front: " << other.text();
}

// With 自動切替 on, moving to a window puts the user-menu entry naming it into force, as KWin
// reports the move.
TEST_F(KwinSessionTest, autoSwitch_followsTheWindowTheUserMovesTo)
{
    LogWindow memo("KDE窓C - メモ", folder.path() / "memo.txt");
    ASSERT_TRUE(eventually([&] { return listed("KDE窓C - メモ"); })) << "the window did not appear";
    LogWindow paint("KDE窓D - 絵", folder.path() / "paint.txt");
    ASSERT_TRUE(eventually([&] { return listed("KDE窓D - 絵"); }));
    ui::MainWindow& form = app->form();
    form.settingsModeBox()->setChecked(false);
    for (const auto& [name, fragment] : {std::pair{"メモ用", "メモ"}, std::pair{"絵用", "絵"}}) {
        form.profileNameBox()->setText(name);
        form.captionFragmentBox()->setEditText(fragment);
        ASSERT_TRUE(app->settingsStore().menu().AddCurrentToMenu());
    }
    form.profileNameBox()->setText("今の");
    app->tray().autoSwitchItem()->trigger();
    ASSERT_TRUE(app->automaticSwitching().listening()) << "the item is disabled on KWin";

    // The user's own hand on the compositor.
    std::optional<platform::Backends> user = platform::kwin::createBackends();
    ASSERT_TRUE(user);
    const auto moveTo = [&](const std::string& caption, const QString& profile) {
        ASSERT_TRUE(
            user->windows->activate(user->windows->findByCaption(caption), platform::ActivationWait::UntilActive));
        EXPECT_TRUE(eventually([&] {
            QCoreApplication::processEvents();
            return form.profileNameBox()->text() == profile;
        })) << "in force: "
            << form.profileNameBox()->text().toStdString();
    };
    moveTo("KDE窓C - メモ", "メモ用");
    moveTo("KDE窓D - 絵", "絵用");
    moveTo("KDE窓C - メモ", "メモ用");
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
