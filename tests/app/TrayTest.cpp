#include "app/Application.h"
#include "app/AutomaticSwitching.h"
#include "app/QtUserMessages.h"
#include "app/TrayCommands.h"
#include "fakes/FakeSoundDevice.h"
#include "fakes/RecordingKeyboard.h"
#include "fakes/ScriptedActiveWindow.h"
#include "fakes/ScriptedController.h"
#include "fakes/ScriptedWindows.h"
#include "fakes/TempFolder.h"
#include "settings/TextCodec.h"
#include "ui/MainWindow.h"
#include "ui/MultiRowTabWidget.h"
#include "ui/TrayWindow.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QScrollBar>
#include <QSystemTrayIcon>
#include <QTimer>

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>

using namespace rukcon;

namespace {

// The program with a tray, on fakes; the click effect is handle 1 and the alert handle 2.
class TrayTest : public ::testing::Test {
protected:
    test::EventLog keyLog;
    test::ScriptedWindows* windows = nullptr;
    test::FakeSoundDevice* sound = nullptr;
    test::ScriptedController* controller = nullptr;
    test::ScriptedActiveWindow* activeWindow = nullptr;
    std::unique_ptr<app::Application> app;
    test::TempFolder folder;
    std::vector<int> exits;

    void SetUp() override
    {
        app::QtUserMessages::setRecording(true);
        folder.write("bgm/001.wav", "click");
        folder.write("bgm/002.wav", "alert");
        makeApp();
    }

    void makeApp()
    {
        app.reset();
        app::PlatformParts parts;
        auto w = std::make_unique<test::ScriptedWindows>();
        auto s = std::make_unique<test::FakeSoundDevice>();
        windows = w.get();
        sound = s.get();
        auto c = std::make_unique<test::ScriptedController>();
        auto a = std::make_unique<test::ScriptedActiveWindow>();
        controller = c.get();
        activeWindow = a.get();
        parts.controller = std::move(c);
        parts.windowing.activeWindow = std::move(a);
        parts.windowing.keys = std::make_unique<test::RecordingKeyboard>(keyLog);
        parts.windowing.windows = std::move(w);
        parts.sound = std::move(s);
        app = std::make_unique<app::Application>(std::move(parts),
                                                 settings::ProgramFolders::BesideProgram(folder.path()));
        app->setUsesTray(true);
        app->setExitFunction([this](int code) { exits.push_back(code); });
    }

    ui::MainWindow& form() { return app->form(); }
    ui::TrayWindow& tray() { return app->tray(); }

    // The sounds played since the last call: "click", "alert".
    std::vector<std::string> sounds()
    {
        std::vector<std::string> out;
        for (const auto& call : sound->calls) {
            if (call == "play 1")
                out.push_back("click");
            else if (call == "play 2")
                out.push_back("alert");
        }
        sound->calls.clear();
        return out;
    }

    void startAndSettle()
    {
        app->start();
        sounds();
        windows->log.clear();
    }

    void addMenuEntry(const QString& name)
    {
        form().profileNameBox()->setText(name);
        ASSERT_TRUE(app->settingsStore().menu().AddCurrentToMenu());
    }

    // The user moves to a window; returns once the program has read the change (bounded).
    void moveTo(platform::WindowId id, const std::string& caption, std::optional<bool> own = std::nullopt)
    {
        const int before = activeWindow->taken;
        activeWindow->report(id, caption, own);
        for (int i = 0; i < 1000 && activeWindow->taken == before; ++i)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
        ASSERT_GT(activeWindow->taken, before) << "the change was never read";
    }

    void addMenuEntry(const QString& name, const QString& fragment)
    {
        form().captionFragmentBox()->setEditText(fragment);
        addMenuEntry(name);
    }

