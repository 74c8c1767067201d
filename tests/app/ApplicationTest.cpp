#include "app/Application.h"
#include "AppFixture.h"
#include "fakes/FakeSoundDevice.h"
#include "fakes/RecordingKeyboard.h"
#include "fakes/ScriptedController.h"
#include "fakes/ScriptedWindows.h"
#include "fakes/TempFolder.h"
#include "input/PollCycle.h"
#include "platform/null/NullFactory.h"
#include "ui/Colours.h"
#include "ui/MainWindow.h"
#include "ui/MultiRowTabWidget.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <algorithm>
#include <fcntl.h>
#include <map>
#include <sys/stat.h>
#include <unistd.h>

using namespace rukcon;

namespace {

class ApplicationTest : public test::AppFixture {};

TEST_F(ApplicationTest, timers_haveTheirIntervalsAndAreNotRunningBeforeStart)
{
    const std::pair<QTimer*, std::pair<const char*, int>> timers[] = {{&app->pollTimer(), {"Timer1", 100}},
                                                                      {&app->statusTimer(), {"Timer2", 5000}}};
    for (const auto& [timer, expected] : timers) {
        EXPECT_EQ(timer->objectName(), expected.first);
        EXPECT_EQ(timer->interval(), expected.second);
        EXPECT_FALSE(timer->isActive());
        EXPECT_FALSE(timer->isSingleShot());
    }
}

TEST_F(ApplicationTest, firstStart_settingsModeTabZeroBuiltInDefaultsEmptyLists)
{
    app->start();
    EXPECT_TRUE(form().settingsModeBox()->isChecked());
    EXPECT_FALSE(form().settingsModeBox()->isVisibleTo(&form()));
    EXPECT_TRUE(form().settingsTabs()->isVisible());
    EXPECT_FALSE(form().buttonPanel()->isVisible());
    EXPECT_EQ(form().settingsTabs()->currentIndex(), 0);
    EXPECT_TRUE(app->startupPending());
    EXPECT_FALSE(app->paused());
    EXPECT_TRUE(std::filesystem::exists(folder.path() / "設定" / "前回.txt"));
    EXPECT_TRUE(std::filesystem::is_directory(folder.path() / "設定" / "過去の設定"));
    // Without a last-exit file the built-in defaults apply, with empty drop-down lists.
    for (int slot = 0; slot < 15; ++slot) {
        for (QComboBox* box :
             {form().keyChoiceBox(slot, 0), form().keyChoiceBox(slot, 1), form().keyChoiceBox(slot, 2)})
            EXPECT_EQ(box->count(), 0) << box->objectName().toStdString();
    }
    EXPECT_EQ(form().keyChoiceBox(10, 0)->currentText(), "←");
    EXPECT_EQ(form().keyChoiceBox(13, 0)->currentText(), "↓");
    EXPECT_EQ(form().keyChoiceBox(6, 0)->currentText(), "F24");
    EXPECT_EQ(form().keyChoiceBox(14, 0)->currentText(), "F24");
    EXPECT_EQ(form().keyChoiceBox(0, 0)->currentText(), "なし");
    EXPECT_EQ(form().reactionTimeBar()->value(), 128);
    EXPECT_EQ(app->pollTimer().interval(), 128);
    EXPECT_EQ(form().multiplierValue()->text(), "1");
    EXPECT_EQ(form().profileNameBox()->text(), "");
    EXPECT_TRUE(form().keyChoiceBox(14, 1)->isHidden());
    EXPECT_FALSE(app->pollTimer().isActive()) << "nothing to poll in settings mode";
    EXPECT_TRUE(app->statusTimer().isActive());
    EXPECT_EQ(form().windowTitle(), "R・U・Kコン");
    ASSERT_FALSE(sound->calls.empty());
    EXPECT_EQ(sound->calls.front(), "init");
}

TEST_F(ApplicationTest, restart_restoresLastExitWithFilledLists)
{
    app->start();
    form().keyChoiceBox(0, 0)->setEditText("-Q-");
    form().profileNameBox()->setText("ゲーム");
    form().captionFragmentBox()->setEditText("メモ帳");
    ASSERT_TRUE(app->setReactionTime(300));
    ASSERT_TRUE(app->settingsStore().lastExit().SaveLastExit());

    makeApp();
    app->start();
    EXPECT_EQ(form().keyChoiceBox(0, 0)->currentText(), "-Q-");
    EXPECT_EQ(form().profileNameBox()->text(), "ゲーム");
    EXPECT_EQ(form().captionFragmentBox()->currentText(), "メモ帳");
    EXPECT_EQ(app->pollTimer().interval(), 300);
    EXPECT_EQ(form().keyChoiceBox(0, 0)->count(), 106);
}

TEST_F(ApplicationTest, start_noAudioDevice_oneMessageAndStartGoesOn)
{
    sound->initResult = false;
    app->start();
    EXPECT_EQ(app::QtUserMessages::recorded(), (std::vector<std::string>{"i:DirectSoundは使えません。"}));
    EXPECT_TRUE(app->statusTimer().isActive());
}

TEST_F(ApplicationTest, noWindowSystem_toldOnceThenTheStatusTickShowsTheController)
{
    app->start();
    app::QtUserMessages::recorded().clear();
    app->reportNoWindowSystem();
    const std::string onStatusLine = form().statusLine()->text().toStdString();
    QCoreApplication::processEvents();
    ASSERT_EQ(app::QtUserMessages::recorded(), std::vector<std::string>{"w:" + onStatusLine});
    EXPECT_NE(onStatusLine.find("キーを送れません("), std::string::npos) << onStatusLine;
    EXPECT_TRUE(onStatusLine.ends_with(")。")) << onStatusLine;
    plugController();
    app->onStatusTick();
    app->onStatusTick();
    EXPECT_EQ(form().statusLine()->text(), "コントローラ ID : 1　ボタン数 : 12")
        << "the controller status stays hidden";
    EXPECT_EQ(app::QtUserMessages::recorded().size(), 1u);
}

// Both timers tick while a modal box is open; the poll tick types nothing then.
TEST_F(ApplicationTest, messageBox_statusTickGoesOnAndPollingWaitsForTheBox)
{
    windows->add(2, "メモ帳");
    app->start();
    form().captionFragmentBox()->setEditText("メモ帳");
    form().keyChoiceBox(0, 0)->setEditText("-A-");
    plugController(0x1);
    keyLog.clear();
    bool boxSeen = false;
    app::QtUserMessages::setRecording(true, [&] {
        boxSeen = true;
        EXPECT_TRUE(app->statusTimer().isActive()) << "the status tick stops while a box is open";
        app->onStatusTick(); // a tick arriving while the box is open
        EXPECT_FALSE(app->startupPending());
        EXPECT_EQ(form().statusLine()->text(), "コントローラ ID : 1　ボタン数 : 12");
        EXPECT_FALSE(app->pollTimer().isActive()) << "polls while a box is open";
    });
    app->reportNoWindowSystem(); // any box will do
    QCoreApplication::processEvents();
    app::QtUserMessages::setRecording(true);
    ASSERT_TRUE(boxSeen);
    EXPECT_EQ(std::ranges::count_if(keyLog, [](const std::string& e) { return e.ends_with('+'); }), 0)
        << "a key was pressed while the box was open";
    EXPECT_TRUE(app->pollTimer().isActive()) << "polling does not resume after the box";
    app->onPollTick();
    EXPECT_FALSE(keyLog.empty());
}

TEST_F(ApplicationTest, statusTick_showsStatusAndFirstTickOnlyLeavesSettingsMode)
{
    app->start();
    app->onStatusTick();
    EXPECT_EQ(form().statusLine()->text(), "コントローラをパソコンにつないでください。");
    EXPECT_FALSE(form().settingsModeBox()->isChecked());
    EXPECT_FALSE(form().settingsTabs()->isVisible());
    EXPECT_TRUE(form().buttonPanel()->isVisible());

    plugController();
    form().settingsModeBox()->setChecked(true); // the user opened the settings meanwhile
    app->onStatusTick();
    EXPECT_EQ(form().statusLine()->text(), "コントローラ ID : 1　ボタン数 : 12");
    EXPECT_TRUE(form().settingsModeBox()->isChecked()) << "only the first tick ends settings mode";
}

TEST_F(ApplicationTest, pollTick_heldButtonTypesIntoTargetAndLightsIndicator)
{
    windows->add(1, "R・U・Kコン");
    windows->add(2, "無題 - メモ帳");
    app->start();
    form().captionFragmentBox()->setEditText("メモ帳");
    form().keyChoiceBox(0, 0)->setEditText("-A-");
    plugController(0x1);
    app->onStatusTick(); // detection, and settings mode ends
    keyLog.clear();

    app->onPollTick();
    EXPECT_EQ(keyLog, (test::EventLog{"65+", "65-", "16-", "17-", "18-"}));
    EXPECT_EQ(windows->front(), 2u);
    EXPECT_EQ(form().statusLine()->text(), "Aキーを押した");
    EXPECT_EQ(ui::buttonColour(form().layoutButton(4)), ui::kHeldIndicatorColour);
    EXPECT_EQ(ui::buttonColour(form().layoutButton(5)), ui::kIdleIndicatorColour);
    EXPECT_EQ(form().keySink()->text(), "");
}

// The program as main builds it when the display offers neither key emission nor a window list:
// it runs, and never tells of a key it could not send.
TEST_F(ApplicationTest, nullBackends_heldButtonFindsNoTargetAndClaimsNoKey)
{
    app.reset();
    app::PlatformParts parts;
    auto c = std::make_unique<test::ScriptedController>();
    controller = c.get();
    parts.controller = std::move(c);
    parts.windowing.keys = platform::null::createKeyEmitter();
    parts.windowing.windows = platform::null::createWindowSystem();
    parts.sound = std::make_unique<test::FakeSoundDevice>();
    app = std::make_unique<app::Application>(std::move(parts), settings::ProgramFolders::BesideProgram(folder.path()));
    app->start();
    form().captionFragmentBox()->setEditText("メモ帳");
    form().keyChoiceBox(0, 0)->setEditText("-A-");
    plugController(0x1);
    app->onStatusTick();
    app->onPollTick();
    EXPECT_EQ(form().statusLine()->text(), "コントローラ ID : 1　ボタン数 : 12");
    EXPECT_EQ(ui::buttonColour(form().layoutButton(4)), ui::kHeldIndicatorColour);
}

TEST_F(ApplicationTest, pollTick_suspendedBySettingsModeAndPause)
{
    windows->add(2, "メモ帳");
    app->start();
    form().captionFragmentBox()->setEditText("メモ帳");
    form().keyChoiceBox(0, 0)->setEditText("-A-");
    plugController(0x1);
    app->onStatusTick();
    keyLog.clear();

    form().settingsModeBox()->setChecked(true);
    app->onPollTick();
    form().settingsModeBox()->setChecked(false);
    app->setPaused(true);
    app->onPollTick();
    EXPECT_TRUE(keyLog.empty());
    app->setPaused(false);
    app->onPollTick();
    EXPECT_FALSE(keyLog.empty());
}

TEST_F(ApplicationTest, pollTimer_runsOnlyWithAControllerOutsideSettingsModeAndPause)
{
    app->start();
    app->onStatusTick(); // no controller; settings mode ends
    QTimer* pollTimer = &app->pollTimer();
    EXPECT_FALSE(pollTimer->isActive()) << "polls with no controller";
    EXPECT_EQ(ui::buttonColour(form().layoutButton(0)), ui::kNoControllerIndicatorColour);

    plugController();
    app->onStatusTick();
    EXPECT_TRUE(pollTimer->isActive()) << "detection did not start polling";
    app->onPollTick();
    EXPECT_EQ(ui::buttonColour(form().layoutButton(0)), ui::kIdleIndicatorColour);

    form().settingsModeBox()->setChecked(true);
    EXPECT_FALSE(pollTimer->isActive()) << "polls in settings mode";
    form().settingsModeBox()->setChecked(false);
    EXPECT_TRUE(pollTimer->isActive());
    app->setPaused(true);
    EXPECT_FALSE(pollTimer->isActive()) << "polls while paused";
    app->setPaused(false);
    EXPECT_TRUE(pollTimer->isActive());
    EXPECT_EQ(pollTimer->interval(), app->timing().reactionTime());
    EXPECT_EQ(pollTimer->timerType(), Qt::PreciseTimer) << "a coarse timer strays 5 % from the reaction time";

    controller->count = 0; // unplugged
    app->onStatusTick();
    EXPECT_FALSE(pollTimer->isActive());
    EXPECT_EQ(ui::buttonColour(form().layoutButton(0)), ui::kNoControllerIndicatorColour) << "the loss is not shown";
}

TEST_F(ApplicationTest, controllerEvent_runsACycleAtOnceAndTheTicksRestWhileNothingIsHeld)
{
    // A pipe stands for the controller's event device.
    const std::string events = (folder.path() / "event0").string();
    ASSERT_EQ(mkfifo(events.c_str(), 0600), 0);
    windows->add(2, "メモ帳");
    app->start();
    form().captionFragmentBox()->setEditText("メモ帳");
    form().keyChoiceBox(0, 0)->setEditText("-A-");
    plugController();
    controller->ids[0].eventPath = events;
    app->onStatusTick();
    ASSERT_TRUE(app->controllerWakeup().watching());
    app->onPollTick(); // the first tick reads the controller: nothing held
    EXPECT_FALSE(app->pollTimer().isActive()) << "polls while nothing is held";

    keyLog.clear();
    controller->ids[0].position.buttons = 0x1;
    const int writer = open(events.c_str(), O_WRONLY | O_NONBLOCK);
    ASSERT_GE(writer, 0);
    ASSERT_EQ(write(writer, "e", 1), 1);
    for (int i = 0; i < 50 && keyLog.empty(); ++i)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 100);
    EXPECT_EQ(keyLog, (test::EventLog{"65+", "65-", "16-", "17-", "18-"})) << "the event ran no cycle";
    EXPECT_TRUE(app->pollTimer().isActive()) << "a held input must repeat at the reaction time";
    EXPECT_EQ(app->pollTimer().interval(), app->timing().reactionTime());
    EXPECT_EQ(app->pollTimer().timerType(), Qt::PreciseTimer) << "a coarse timer strays 5 % from the reaction time";

