#include "app/MainWindowCommands.h"
#include "AppFixture.h"
#include "fakes/FakeClock.h"
#include "settings/FieldReader.h"
#include "settings/FieldWriter.h"
#include "ui/Colours.h"
#include "ui/HistoryFolderWindow.h"
#include "ui/MultiRowTabWidget.h"
#include "ui/TrayWindow.h"
#include "ui/Twips.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDropEvent>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMimeData>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTimer>

#include <chrono>
#include <fstream>
#include <sys/stat.h>

using namespace rukcon;

namespace {

namespace fs = std::filesystem;

class MainWindowCommandsTest : public test::AppFixture {
protected:
    std::vector<int> exits;

    void SetUp() override
    {
        writeEffects();
        makeApp();
    }

    void startApp()
    {
        app->start();
        app->setExitFunction([this](int code) { exits.push_back(code); });
        sounds();
    }

    // Operation mode on some key tab, as after the first status tick and a look at tab 3.
    void leaveSettingsOnTab3()
    {
        form().settingsTabs()->setCurrentIndex(3);
        form().settingsModeBox()->setChecked(false);
    }

    fs::path settingsFile(const char* name) const { return folder.path() / "設定" / name; }

    static std::string bytes(const fs::path& path)
    {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }

    // A profile file: every key "なし" but slot 0's first key; caption fragment "メモ帳".
    std::string writeProfile(const std::string& relative, const std::string& name, const std::string& key0,
                             int reactionTime, const std::string& padding = {}) const
    {
        std::vector<std::string> fields(49, "なし");
        fields[0] = key0;
        fields[45] = std::to_string(reactionTime);
        fields[46] = "2";
        fields[47] = name;
        fields[48] = "メモ帳";
        return folder.write(relative, settings::FieldWriter::Format(fields) + padding);
    }