    std::string fileBytes(const std::filesystem::path& p)
    {
        std::ifstream in(p, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }
};

TEST_F(TrayTest, menu_itemsInOrderWithIdentifiersAndCaptions)
{
    const std::vector<std::pair<QString, QString>> expected{{"mnopen", "動作チェック"},
                                                            {"Teisi", "一時停止"},
                                                            {"Sact", "RUKアクティブ"},
                                                            {"openUmn", "ユーザーメニューを開く"},
                                                            {"autoSwitch", "自動切替"},
                                                            {"hosi1", ""},
                                                            {"M1", "M1"},
                                                            {"M2", "M2"},
                                                            {"M3", "M3"},
                                                            {"M4", "M4"},
                                                            {"M5", "M5"},
                                                            {"M6", "M6"},
                                                            {"M7", "M7"},
                                                            {"M8", "M8"},
                                                            {"M9", "M9"},
                                                            {"M10", "M10"},
                                                            {"M11", "M11"},
                                                            {"M12", "M12"},
                                                            {"hosi2", ""},
                                                            {"Zenkai", "前回の終了時に戻す"},
                                                            {"Uzer", "ユーザーデフォルトにする"},
                                                            {"Shoki", "初期状態にする"},
                                                            {"mnend", "終了"}};
    const auto actions = tray().menu()->actions();
    ASSERT_EQ(actions.size(), static_cast<qsizetype>(expected.size()));
    for (size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(actions[i]->objectName(), expected[i].first);
        EXPECT_EQ(actions[i]->text(), expected[i].second);
        EXPECT_EQ(actions[i]->isSeparator(), expected[i].first.startsWith("hosi"));
    }
    EXPECT_EQ(tray().objectName(), "Porm1");
    EXPECT_EQ(tray().menu()->objectName(), "mn1");
    EXPECT_TRUE(tray().pauseItem()->isCheckable());
    EXPECT_TRUE(tray().autoSwitchItem()->isCheckable());
    EXPECT_FALSE(tray().isVisible());
}

TEST_F(TrayTest, startup_iconWithRestoredNameAndEmptyMenuHidesEntriesAndSeparators)
{
    startAndSettle();
    form().profileNameBox()->setText("ゲームA");
    ASSERT_TRUE(app->settingsStore().lastExit().SaveLastExit());
    makeApp();
    app->start();
    EXPECT_TRUE(tray().iconPresent());
    EXPECT_EQ(tray().toolTip(), "ゲームA");
    EXPECT_FALSE(app->paused());
    for (int k = 1; k <= 12; ++k)
        EXPECT_FALSE(tray().userMenuItem(k)->isVisible()) << k;
    EXPECT_FALSE(tray().separatorAboveEntries()->isVisible());
    EXPECT_FALSE(tray().separatorBelowEntries()->isVisible());
}

TEST_F(TrayTest, threeEntries_firstThreeShownWithSeparators)
{
    startAndSettle();
    addMenuEntry("一");
    addMenuEntry("二");
    addMenuEntry("三");
    for (int k = 1; k <= 3; ++k)
        EXPECT_TRUE(tray().userMenuItem(k)->isVisible()) << k;
    EXPECT_EQ(tray().userMenuItem(2)->text(), "二");
    for (int k = 4; k <= 12; ++k)
        EXPECT_FALSE(tray().userMenuItem(k)->isVisible()) << k;
    EXPECT_TRUE(tray().separatorAboveEntries()->isVisible());
    EXPECT_TRUE(tray().separatorBelowEntries()->isVisible());
}

TEST_F(TrayTest, pause_alertStopsPolling_resumeClicks)
{
    startAndSettle();
    tray().pauseItem()->trigger();
    EXPECT_TRUE(app->paused());
    EXPECT_EQ(sounds(), (std::vector<std::string>{"alert"}));
    tray().pauseItem()->trigger();
    EXPECT_FALSE(app->paused());
    EXPECT_EQ(sounds(), (std::vector<std::string>{"click"}));
}

TEST_F(TrayTest, menuEntry_appliesEntryEndsPauseAndTooltipFollows)
{
    startAndSettle();
    windows->add(7, "メモ帳");
    form().captionFragmentBox()->setEditText("メモ帳");
    addMenuEntry("エディタ用");
    form().profileNameBox()->setText("別の名前");
    tray().pauseItem()->trigger();
    sounds();

    tray().userMenuItem(1)->trigger();
    EXPECT_FALSE(app->paused());
    EXPECT_EQ(form().profileNameBox()->text(), "エディタ用");
    EXPECT_EQ(tray().toolTip(), "エディタ用");
    EXPECT_EQ(sounds(), (std::vector<std::string>{"click"}));
    EXPECT_EQ(windows->front(), 7u) << "the new profile's target comes to the front";
}

// The same entry put into force without the item: no sound, no activation, the pause left as it is.
TEST_F(TrayTest, applyUserMenuEntry_entryAndTooltipOnly)
{
    startAndSettle();
    windows->add(7, "メモ帳");
    form().captionFragmentBox()->setEditText("メモ帳");
    addMenuEntry("エディタ用");
    form().profileNameBox()->setText("別の名前");
    app->setPaused(true);
    sounds();
    windows->log.clear();

    EXPECT_TRUE(app->trayCommands().applyUserMenuEntry(1));
    EXPECT_TRUE(app->paused());
    EXPECT_EQ(form().profileNameBox()->text(), "エディタ用");
    EXPECT_EQ(tray().toolTip(), "エディタ用");
    EXPECT_TRUE(sounds().empty());
    EXPECT_TRUE(windows->log.empty()) << "no window brought forward";
    EXPECT_FALSE(app->trayCommands().applyUserMenuEntry(2)) << "an unused entry";
}

TEST_F(TrayTest, initialState_tooltipNoActivationNoAlertListsEmpty)
{
    startAndSettle();
    form().captionFragmentBox()->setEditText("何か");
    tray().initialStateItem()->trigger();
    EXPECT_EQ(tray().toolTip(), "初期状態");
    EXPECT_EQ(form().captionFragmentBox()->currentText(), "");
    EXPECT_TRUE(windows->log.empty());
    EXPECT_EQ(sounds(), (std::vector<std::string>{"click"}));
    EXPECT_EQ(form().keyChoiceBox(0, 0)->count(), 0);
    EXPECT_EQ(form().keyChoiceBox(11, 0)->currentText(), "→");
    EXPECT_EQ(form().multiplierBar()->value(), 3);
    EXPECT_EQ(form().reactionTimeBar()->value(), 128);
}

TEST_F(TrayTest, lastExitItem_restoresLastExitButKeepsTooltip)
{
    startAndSettle();
    form().profileNameBox()->setText("保存した名前");
    ASSERT_TRUE(app->settingsStore().lastExit().SaveLastExit());
    tray().initialStateItem()->trigger();
    ASSERT_EQ(tray().toolTip(), "初期状態");
    tray().lastExitItem()->trigger();
    EXPECT_EQ(form().profileNameBox()->text(), "保存した名前");
    EXPECT_EQ(tray().toolTip(), "初期状態");
}

TEST_F(TrayTest, userDefaultItem_noMatchingWindow_alertTwice)
{
    startAndSettle();
    form().captionFragmentBox()->setEditText("走っていない");
    ASSERT_TRUE(app->settingsStore().userDefault().SaveUserDefault());
    app->settingsStore().userDefault().LoadUserDefault();
    sounds();
    tray().userDefaultItem()->trigger();
    EXPECT_EQ(sounds(), (std::vector<std::string>{"click", "alert", "alert"}));
}

TEST_F(TrayTest, longName_tooltipCutToTheTipField)
{
    startAndSettle();
    form().profileNameBox()->setText(QString(70, QChar('x')));
    app->trayCommands().RefreshTrayIcon();
    EXPECT_EQ(tray().toolTip(), QString(63, QChar('x')));
    form().profileNameBox()->setText(QString(70, QChar(u'あ'))); // two bytes each in the tip
    app->trayCommands().RefreshTrayIcon();
    EXPECT_EQ(tray().toolTip(), QString(31, QChar(u'あ')));
    EXPECT_TRUE(tray().iconPresent());
}

TEST_F(TrayTest, ampersandInName_activateItemShowsItAsTheMenuEntriesDo)
{
    startAndSettle();
    addMenuEntry("R&D");
    EXPECT_EQ(tray().userMenuItem(1)->text(), "R&&D");
    EXPECT_EQ(tray().activateItem()->text(), tray().userMenuItem(1)->text() + "をアクティブにする。");
}

TEST_F(TrayTest, closeWithoutTrayHost_windowMinimisedTargetActivatedOnce)
{
    app->setUsesTray(false);
    startAndSettle();
    windows->add(3, "ターゲット");
    form().captionFragmentBox()->setEditText("ターゲット");
    windows->log.clear();
    form().close();
    QCoreApplication::processEvents();
    EXPECT_TRUE(form().isMinimized());
    // One activation is activate, restore, activate.
    EXPECT_EQ(std::count(windows->log.begin(), windows->log.end(), "restore 3"), 1);
}

TEST_F(TrayTest, minimiseTwice_oneIconOperationModeTargetActivated)
{
    startAndSettle();
    windows->add(3, "ターゲット");
    form().captionFragmentBox()->setEditText("ターゲット");
    tray().operationCheckItem()->trigger();
    EXPECT_FALSE(tray().iconPresent());
    EXPECT_TRUE(form().isVisible());
    for (int i = 0; i < 2; ++i) {
        form().showMinimized();
        QCoreApplication::processEvents();
        EXPECT_FALSE(form().isVisible());
        EXPECT_TRUE(tray().iconPresent());
        const QString tip = tray().toolTip();
        form().profileNameBox()->setText("別名");
        tray().ShowIcon(); // a second add is refused: one icon, its tooltip unchanged
        EXPECT_EQ(tray().toolTip(), tip);
        if (i == 0) {
            tray().operationCheckItem()->trigger();
            EXPECT_FALSE(form().isMinimized());
        }
    }
    EXPECT_FALSE(form().settingsModeBox()->isChecked());
    EXPECT_EQ(windows->front(), 3u);
}

TEST_F(TrayTest, operationCheckAndOpenUserMenu_showWindowRemoveIconEndPauseUntickOnTop)
{
    startAndSettle();
    form().hide();
    tray().ShowIcon();
    form().keepAboveBox()->setChecked(true);
    tray().pauseItem()->trigger();
    tray().operationCheckItem()->trigger();
    EXPECT_TRUE(form().isVisible());
    EXPECT_FALSE(tray().iconPresent());
    EXPECT_FALSE(app->paused());
    EXPECT_FALSE(form().settingsModeBox()->isChecked());
    EXPECT_FALSE(form().keepAboveBox()->isChecked());
    EXPECT_TRUE(form().buttonPanel()->isVisible());

    form().close(); // back to the tray
    EXPECT_FALSE(form().isVisible());
    EXPECT_TRUE(tray().iconPresent());
    EXPECT_TRUE(exits.empty()) << "closing the visible window never ends the program";

    tray().openUserMenuItem()->trigger();
    EXPECT_TRUE(form().isVisible());
    EXPECT_TRUE(form().settingsModeBox()->isChecked());
    EXPECT_EQ(form().settingsTabs()->currentIndex(), 17);
    EXPECT_FALSE(tray().iconPresent());
}

TEST_F(TrayTest, mnend_savesLastExitReleasesModifiersAndEnds)
{
    startAndSettle();
    form().profileNameBox()->setText("終了前");
    keyLog.clear();
    tray().exitItem()->trigger();
    EXPECT_EQ(exits, (std::vector<int>{0}));
    EXPECT_EQ(keyLog, (test::EventLog{"16-", "17-", "18-"}));
    EXPECT_EQ(sounds().front(), "alert");
    const std::string saved = fileBytes(folder.path() / "設定" / "前回.txt");
    EXPECT_NE(saved.find(settings::TextCodec::ToCp932("\"終了前\"\r\n")), std::string::npos);
    EXPECT_FALSE(tray().iconPresent());
    EXPECT_FALSE(form().isVisible());
}

TEST_F(TrayTest, hiddenWindowClosedFromOutside_endsWithoutSaving)
{
    startAndSettle();
    form().hide();
    const std::string before = fileBytes(folder.path() / "設定" / "前回.txt");
    form().profileNameBox()->setText("保存されない");
    form().close();
    EXPECT_EQ(exits, (std::vector<int>{0}));
    EXPECT_EQ(fileBytes(folder.path() / "設定" / "前回.txt"), before);
    EXPECT_EQ(sound->calls.back(), "quit");
}

} // namespace

namespace {

TEST_F(TrayTest, keepAbove_asksForTheTopBandAndBack_restoringFromTrayLeavesIt)
{
    startAndSettle();
    const auto id = static_cast<platform::WindowId>(form().winId());
    form().keepAboveBox()->setChecked(true);
    form().keepAboveBox()->setChecked(false);
    form().keepAboveBox()->setChecked(true);
    EXPECT_EQ(windows->keepAbove,
              (std::vector<std::pair<platform::WindowId, bool>>{{id, true}, {id, false}, {id, true}}));
    form().hide();
    tray().operationCheckItem()->trigger();
    EXPECT_FALSE(form().keepAboveBox()->isChecked());
    EXPECT_EQ(windows->keepAbove.back(), std::make_pair(id, false));
}

} // namespace

#include "app/SignalBridge.h"
#include "ui/ButtonPanel.h"

#include <QPushButton>
#include <csignal>

namespace {

TEST_F(TrayTest, restart_everySettingsFileRestoredInStartupOrder)
{
    startAndSettle();
    form().profileNameBox()->setText("既定");
    form().keyChoiceBox(3, 0)->setEditText("-D-");
    ASSERT_TRUE(app->settingsStore().userDefault().SaveUserDefault());
    form().profileNameBox()->setText("メニュー一");
    ASSERT_TRUE(app->settingsStore().menu().AddCurrentToMenu());
    ui::setLayoutButtonTwips(form().layoutButton(4), QRect(600, 300, 1095, 255));
    ASSERT_TRUE(app->settingsStore().layout().SaveButtonLayout());
    form().setFrameGeometryTwips(QRect(1500, 1200, 7500, 5325));
    ASSERT_TRUE(app->settingsStore().geometry().SaveWindowGeometry());
    form().profileNameBox()->setText("最後");
    form().keyChoiceBox(3, 0)->setEditText("-L-");
    ASSERT_TRUE(app->settingsStore().lastExit().SaveLastExit());

    makeApp();
    app->start();
    // Only the first screen is built: what the files put in waits for the page that shows it.
    EXPECT_FALSE(form().isPanelBuilt());
    for (int tab : {ui::kTimingTab, ui::kNamingTab, ui::kMenuTab, ui::kOtherTab})
        EXPECT_FALSE(form().isPageBuilt(tab)) << tab;
    EXPECT_TRUE(form().settingsModeBox()->isChecked()) << "settings mode until the first status tick";
    EXPECT_EQ(form().settingsTabs()->currentIndex(), 0);
    EXPECT_TRUE(form().keyChoiceBox(14, 1)->isHidden());
    EXPECT_TRUE(form().keyChoiceBox(14, 2)->isHidden());
    EXPECT_EQ(form().profileNameBox()->text(), "最後");
    EXPECT_EQ(tray().toolTip(), "最後");
    EXPECT_EQ(form().menuLabel(0)->text(), "メニュー一");
    EXPECT_TRUE(tray().userMenuItem(1)->isVisible());
    EXPECT_EQ(ui::layoutButtonTwips(form().layoutButton(4)), QRect(600, 300, 1095, 255));
    EXPECT_EQ(form().pos(), QPoint(100, 80)) << "the frame's top-left corner, 1500 x 1200 twips";
    EXPECT_EQ(form().keyChoiceBox(3, 0)->currentText(), "-L-");

    ASSERT_TRUE(app->settingsStore().userDefault().ApplyUserDefault());
    EXPECT_EQ(form().keyChoiceBox(3, 0)->currentText(), "-D-") << "the user default was read at start-up";

    app->onStatusTick();
    EXPECT_FALSE(form().settingsModeBox()->isChecked());
}

TEST_F(TrayTest, sessionEnd_releasesModifiersToo)
{
    startAndSettle();
    form().hide();
    keyLog.clear();
    form().close();
    EXPECT_EQ(keyLog, (test::EventLog{"16-", "17-", "18-"}));
    EXPECT_EQ(exits, (std::vector<int>{0}));
}

TEST_F(TrayTest, terminationSignal_endsThroughTheOrderlyPathWithoutSaving)
{
    startAndSettle();
    app::SignalBridge bridge;
    QObject::connect(&bridge, &app::SignalBridge::terminationRequested, app.get(),
                     [this](int) { app->endWithoutSaving(); });
    keyLog.clear();
    ::raise(SIGTERM); // handled: the byte waits in the socket until the event loop runs
    for (int i = 0; i < 100 && exits.empty(); ++i)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    EXPECT_EQ(exits, (std::vector<int>{0}));
    EXPECT_EQ(keyLog, (test::EventLog{"16-", "17-", "18-"}));
    EXPECT_EQ(sound->calls.back(), "quit");
}

} // namespace

namespace {

TEST_F(TrayTest, mnend_lastExitCannotBeWritten_userToldBeforeTheEnd)
{
    startAndSettle();
    app::QtUserMessages::recorded().clear();
    // A folder where the file should be: the rename of the finished temporary file fails.
    const auto lastExit = folder.path() / "設定" / "前回.txt";
    std::filesystem::remove(lastExit);
    std::filesystem::create_directories(lastExit / "blocked");
    tray().exitItem()->trigger();
    EXPECT_EQ(exits, (std::vector<int>{0}));
    ASSERT_EQ(app::QtUserMessages::recorded().size(), 1u);
    EXPECT_EQ(app::QtUserMessages::recorded()[0].rfind("w:終了時の設定を保存できませんでした。", 0), 0u);
}

TEST_F(TrayTest, autoSwitch_followsTheActiveWindowQuietly_notWhileEditing_stopsListeningWhenOff)
{
    startAndSettle();
    form().settingsModeBox()->setChecked(false);
    addMenuEntry("メモ用", "メモ帳");
    addMenuEntry("絵用", "Paint");
    form().profileNameBox()->setText("今の");
    form().captionFragmentBox()->setEditText("今の窓");
    EXPECT_FALSE(app->automaticSwitching().listening()) << "off until the user turns it on";
    tray().autoSwitchItem()->trigger();
    ASSERT_TRUE(activeWindow->started);
    EXPECT_EQ(fileBytes(folder.path() / "設定" / "自動切替.txt"), "\"True\"\r\n");
    tray().pauseItem()->trigger();
    sounds();
    windows->log.clear();

    moveTo(5, "無題 - Paint");
    EXPECT_EQ(form().profileNameBox()->text(), "絵用");
    EXPECT_EQ(form().captionFragmentBox()->currentText(), "Paint");
    EXPECT_EQ(tray().toolTip(), "絵用");
    EXPECT_EQ(form().statusLine()->text(), "「絵用」に切り替えた");
    EXPECT_TRUE(sounds().empty());
    EXPECT_TRUE(app->paused());
    EXPECT_TRUE(windows->log.empty()) << "the window is active already";

    form().settingsModeBox()->setChecked(true);
    moveTo(6, "メモ帳");
    EXPECT_EQ(form().profileNameBox()->text(), "絵用") << "no switch while the user edits";
    form().settingsModeBox()->setChecked(false);
    moveTo(form().winId(), "メモ帳 - R・U・Kコン");
    EXPECT_EQ(form().profileNameBox()->text(), "絵用") << "the program's own window";
    moveTo(99, "メモ帳 - R・U・Kコン", true);
    EXPECT_EQ(form().profileNameBox()->text(), "絵用") << "the program's own window, as the backend tells";
    // A Wayland toplevel's id may equal the winId of a window of ours: the backend's word holds.
    moveTo(form().winId(), "メモ帳", false);
    EXPECT_EQ(form().profileNameBox()->text(), "メモ用");

    tray().autoSwitchItem()->trigger();
    EXPECT_FALSE(activeWindow->started);
    EXPECT_FALSE(app->automaticSwitching().listening());
    EXPECT_EQ(fileBytes(folder.path() / "設定" / "自動切替.txt"), "\"False\"\r\n");
}

// Opening the menu asks the window system whether it names its active window; a move it takes
// in while asking is still followed.
TEST_F(TrayTest, autoSwitch_aMoveTakenInWhileTheMenuOpens_isFollowed)
{
    startAndSettle();
    form().settingsModeBox()->setChecked(false);
    addMenuEntry("絵用", "Paint");
    form().profileNameBox()->setText("今の");
    form().captionFragmentBox()->setEditText("今の窓");
    tray().autoSwitchItem()->trigger();
    activeWindow->report(5, "無題 - Paint");
    emit tray().menu()->aboutToShow();
    QCoreApplication::processEvents();
    EXPECT_EQ(form().profileNameBox()->text(), "絵用");
}

// The dispatch brings the target of the profile in use forward; the window it activates must not
// switch to an earlier entry that names that window too.
TEST_F(TrayTest, autoSwitch_dispatchActivatingItsTarget_neverSwitches)
{
    startAndSettle();
    windows->add(8, "他の窓");
    windows->add(7, "日記 - メモ帳");
    addMenuEntry("メモ用", "メモ");
    addMenuEntry("日記用", "日記 - メモ帳");
    form().keyChoiceBox(0, 0)->setEditText("-A-");
    tray().autoSwitchItem()->trigger();
    tray().userMenuItem(2)->trigger();
    windows->activate(8, platform::ActivationWait::No); // the user moves to another program
    moveTo(8, "他の窓");
    ASSERT_EQ(form().profileNameBox()->text(), "日記用");
    app->onStatusTick(); // leaves settings mode
    controller->count = 1;
    controller->ids[0].position = {32767, 32767, 0, 1};
    app->onStatusTick();
    app->onPollTick();
    ASSERT_EQ(windows->front(), 7u) << "the dispatch activated its target";
    moveTo(7, "日記 - メモ帳");
    EXPECT_EQ(form().profileNameBox()->text(), "日記用");
}

TEST_F(TrayTest, autoSwitch_keptAcrossRestart_disabledUntilTheWindowManagerNamesTheActiveWindow)
{
    startAndSettle();
    tray().autoSwitchItem()->trigger();
    makeApp();
    app->start();
    QCoreApplication::processEvents(); // the active window is asked for once the window is up
    EXPECT_TRUE(tray().autoSwitchItem()->isChecked());
    EXPECT_TRUE(activeWindow->started);

    makeApp();
    activeWindow->windowManagerNamesIt = false;
    app->start();
    QCoreApplication::processEvents();
    EXPECT_TRUE(tray().autoSwitchItem()->isChecked());
    EXPECT_FALSE(tray().autoSwitchItem()->isEnabled());
    EXPECT_FALSE(activeWindow->started);
    activeWindow->windowManagerNamesIt = true; // the window manager came up after the program
    app->onStatusTick();
    EXPECT_TRUE(tray().autoSwitchItem()->isEnabled());
    EXPECT_TRUE(activeWindow->started);
}

} // namespace