    controller->ids[0].position.buttons = 0;
    app->onPollTick();
    EXPECT_FALSE(app->pollTimer().isActive());

    // The writer leaves (the device unplugged): the file is watched no more, and polled instead.
    close(writer);
    for (int i = 0; i < 50 && app->controllerWakeup().watching(); ++i)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 100);
    EXPECT_FALSE(app->controllerWakeup().watching()) << "a file at its end stays watched";
    EXPECT_TRUE(app->pollTimer().isActive()) << "no polling after the device went";
}

TEST_F(ApplicationTest, scrollBars_handlerRunsOnEqualValueAndRefusesOutOfRange)
{
    app->start();
    ASSERT_TRUE(app->setReactionTime(1000));
    EXPECT_EQ(app->pollTimer().interval(), 1000);
    EXPECT_EQ(form().reactionTimeValue()->text(), "1000");

    form().reactionTimeValue()->setText("stale");
    ASSERT_TRUE(app->setReactionTime(1000));
    EXPECT_EQ(form().reactionTimeValue()->text(), "1000");

    EXPECT_FALSE(app->setReactionTime(2000));
    EXPECT_FALSE(app->setReactionTime(49));
    EXPECT_EQ(form().reactionTimeBar()->value(), 1000);
    EXPECT_EQ(app->pollTimer().interval(), 1000);

    ASSERT_TRUE(app->setArrowMultiplier(10));
    EXPECT_EQ(form().multiplierValue()->text(), "10");
    EXPECT_EQ(app->pollCycle().ArrowMultiplier, 10);
    EXPECT_FALSE(app->setArrowMultiplier(0));
    EXPECT_FALSE(app->setArrowMultiplier(11));
    EXPECT_EQ(app->pollCycle().ArrowMultiplier, 10);

    form().multiplierBar()->setValue(3); // a user move runs the same handler
    EXPECT_EQ(form().multiplierValue()->text(), "3");
    EXPECT_EQ(app->pollCycle().ArrowMultiplier, 3);
}