    // Drags the data over the widget and drops it; false when the widget would not take it.
    static bool dropOn(QWidget* target, const QMimeData& data)
    {
        QDragEnterEvent enter(QPoint(2, 2), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(target, &enter);
        if (!enter.isAccepted())
            return false;
        QDropEvent drop(QPointF(2, 2), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(target, &drop);
        return drop.isAccepted();
    }

    static bool dropFiles(QWidget* target, const std::vector<std::string>& paths)
    {
        QMimeData data;
        QList<QUrl> urls;
        for (const std::string& p : paths)
            urls.append(QUrl::fromLocalFile(QString::fromStdString(p)));
        data.setUrls(urls);
        return dropOn(target, data);
    }

    std::vector<std::string> readFields(const fs::path& path, size_t count) const
    {
        std::vector<std::string> fields(count);
        EXPECT_TRUE(settings::FieldReader::ReadFile(path, fields));
        return fields;
    }
};

TEST_F(MainWindowCommandsTest, settingsMode_switchesAreasAndRefreshesCaptionsOnlyOnChange)
{
    startApp();
    windows->add(5, "無題 - メモ帳");
    form().captionFragmentBox()->setEditText("メモ");

    form().settingsModeBox()->setChecked(false);
    EXPECT_FALSE(form().buttonPanel()->isHidden());
    EXPECT_EQ(form().buttonPanel()->pos(), QPoint(ui::twips(120), ui::twips(360)));
    EXPECT_TRUE(form().settingsTabs()->isHidden());
    form().buttonPanel()->move(0, 0);
    form().settingsModeBox()->setChecked(false); // unchanged: the panel is not moved back
    EXPECT_EQ(form().buttonPanel()->pos(), QPoint(0, 0));

    form().settingsModeBox()->setChecked(true);
    EXPECT_FALSE(form().settingsTabs()->isHidden());
    EXPECT_TRUE(form().buttonPanel()->isHidden());
    ASSERT_EQ(form().captionFragmentBox()->count(), 1);
    EXPECT_EQ(form().captionFragmentBox()->itemText(0), "無題 - メモ帳");
    EXPECT_EQ(form().captionFragmentBox()->currentText(), "メモ");

    windows->add(6, "電卓");
    form().settingsModeBox()->setChecked(true); // unchanged: the list is not read again
    EXPECT_EQ(form().captionFragmentBox()->count(), 1);
}

TEST_F(MainWindowCommandsTest, keyListChoice_onlyFirstKeyPositionEntersSettingsMode)
{
    startApp();
    leaveSettingsOnTab3();
    emit form().keyChoiceBox(2, 1)->activated(0);
    emit form().keyChoiceBox(2, 2)->activated(0);
    EXPECT_FALSE(form().settingsModeBox()->isChecked());
    emit form().keyChoiceBox(2, 0)->activated(0);
    EXPECT_TRUE(form().settingsModeBox()->isChecked());
}

TEST_F(MainWindowCommandsTest, newSettings_everySlotResetListsRefilledNamingTab)
{
    startApp();
    windows->add(2, "電卓");
    form().reloadListsButton()->click(); // lists full, so a second fill without clearing would show
    form().keyChoiceBox(0, 0)->setEditText("-Q-");
    form().keyChoiceBox(5, 1)->setEditText("F1");
    form().keyChoiceBox(14, 2)->setEditText("F2");
    ASSERT_TRUE(app->setReactionTime(500));
    ASSERT_TRUE(app->setArrowMultiplier(7));
    form().captionFragmentBox()->setEditText("メモ帳");
    form().profileNameBox()->setText("ゲーム");
    leaveSettingsOnTab3();

    form().newSettingsButton()->click();
    EXPECT_TRUE(form().settingsModeBox()->isChecked());
    EXPECT_EQ(form().settingsTabs()->currentIndex(), ui::kNamingTab);
    const std::map<int, QString> firstKey{{6, "F24"}, {10, "←"}, {11, "→"}, {12, "↑"}, {13, "↓"}, {14, "F24"}};
    for (int slot = 0; slot < 15; ++slot) {
        const QString expected = firstKey.contains(slot) ? firstKey.at(slot) : "なし";
        EXPECT_EQ(form().keyChoiceBox(slot, 0)->currentText(), expected) << slot;
        EXPECT_EQ(form().keyChoiceBox(slot, 1)->currentText(), "なし") << slot;
        EXPECT_EQ(form().keyChoiceBox(slot, 2)->currentText(), "なし") << slot;
        for (QComboBox* box :
             {form().keyChoiceBox(slot, 0), form().keyChoiceBox(slot, 1), form().keyChoiceBox(slot, 2)})
            EXPECT_EQ(box->count(), 106) << box->objectName().toStdString();
    }
    EXPECT_EQ(form().reactionTimeBar()->value(), 128);
    EXPECT_EQ(app->pollTimer().interval(), 128);
    EXPECT_EQ(form().multiplierBar()->value(), 1);
    EXPECT_EQ(app->pollCycle().ArrowMultiplier, 1);
    EXPECT_EQ(form().captionFragmentBox()->currentText(), "");
    EXPECT_EQ(form().captionFragmentBox()->findText("電卓"), 0);
    EXPECT_EQ(form().profileNameBox()->text(), "初期状態");
    EXPECT_EQ(form().nameLabel(18)->text(), "初期状態");
    EXPECT_EQ(sounds(), std::vector<std::string>{"click"});
}

using FormButton = QPushButton* (ui::MainWindow::*)() const;

struct SaveCase {
    FormButton button;
    bool menuFull;
    bool settingsAfter;
    int tabAfter;
    int menuCountAfter;
    const char* message;
};

class SaveButtonTest : public MainWindowCommandsTest, public ::testing::WithParamInterface<SaveCase> {};

TEST_P(SaveButtonTest, addsWhenThereIsRoomAndOnlyTheBarButtonShowsTheMenu)
{
    const SaveCase& c = GetParam();
    startApp();
    for (int i = 0; c.menuFull && i < 12; ++i) {
        form().profileNameBox()->setText(QString("項目%1").arg(i));
        ASSERT_TRUE(app->settingsStore().menu().AddCurrentToMenu());
    }
    const std::string menuBefore = bytes(settingsFile("Menyu.txt"));
    form().profileNameBox()->setText("新しい");
    leaveSettingsOnTab3();
    sounds();

    (form().*c.button)()->click();
    EXPECT_EQ(form().settingsModeBox()->isChecked(), c.settingsAfter);
    EXPECT_EQ(form().settingsTabs()->currentIndex(), c.tabAfter);
    EXPECT_EQ(app->settingsStore().menu().menuCount(), c.menuCountAfter);
    EXPECT_EQ(form().statusLine()->text(), QString::fromUtf8(c.message)); // the status line over the panel
    EXPECT_EQ(sounds(), std::vector<std::string>{"click"});
    if (c.menuFull)
        EXPECT_EQ(bytes(settingsFile("Menyu.txt")), menuBefore);
    else
        EXPECT_EQ(form().menuLabel(0)->text(), "新しい");
}

INSTANTIATE_TEST_SUITE_P(Commands, SaveButtonTest,
                         ::testing::Values(SaveCase{&ui::MainWindow::saveToMenuButton, false, true, ui::kMenuTab, 1,
                                                    ""},
                                           SaveCase{&ui::MainWindow::saveToMenuButton, true, false, 3, 12,
                                                    "メニューがいっぱいになってます。"},
                                           SaveCase{&ui::MainWindow::nameTabSaveButton, false, false, 3, 1, ""},
                                           SaveCase{&ui::MainWindow::nameTabSaveButton, true, false, 3, 12,
                                                    "メニューがいっぱいになってます。"}));

struct MessagePlace {
    const char* name;
    bool settingsMode;
    int tab;
    bool hidden;
    const char* shownIn; // where a failure is told: "Label14", "Label6" or "box"
};

const auto kMessagePlaces = ::testing::Values(MessagePlace{"nameTab", true, ui::kNamingTab, false, "Label14"},
                                              MessagePlace{"buttonPanel", false, 3, false, "Label6"},
                                              MessagePlace{"menuTab", true, ui::kMenuTab, false, "box"},
                                              MessagePlace{"windowHidden", false, 3, true, "box"});

class MessagePlaceTest : public MainWindowCommandsTest, public ::testing::WithParamInterface<MessagePlace> {
protected:
    void goToThePlace()
    {
        form().settingsTabs()->setCurrentIndex(GetParam().tab);
        form().settingsModeBox()->setChecked(GetParam().settingsMode);
        if (GetParam().hidden)
            form().hide();
        app::QtUserMessages::recorded().clear();
        sounds();
    }
};

// A failure is seen where the user is, with the alert sound, whichever page shows.
TEST_P(MessagePlaceTest, menuFileCannotBeWritten_toldWhereTheUserIs)
{
    startApp();
    goToThePlace();
    fs::remove(settingsFile("Menyu.txt"));
    fs::create_directories(settingsFile("Menyu.txt") / "blocked");

    form().nameTabSaveButton()->click();
    const QString failed = "設定を保存できませんでした。";
    const std::string shownIn = GetParam().shownIn;
    EXPECT_EQ(form().nameTabMessageLine()->text() == failed, shownIn == "Label14");
    EXPECT_EQ(form().statusLine()->text() == failed, shownIn == "Label6");
    EXPECT_EQ(app::QtUserMessages::recorded(),
              shownIn == "box" ? std::vector<std::string>{"w:" + failed.toStdString()} : std::vector<std::string>{});
    EXPECT_EQ(sounds(), (std::vector<std::string>{"click", "alert"}));
}

// A full menu is no failure: the message line says so, and the status line too while the message
// line is out of sight, until the next status tick; no alert, no box.
TEST_P(MessagePlaceTest, saveToMenuOnAFullMenu_messageLineAndTheStatusLineWhereThatIsOutOfSight)
{
    startApp();
    for (int i = 0; i < 12; ++i)
        ASSERT_TRUE(app->settingsStore().menu().AddCurrentToMenu());
    goToThePlace();

    form().saveToMenuButton()->click();
    const QString full = "メニューがいっぱいになってます。";
    EXPECT_EQ(form().nameTabMessageLine()->text(), full);
    EXPECT_EQ(form().statusLine()->text() == full, std::string(GetParam().shownIn) != "Label14");
    EXPECT_EQ(app::QtUserMessages::recorded(), std::vector<std::string>{});
    EXPECT_EQ(sounds(), (std::vector<std::string>{"click"}));
    app->onStatusTick();
    EXPECT_NE(form().statusLine()->text(), full);
}

INSTANTIATE_TEST_SUITE_P(Places, MessagePlaceTest, kMessagePlaces,
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(MainWindowCommandsTest, barCommands_clickThenModeAndTab)
{
    struct Case {
        FormButton button;
        const char* name;
        bool settingsBefore;
        bool settingsAfter;
        int tabAfter;
    };
    const Case cases[] = {{&ui::MainWindow::menuTabButton, "menu", false, true, ui::kMenuTab},
                          {&ui::MainWindow::otherTabButton, "other", false, true, ui::kOtherTab},
                          {&ui::MainWindow::operationCheckButton, "operation check", true, false, 3}};
    startApp();
    for (const Case& c : cases) {
        form().settingsTabs()->setCurrentIndex(3);
        form().settingsModeBox()->setChecked(c.settingsBefore);
        sounds();
        (form().*c.button)()->click();
        EXPECT_EQ(form().settingsModeBox()->isChecked(), c.settingsAfter) << c.name;
        EXPECT_EQ(form().settingsTabs()->currentIndex(), c.tabAfter) << c.name;
        EXPECT_EQ(sounds(), std::vector<std::string>{"click"}) << c.name;
    }
}

TEST_F(MainWindowCommandsTest, profileNameTyping_everyKeystrokeRenamesNineteenLabelsAndTrayTexts)
{
    startApp();
    for (int tab = 0; tab <= ui::kMenuTab; ++tab) // every page with a name label built
        form().settingsTabs()->setCurrentIndex(tab);
    form().settingsTabs()->setCurrentIndex(ui::kNamingTab);
    form().profileNameBox()->clear();
    QString typed;
    auto expectEverywhere = [&](const QString& name) {
        for (int i = 0; i < 19; ++i)
            ASSERT_EQ(form().nameLabel(i)->text(), name) << i;
        EXPECT_EQ(app->tray().windowTitle(), name);
        EXPECT_EQ(app->tray().activateItem()->text(), name + "をアクティブにする。");
    };
    for (const QChar ch : QString("ゲームA")) {
        QTest::sendKeyEvent(QTest::Click, form().profileNameBox(), Qt::Key_unknown, QString(ch), Qt::NoModifier);
        typed += ch;
        ASSERT_EQ(form().profileNameBox()->text(), typed);
        expectEverywhere(typed);
    }
    QTest::keyClick(form().profileNameBox(), Qt::Key_Backspace);
    expectEverywhere("ゲーム");
}

TEST_F(MainWindowCommandsTest, menuLabelLeftPress_pressedColourAppliesEntryReleaseRestoresGrey)
{
    startApp();
    form().profileNameBox()->setText("甲");
    form().keyChoiceBox(0, 0)->setEditText("-A-");
    ASSERT_TRUE(app->setReactionTime(300));
    ASSERT_TRUE(app->settingsStore().menu().AddCurrentToMenu());
    form().profileNameBox()->setText("乙");
    form().keyChoiceBox(0, 0)->setEditText("-B-");
    ASSERT_TRUE(app->setReactionTime(400));
    ASSERT_TRUE(app->settingsStore().menu().AddCurrentToMenu());
    form().settingsTabs()->setCurrentIndex(ui::kMenuTab);
    sounds();

    QLabel* first = form().menuLabel(0);
    QTest::mousePress(first, Qt::LeftButton);
    EXPECT_EQ(first->palette().color(QPalette::Window), ui::colourFromBgr(0x535353));
    EXPECT_EQ(app->settingsStore().menu().selectedMenuEntry(), 0);
    EXPECT_EQ(form().profileNameBox()->text(), "甲");
    EXPECT_EQ(form().keyChoiceBox(0, 0)->currentText(), "-A-");
    EXPECT_EQ(form().reactionTimeBar()->value(), 300);
    EXPECT_EQ(sounds(), std::vector<std::string>{"click"});
    QTest::mouseRelease(first, Qt::LeftButton);
    EXPECT_EQ(first->palette().color(QPalette::Window), ui::colourFromBgr(ui::kWorkspaceGrey));
    EXPECT_EQ(app->settingsStore().menu().menuCount(), 2);
}

TEST_F(MainWindowCommandsTest, menuLabelRightPress_onlyEntryArchivedDeletedAndTrayEmptied)
{
    makeApp(std::make_unique<test::FakeClock>(std::vector<settings::LocalTime>{{2025, 3, 1, 9, 0, 0}}));
    startApp();
    form().profileNameBox()->setText("テスト");
    ASSERT_TRUE(app->settingsStore().menu().AddCurrentToMenu());
    ASSERT_TRUE(app->tray().userMenuItem(1)->isVisible());
    std::vector<std::string> entry(50);
    ASSERT_TRUE(settings::FieldReader::ReadFile(settingsFile("Menyu.txt"), entry));
    form().settingsTabs()->setCurrentIndex(ui::kMenuTab);
    sounds();

    QTest::mousePress(form().menuLabel(0), Qt::RightButton);
    EXPECT_EQ(sounds(), std::vector<std::string>{"alert"});
    EXPECT_EQ(app->settingsStore().menu().menuCount(), 0);
    for (int i = 0; i < 12; ++i) {
        EXPECT_EQ(form().menuLabel(i)->text(), "") << i;
        EXPECT_FALSE(app->tray().userMenuItem(i + 1)->isVisible()) << i;
    }
    EXPECT_FALSE(app->tray().separatorAboveEntries()->isVisible());
    EXPECT_FALSE(app->tray().separatorBelowEntries()->isVisible());
    std::string emptyMenu;
    for (int i = 0; i < 600; ++i)
        emptyMenu += "\"\"\r\n";
    EXPECT_EQ(bytes(settingsFile("Menyu.txt")), emptyMenu);

    const fs::path archived =
        folder.path() / "設定" / "過去の設定" / "テスト2025年03月01日2025年03月01日 09時00分00秒.txt";
    ASSERT_TRUE(fs::exists(archived));
    EXPECT_EQ(readFields(archived, 49), std::vector<std::string>(entry.begin() + 1, entry.end()));
    QTest::mouseRelease(form().menuLabel(0), Qt::RightButton);
    EXPECT_EQ(form().menuLabel(0)->palette().color(QPalette::Window), ui::colourFromBgr(ui::kWorkspaceGrey));
}

TEST_F(MainWindowCommandsTest, menuLabelRightPress_entrySavedWithoutANameIsDeletedToo)
{
    startApp();
    form().profileNameBox()->clear();
    ASSERT_TRUE(app->settingsStore().menu().AddCurrentToMenu());
    form().profileNameBox()->setText("次");
    ASSERT_TRUE(app->settingsStore().menu().AddCurrentToMenu());
    form().settingsTabs()->setCurrentIndex(ui::kMenuTab);
    sounds();

    QTest::mousePress(form().menuLabel(0), Qt::LeftButton); // nothing to apply under an empty label
    EXPECT_TRUE(sounds().empty());
    QTest::mousePress(form().menuLabel(0), Qt::RightButton);
    EXPECT_EQ(sounds(), std::vector<std::string>{"alert"});
    EXPECT_EQ(app->settingsStore().menu().menuCount(), 1);
    EXPECT_EQ(form().menuLabel(0)->text(), "次");
    EXPECT_FALSE(fs::is_empty(folder.path() / "設定" / "過去の設定"));
}

TEST_F(MainWindowCommandsTest, menuLabelPressOnEmptyEntry_onlySelectsAndColours)
{
    startApp();
    form().profileNameBox()->setText("ひとつ");
    ASSERT_TRUE(app->settingsStore().menu().AddCurrentToMenu());
    form().profileNameBox()->setText("そのまま");
    form().settingsTabs()->setCurrentIndex(ui::kMenuTab);
    sounds();
    for (const Qt::MouseButton button : {Qt::LeftButton, Qt::RightButton}) {
        QTest::mousePress(form().menuLabel(5), button);
        EXPECT_EQ(form().menuLabel(5)->palette().color(QPalette::Window), ui::colourFromBgr(0x535353));
        EXPECT_EQ(app->settingsStore().menu().selectedMenuEntry(), 5);
        QTest::mouseRelease(form().menuLabel(5), button);
    }
    EXPECT_TRUE(sounds().empty());
    EXPECT_EQ(app->settingsStore().menu().menuCount(), 1);
    EXPECT_EQ(form().profileNameBox()->text(), "そのまま");
    EXPECT_TRUE(fs::is_empty(folder.path() / "設定" / "過去の設定"));
}

TEST_F(MainWindowCommandsTest, drop_threeFilesLoadInTurnAndTheLastWins)
{
    startApp();
    const std::string one = writeProfile("drops/1.txt", "一", "-A-", 100);
    const std::string two = writeProfile("drops/2.txt", "二", "-B-", 200);
    const std::string three = writeProfile("drops/3.txt", "三", "-C-", 300);
    std::vector<QString> names;
    QObject::connect(form().profileNameBox(), &QLineEdit::textChanged, [&](const QString& t) { names.push_back(t); });

    EXPECT_TRUE(dropFiles(&form(), {one, two, three}));
    EXPECT_EQ(names, (std::vector<QString>{"一", "二", "三"}));
    EXPECT_EQ(form().keyChoiceBox(0, 0)->currentText(), "-C-");
    EXPECT_EQ(form().reactionTimeBar()->value(), 300);
    EXPECT_EQ(form().captionFragmentBox()->currentText(), "メモ帳");
    EXPECT_EQ(app->commands().drops().DroppedSettingsPath(), fs::path(three));
    EXPECT_EQ(sounds(), (std::vector<std::string>{"click", "click", "click"}));
}

TEST_F(MainWindowCommandsTest, drop_onTabsAndOnTextBoxesLoadsTheFileTextDragsStayText)
{
    startApp();
    const std::string file = writeProfile("drops/a.txt", "タブ", "-T-", 250);
    EXPECT_TRUE(dropFiles(form().settingsTabs(), {file}));
    EXPECT_EQ(form().profileNameBox()->text(), "タブ");

    form().keyChoiceBox(0, 0)->setEditText("-X-");
    EXPECT_TRUE(dropFiles(form().keyChoiceBox(0, 0)->lineEdit(), {file}));
    EXPECT_EQ(form().keyChoiceBox(0, 0)->currentText(), "-T-"); // loaded, not the path typed in

    QMimeData text;
    text.setText("ただの文字");
    EXPECT_FALSE(dropOn(&form(), text));
}

TEST_F(MainWindowCommandsTest, drop_folderMissingFifoAndHugeFilesSkippedWithAlert)
{
    startApp();
    const std::string exactlyLimit = writeProfile("drops/limit.txt", "上限", "-L-", 150);
    const size_t size = fs::file_size(exactlyLimit);
    const std::string padding(app::ProfileFileDrop::kMaxProfileFileBytes - size, '\n');
    writeProfile("drops/limit.txt", "上限", "-L-", 150, padding);
    writeProfile("drops/huge.txt", "巨大", "-H-", 900, padding + "\n");
    ASSERT_EQ(fs::file_size(exactlyLimit), app::ProfileFileDrop::kMaxProfileFileBytes);
    const std::string folderPath = (folder.path() / "drops").string();
    const std::string missing = (folder.path() / "drops" / "gone.txt").string();
    const std::string huge = (folder.path() / "drops" / "huge.txt").string();
    const std::string fifo = (folder.path() / "drops" / "pipe.txt").string(); // no writer: must not wait
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);

    EXPECT_TRUE(dropFiles(&form(), {exactlyLimit, folderPath, missing, fifo, huge}));
    EXPECT_EQ(sounds(), (std::vector<std::string>{"click", "alert", "alert", "alert", "alert"}));
    EXPECT_EQ(form().profileNameBox()->text(), "上限");
    EXPECT_EQ(form().reactionTimeBar()->value(), 150);
    EXPECT_TRUE(exits.empty());
}

TEST_F(MainWindowCommandsTest, reloadLists_doublesFullListsAndRestoresEmptiedOnes)
{
    startApp(); // no last-exit file: the fallback leaves every list empty
    ASSERT_EQ(form().keyChoiceBox(0, 0)->count(), 0);
    form().reloadListsButton()->click();
    for (QComboBox* box : {form().keyChoiceBox(0, 0), form().keyChoiceBox(7, 1), form().keyChoiceBox(14, 2)})
        EXPECT_EQ(box->count(), 106);
    form().keyChoiceBox(2, 1)->setCurrentIndex(30);
    const QString chosen = form().keyChoiceBox(2, 1)->currentText();
    form().reloadListsButton()->click();
    EXPECT_EQ(form().keyChoiceBox(0, 0)->count(), 212);
    EXPECT_EQ(form().keyChoiceBox(0, 0)->itemText(106), form().keyChoiceBox(0, 0)->itemText(0));
    EXPECT_EQ(form().keyChoiceBox(10, 0)->currentText(), "←");
    EXPECT_EQ(form().keyChoiceBox(2, 1)->currentIndex(), 30) << "a reload keeps the choice";
    EXPECT_EQ(form().keyChoiceBox(2, 1)->currentText(), chosen);
    EXPECT_TRUE(sounds().empty());

    // Lists sharing their items stay separate lists: emptying one leaves the others.
    app->keyLists().clear(2, 1, form().keyChoiceBox(2, 1));
    EXPECT_EQ(form().keyChoiceBox(2, 1)->count(), 0);
    EXPECT_EQ(form().keyChoiceBox(2, 1)->currentText(), chosen);
    EXPECT_EQ(form().keyChoiceBox(0, 0)->count(), 212);
}

TEST_F(MainWindowCommandsTest, applyUserDefault_appliesTheDefaultLoadedAtStartNotOneRegisteredLater)
{
    startApp();
    form().profileNameBox()->setText("最初の既定");
    form().saveUserDefaultButton()->click();
    EXPECT_EQ(sounds(), std::vector<std::string>{"click"});
    form().profileNameBox()->setText("別");
    form().applyUserDefaultButton()->click(); // nothing was registered when this run started
    EXPECT_EQ(form().profileNameBox()->text(), "別");
    EXPECT_EQ(sounds(), (std::vector<std::string>{"click", "alert"}));

    makeApp();
    startApp();
    form().profileNameBox()->setText("後の既定");
    form().saveUserDefaultButton()->click();
    form().profileNameBox()->setText("別");
    form().applyUserDefaultButton()->click();
    EXPECT_EQ(form().profileNameBox()->text(), "最初の既定");
}

TEST_F(MainWindowCommandsTest, applyLastExit_restoresTheLastExit)
{
    startApp();
    form().profileNameBox()->setText("前回");
    ASSERT_TRUE(app->settingsStore().lastExit().SaveLastExit());
    form().profileNameBox()->setText("今");
    form().applyLastExitButton()->click();
    EXPECT_EQ(form().profileNameBox()->text(), "前回");
    EXPECT_EQ(sounds(), std::vector<std::string>{"click"});
}

TEST_F(MainWindowCommandsTest, saveWindowPlace_recordsTheOpenFolderWindowElseKeepsTheRememberedPlace)
{
    startApp();
    const auto folderLines = [&] {
        const std::vector<std::string> all = readFields(settingsFile("サイズ位置.txt"), 8);
        return std::vector<std::string>(all.begin() + 4, all.end());
    };
    form().saveWindowPlaceButton()->click();
    EXPECT_EQ(folderLines(), (std::vector<std::string>{"3", "576", "601", "680"}));

    form().openHistoryFolderButton()->click();
    ui::HistoryFolderWindow* window = app->commands().FolderWindow();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->geometry().size(), QSize(680, 601));
    window->move(100, 50);
    window->resize(300, 200);
    form().saveWindowPlaceButton()->click();
    EXPECT_EQ(folderLines(), (std::vector<std::string>{"50", "100", "200", "300"}));

    window->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(app->commands().FolderWindow(), nullptr);
    form().saveWindowPlaceButton()->click();
    EXPECT_EQ(folderLines(), (std::vector<std::string>{"50", "100", "200", "300"}));

    form().openHistoryFolderButton()->click(); // reopens where it was recorded
    ASSERT_NE(app->commands().FolderWindow(), nullptr);
    EXPECT_EQ(app->commands().FolderWindow()->pos(), QPoint(100, 50));
    EXPECT_EQ(app->commands().FolderWindow()->size(), QSize(300, 200));
    EXPECT_TRUE(sounds().empty());
}

TEST_F(MainWindowCommandsTest, openHistoryFolder_listsArchivesNewestFirstAndADraggedFileLoads)
{
    startApp();
    const std::string older = writeProfile("設定/過去の設定/古い.txt", "古い", "-O-", 110);
    const std::string newer = writeProfile("設定/過去の設定/新しい.txt", "新しい", "-N-", 120);
    fs::last_write_time(older, fs::file_time_type::clock::now() - std::chrono::hours(2));

    form().openHistoryFolderButton()->click();
    ui::HistoryFolderWindow* first = app->commands().FolderWindow();
    ASSERT_NE(first, nullptr);
    EXPECT_TRUE(first->isVisible());
    EXPECT_EQ(first->windowTitle(), "過去の設定");
    EXPECT_EQ(first->fileNames(), (QStringList{"新しい.txt", "古い.txt"}));

    QListWidget* list = first->fileList();
    std::unique_ptr<QMimeData> dragged(list->model()->mimeData({list->model()->index(0, 0)}));
    ASSERT_NE(dragged, nullptr);
    EXPECT_EQ(dragged->urls(), QList<QUrl>{QUrl::fromLocalFile(QString::fromStdString(newer))});
    EXPECT_TRUE(dropOn(&form(), *dragged));
    EXPECT_EQ(form().profileNameBox()->text(), "新しい");
    EXPECT_EQ(form().keyChoiceBox(0, 0)->currentText(), "-N-");

    form().openHistoryFolderButton()->click(); // every press opens a window of its own
    EXPECT_NE(app->commands().FolderWindow(), first);
    EXPECT_TRUE(first->isVisible());
}

TEST_F(MainWindowCommandsTest, exit_alertSavesLastExitShutsSoundDownThenEnds)
{
    startApp();
    form().profileNameBox()->setText("終わりの名前");
    const std::string playAlert = "play " + std::to_string(app->sound().alertSound());
    std::vector<std::string> callsAtExit;
    app->setExitFunction([&](int code) {
        exits.push_back(code);
        callsAtExit = sound->calls;
    });
    form().exitButton()->click();
    EXPECT_EQ(exits, std::vector<int>{0});
    ASSERT_FALSE(callsAtExit.empty());
    EXPECT_EQ(callsAtExit.front(), playAlert);
    EXPECT_EQ(callsAtExit.back(), "quit");
    EXPECT_EQ(readFields(settingsFile("前回.txt"), 49)[47], "終わりの名前");
}

} // namespace