enum class ExitPath { TrayEnd, WindowEnd, WindowEndSaveFails, Signal, SessionEnd };

std::string ExitPathName(ExitPath path)
{
    static const char* const names[] = {"trayEnd", "windowEnd", "windowEndSaveFails", "signal", "sessionEnd"};
    return names[static_cast<int>(path)];
}

class ExitPathTest : public test::AppFixture, public ::testing::WithParamInterface<ExitPath> {};

// The event pass inside a tap lets a click in while the key is down. However the program ends,
// no key it pressed is down and no timer runs when a box opens or the program ends.
TEST_P(ExitPathTest, endDuringATap_noKeyDownAtTheBoxOrTheEnd)
{
    const ExitPath path = GetParam();
    windows->add(2, "メモ帳");
    app->setUsesTray(true);
    app->start();
    form().captionFragmentBox()->setEditText("メモ帳");
    form().keyChoiceBox(0, 0)->setEditText("-A-");
    plugController(0x1);
    app->onStatusTick();
    if (path == ExitPath::SessionEnd)
        form().hide();
    if (path == ExitPath::WindowEndSaveFails) {
        const auto lastExit = folder.path() / "設定" / "前回.txt";
        std::filesystem::remove(lastExit);
        std::filesystem::create_directories(lastExit / "blocked");
    }
    std::vector<std::string> downAt; // at each box and at the end: keys down, timers running
    auto look = [&](const char* moment) {
        std::map<std::string, int> down;
        for (const std::string& e : keyLog)
            down[e.substr(0, e.size() - 1)] += e.back() == '+' ? 1 : -1;
        std::string state = moment;
        for (const auto& [code, n] : down)
            state += n > 0 ? " " + code : "";
        if (app->pollTimer().isActive() || app->statusTimer().isActive())
            state += " timer";
        downAt.push_back(state);
    };
    app->setExitFunction([&](int) { look("end"); });
    app::QtUserMessages::setRecording(true, [&] { look("box"); });
    keyLog.clear();
    QTimer::singleShot(0, app.get(), [&] {
        if (path == ExitPath::TrayEnd)
            app->ExitProgram();
        else if (path == ExitPath::Signal)
            app->endWithoutSaving();
        else if (path == ExitPath::SessionEnd)
            form().close();
        else
            form().exitButton()->click();
    });
    app->onPollTick();
    app::QtUserMessages::setRecording(true);

    ASSERT_EQ(keyLog.front(), "65+") << "the end must come during the tap";
    if (path == ExitPath::WindowEndSaveFails)
        EXPECT_EQ(downAt, (std::vector<std::string>{"box", "end"}));
    else
        EXPECT_EQ(downAt, std::vector<std::string>{"end"});
}

INSTANTIATE_TEST_SUITE_P(Paths, ExitPathTest,
                         ::testing::Values(ExitPath::TrayEnd, ExitPath::WindowEnd, ExitPath::WindowEndSaveFails,
                                           ExitPath::Signal, ExitPath::SessionEnd),
                         [](const auto& info) { return ExitPathName(info.param); });

} // namespace
