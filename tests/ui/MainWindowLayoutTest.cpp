#include "UiTestSupport.h"
#include "ui/MainWindow.h"
#include "ui/MultiRowTabWidget.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>

#include <gtest/gtest.h>

#include <map>
#include <vector>

using rukcon::test::pixels;
using rukcon::ui::MainWindow;

namespace {

constexpr int kWindow = -1; // container: the window's client area
constexpr int kPanel = -2;  // container: Frame1; 0 … 19 are the pages of SSTab1

enum class Face { Default, Bar, BarBold, Value };

struct ControlRow {
    QString name;
    const char* kind;
    QString text;
    QRect place; // pixels
    int container;
    Face face = Face::Default;
    bool hidden = false;
    QString tip = {};
};

std::vector<ControlRow> controlTable()
{
    std::vector<ControlRow> rows;
    auto add = [&rows](ControlRow row) { rows.push_back(std::move(row)); };
    const QString addToMenu = "メニューに追加";
    const QString anyName = "任意の名前でOKです。";
    const QString fragment = "キャプションの一部分を登録してください。";

    // Command bar
    add({"Command17", "QPushButton", "動作確認", pixels(240, 0, 1215, 255), kWindow, Face::Bar});
    add({"Command16", "QPushButton", "新規設定", pixels(1560, 0, 1095, 255), kWindow, Face::Bar});
    add({"Command8", "QPushButton", "保存", pixels(2760, 0, 735, 255), kWindow, Face::Bar, false, addToMenu});
    add({"Command5", "QPushButton", "メニュー", pixels(3600, 0, 975, 255), kWindow, Face::Bar});
    add({"Command15", "QPushButton", "他設定", pixels(4680, 0, 975, 255), kWindow, Face::Bar});
    add({"Command2", "QPushButton", "終了", pixels(5760, 0, 975, 255), kWindow, Face::Bar});
    // Rest of the window
    add({"Check2", "QCheckBox", "常に手前に表示", pixels(0, 4320, 1575, 255), kWindow});
    add({"Check1", "QCheckBox", "設定", pixels(1920, 4320, 1095, 255), kWindow, Face::Default, true});
    add({"SSTab1", "QWidget", "", pixels(120, 480, 7095, 3735), kWindow});
    add({"Frame1", "QFrame", "", pixels(480, 4800, 6555, 3765), kWindow, Face::Default, true});

    // Key choices: slots 0 … 13 on their own tab, the activation key on tab 15, shifted.
    for (int slot = 0; slot < 15; ++slot) {
        const bool act = slot == 14;
        const int tab = act ? 15 : slot;
        const int left = act ? 240 : 120;
        const int down = act ? 240 : 0;
        const QString n = QString::number(slot);
        add({"Combo1_" + n, "QComboBox", "", pixels(left, 1440 + down, act ? 1935 : 2000, 300), tab});
        add({"Combo3_" + n, "QComboBox", "", pixels(left, 1920 + down, 1935, 300), tab, Face::Default, act});
        add({"Combo4_" + n, "QComboBox", "", pixels(left, 2400 + down, 1935, 300), tab, Face::Default, act});
    }
    for (int i = 0; i <= 17; ++i) {
        const int left = i == 3 ? 4080 : i == 17 ? 4320 : 4200;
        add({"Label16_" + QString::number(i), "QLabel", "ソフト名", pixels(left, 1440, 2055, 255), i, Face::Bar});
    }

    // Tab 14: reaction time and arrow multiplier
    add({"Label7", "QLabel", "反応時間 1/1000秒単位", pixels(240, 1380, 2415, 255), 14, Face::Bar});
    add({"HScroll1", "QScrollBar", "", pixels(1320, 1740, 2415, 255), 14});
    add({"Label5", "QLabel", "Label5", pixels(240, 1740, 735, 255), 14, Face::Value});
    add({"Label9", "QLabel", "矢印の反応倍率", pixels(360, 2520, 1575, 255), 14, Face::Bar});
    add({"HScroll2", "QScrollBar", "", pixels(1320, 2880, 2415, 255), 14});
    add({"Label8", "QLabel", "Label5", pixels(360, 2880, 735, 255), 14, Face::Value});

    // Tab 16: name and target
    add({"Label10", "QLabel", "コントロールしたいソフト名(自由につけられます)", pixels(120, 1320, 3855, 255), 16,
         Face::Default, false, anyName});
    add({"Text2", "QLineEdit", "Text2", pixels(120, 1560, 2415, 270), 16, Face::Default, false, anyName});
    add({"Label11", "QLabel", "コントロールしたいソフトのキャプションの一部", pixels(120, 2520, 4455, 255), 16,
         Face::Default, false, fragment});
    add({"Combo2", "QComboBox", "起動しているソフトのキャプション", pixels(120, 2880, 4455, 300), 16, Face::Default,
         false, fragment});
    add({"Label1", "QLabel", "↑のリストは現在起動しているソフトのキャプション名です。", pixels(360, 3240, 4815, 255),
         16, Face::Default, false, "設定のチェックボックスをクリックしたときに取得しています。"});
    add({"Command3", "QPushButton", "ユーザーデフォルトに登録", pixels(4800, 2400, 1695, 375), 16});
    add({"Command1", "QPushButton", "保存", pixels(5040, 3120, 1335, 375), 16, Face::Default, false, addToMenu});
    add({"Label14", "QLabel", "", pixels(3480, 1800, 2775, 255), 16, Face::Bar});

    // Tab 17: user menu entries in two columns of six
    for (int i = 0; i < 12; ++i) {
        add({"Label12_" + QString::number(i), "QLabel", "Label12",
             pixels(i < 6 ? 120 : 2040, 1320 + 360 * (i % 6), 1695, 255), 17, Face::Bar});
    }
    add({"Command4", "QPushButton", "ユーザーデフォルト", pixels(4920, 2760, 1335, 375), 17});
    add({"Command7", "QPushButton", "前回の設定", pixels(4920, 2160, 1335, 375), 17});

    // Tab 18: other settings
    add({"Command14", "QPushButton", "コントローラーのボタンの位置の設定", pixels(360, 1440, 2415, 375), 18});
    add({"Command6", "QPushButton", "このソフトのサイズと位置の設定", pixels(360, 2040, 2415, 375), 18});
    add({"Command9", "QPushButton", "過去の設定フォルダを開く", pixels(360, 2520, 2415, 375), 18});
    add({"Command10", "QPushButton", "リスト再ロード", pixels(360, 3000, 2415, 375), 18});

    // The button panel
    add({"Label6", "QLabel", "", pixels(120, 240, 2655, 255), kPanel});
    add({"Label16_18", "QLabel", "ソフト名", pixels(3600, 240, 2055, 255), kPanel, Face::Bar});
    add({"Text1", "QLineEdit", "Text1", pixels(6600, 720, 855, 270), kPanel});
    add({"Line1", "QFrame", "", QRect(0, 88, 448, 1), kPanel});
    const char* captions[] = {"↑", "→", "↓", "←", "1", "2", "3", "4", "5", "6", "7", "8", "9", "10"};
    const int lefts[] = {1080, 1680, 1080, 480, 3600, 4080, 4560, 5040, 5520, 3600, 4080, 4560, 5040, 5520};
    const int tops[] = {1440, 2040, 2640, 2040, 1920, 1920, 1920, 1920, 1920, 2400, 2400, 2400, 2400, 2400};
    for (int i = 0; i < 14; ++i) {
        add({"Command11_" + QString::number(i), "QPushButton", captions[i], pixels(lefts[i], tops[i], 375, 375), kPanel,
             Face::BarBold});
    }
    add({"Check3", "QCheckBox", "ボタンを消す", pixels(240, 3360, 1455, 255), kPanel, Face::Default, true});
    add({"Command13", "QPushButton", "初期状態にもどす。", pixels(1920, 3360, 1575, 255), kPanel, Face::Default, true});
    add({"Command12", "QPushButton", "決定", pixels(4320, 3360, 735, 255), kPanel, Face::Default, true});
    return rows;
}

void expectFace(const QFont& font, Face face)
{
    const qreal size = face == Face::Default ? 9.0 : face == Face::Value ? 12.0 : 11.25;
    EXPECT_DOUBLE_EQ(font.pointSizeF(), size);
    EXPECT_EQ(font.bold(), face == Face::BarBold || face == Face::Value);
    EXPECT_TRUE(rukcon::test::isJapaneseGothic(font)) << font.toString().toStdString();
}

class MainWindowLayoutTest : public ::testing::Test {
protected:
    MainWindow form;

    // Every page, as after it was first opened.
    MainWindowLayoutTest()
    {
        for (int slot = 0; slot < rukcon::ui::kSlotCount; ++slot)
            form.keyChoiceBox(slot, 0);
        form.reactionTimeBar();
        form.profileNameBox();
        form.menuLabel(0);
        form.editLayoutButton();
        form.buttonPanel();
    }

    QWidget* container(int id) const
    {
        if (id == kWindow)
            return const_cast<MainWindow*>(&form);
        if (id == kPanel)
            return form.buttonPanel();
        return form.settingsTabs()->page(id);
    }
};

TEST_F(MainWindowLayoutTest, everyControl_hasItsKindTextPlaceContainerFaceAndStartState)
{
    const std::vector<ControlRow> table = controlTable();
    for (const ControlRow& row : table) {
        SCOPED_TRACE(row.name.toStdString());
        auto* widget = form.findChild<QWidget*>(row.name);
        ASSERT_NE(widget, nullptr);
        EXPECT_STREQ(rukcon::test::qtKind(widget), row.kind);
        EXPECT_EQ(rukcon::test::textOf(widget), row.text);
        EXPECT_EQ(widget->geometry(), row.place);
        ASSERT_NE(container(row.container), nullptr);
        EXPECT_EQ(widget->parentWidget(), container(row.container));
        EXPECT_EQ(widget->isHidden(), row.hidden);
        EXPECT_EQ(widget->toolTip(), row.tip);
        expectFace(widget->font(), row.face);
        if (auto* combo = qobject_cast<QComboBox*>(widget)) {
            EXPECT_TRUE(combo->isEditable());
            EXPECT_EQ(combo->insertPolicy(), QComboBox::NoInsert);
            EXPECT_EQ(combo->count(), 0);
        }
    }

    // Nothing on the window, a page or the panel that the table does not know.
    std::map<QString, int> known;
    for (const ControlRow& row : table)
        ++known[row.name];
    ++known["HelpText"]; // the help tab's text, see HelpPageTest
    for (int id = kPanel; id < form.settingsTabs()->count(); ++id) {
        for (QWidget* child : container(id)->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            EXPECT_EQ(known[child->objectName()], 1) << "unexpected or duplicate " << child->objectName().toStdString();
        }
    }
}

TEST_F(MainWindowLayoutTest, startState_settingsModeOnTabZeroPanelHidden)
{
    EXPECT_EQ(form.objectName(), "Form1");
    EXPECT_EQ(form.windowTitle(), "R・U・Kコン");
    EXPECT_TRUE(form.settingsModeBox()->isChecked());
    EXPECT_FALSE(form.keepAboveBox()->isChecked());
    EXPECT_FALSE(form.hideButtonBox()->isChecked());
    EXPECT_EQ(form.settingsTabs()->currentIndex(), 0);
    EXPECT_EQ(form.size(), QSize(492, 325));
    EXPECT_EQ(form.pos(), QPoint(358, 187));
    EXPECT_TRUE(rukcon::test::isJapaneseGothic(form.font()));
}

TEST_F(MainWindowLayoutTest, scrollBars_rangesValuesAndSteps)
{
    struct Bar {
        QScrollBar* bar;
        int minimum, maximum, value;
    };
    for (const Bar& b : {Bar{form.reactionTimeBar(), 50, 1000, 50}, Bar{form.multiplierBar(), 1, 10, 1}}) {
        SCOPED_TRACE(b.bar->objectName().toStdString());
        EXPECT_EQ(b.bar->orientation(), Qt::Horizontal);
        EXPECT_EQ(b.bar->minimum(), b.minimum);
        EXPECT_EQ(b.bar->maximum(), b.maximum);
        EXPECT_EQ(b.bar->value(), b.value);
        EXPECT_EQ(b.bar->singleStep(), 1);
        EXPECT_EQ(b.bar->pageStep(), 1);
    }
}

TEST_F(MainWindowLayoutTest, accessors_returnTheNamedControls)
{
    for (int i = 0; i < 15; ++i) {
        EXPECT_EQ(form.keyChoiceBox(i, 0), form.findChild<QWidget*>(QString("Combo1_%1").arg(i)));
        EXPECT_EQ(form.keyChoiceBox(i, 1), form.findChild<QWidget*>(QString("Combo3_%1").arg(i)));
        EXPECT_EQ(form.keyChoiceBox(i, 2), form.findChild<QWidget*>(QString("Combo4_%1").arg(i)));
    }
    for (int i = 0; i < 19; ++i)
        EXPECT_EQ(form.nameLabel(i), form.findChild<QWidget*>(QString("Label16_%1").arg(i)));
    for (int i = 0; i < 12; ++i)
        EXPECT_EQ(form.menuLabel(i), form.findChild<QWidget*>(QString("Label12_%1").arg(i)));
    for (int i = 0; i < 14; ++i)
        EXPECT_EQ(form.layoutButton(i), form.findChild<QWidget*>(QString("Command11_%1").arg(i)));
    const std::pair<QPushButton*, int> buttons[] = {
        {form.nameTabSaveButton(), 1},      {form.exitButton(), 2},           {form.saveUserDefaultButton(), 3},
        {form.applyUserDefaultButton(), 4}, {form.menuTabButton(), 5},        {form.saveWindowPlaceButton(), 6},
        {form.applyLastExitButton(), 7},    {form.saveToMenuButton(), 8},     {form.openHistoryFolderButton(), 9},
        {form.reloadListsButton(), 10},     {form.confirmLayoutButton(), 12}, {form.restoreLayoutButton(), 13},
        {form.editLayoutButton(), 14},      {form.otherTabButton(), 15},      {form.newSettingsButton(), 16},
        {form.operationCheckButton(), 17},
    };
    for (const auto& [button, number] : buttons) {
        ASSERT_NE(button, nullptr) << number;
        EXPECT_EQ(button, form.findChild<QWidget*>(QString("Command%1").arg(number))) << number;
    }
    for (int outOfRange : {-1, 15})
        EXPECT_EQ(form.keyChoiceBox(outOfRange, 0), nullptr);
    EXPECT_EQ(form.nameLabel(19), nullptr);

    const std::pair<QObject*, const char*> singles[] = {
        {form.settingsModeBox(), "Check1"},   {form.keepAboveBox(), "Check2"},
        {form.hideButtonBox(), "Check3"},     {form.reactionTimeBar(), "HScroll1"},
        {form.multiplierBar(), "HScroll2"},   {form.keySink(), "Text1"},
        {form.profileNameBox(), "Text2"},     {form.captionFragmentBox(), "Combo2"},
        {form.reactionTimeValue(), "Label5"}, {form.statusLine(), "Label6"},
        {form.multiplierValue(), "Label8"},   {form.nameTabMessageLine(), "Label14"},
        {form.buttonPanel(), "Frame1"},       {form.settingsTabs(), "SSTab1"},
    };
    for (const auto& [object, name] : singles)
        EXPECT_EQ(object, form.findChild<QObject*>(name)) << name;
}

TEST_F(MainWindowLayoutTest, showSettingsArea_swapsTabsAndPanel_panelMovesToItsPlace)
{
    form.show();
    form.showSettingsArea(false);
    EXPECT_TRUE(form.buttonPanel()->isVisible());
    EXPECT_FALSE(form.settingsTabs()->isVisible());
    EXPECT_EQ(form.buttonPanel()->geometry(), pixels(120, 360, 6555, 3765));
    EXPECT_TRUE(form.rect().contains(form.buttonPanel()->geometry()));

    form.showSettingsArea(true);
    EXPECT_FALSE(form.buttonPanel()->isVisible());
    EXPECT_TRUE(form.settingsTabs()->isVisible());
    EXPECT_EQ(form.settingsTabs()->geometry(), pixels(120, 480, 7095, 3735));
}

TEST_F(MainWindowLayoutTest, resizingTheWindow_movesAndScalesNothing)
{
    form.show();
    std::map<QWidget*, QRect> before;
    for (QWidget* w : form.findChildren<QWidget*>())
        before[w] = w->geometry();
    for (QSize size : {QSize(900, 700), QSize(200, 120), QSize(492, 325)}) {
        form.resize(size);
        for (const auto& [w, place] : before)
            EXPECT_EQ(w->geometry(), place) << w->objectName().toStdString() << " at " << size.width();
    }
}

TEST_F(MainWindowLayoutTest, nothingIsClipped)
{
    auto* tabs = form.settingsTabs();
    // Pages cover the whole tab control; their controls must sit inside its page frame.
    const QRect pageArea = QRect(0, tabs->rowsBottom(), tabs->width(), tabs->height() - tabs->rowsBottom());
    EXPECT_LE(tabs->rowsBottom(), 88) << "the tab rows reach into the first row of controls";
    for (int i = 0; i < tabs->count(); ++i) {
        EXPECT_EQ(tabs->page(i)->geometry(), tabs->rect());
        for (QWidget* child : tabs->page(i)->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            if (!child->isHidden()) {
                EXPECT_TRUE(pageArea.contains(child->geometry())) << child->objectName().toStdString();
            }
        }
    }
    // Every panel control, the editing ones included. Line1 runs past the right edge by design
    // and Text1, a focus holder, sits beyond it so that it never shows.
    const QRect panel = form.buttonPanel()->rect();
    for (QWidget* child : form.buttonPanel()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (child->objectName() != "Line1" && child->objectName() != "Text1") {
            EXPECT_TRUE(panel.contains(child->geometry())) << child->objectName().toStdString();
        }
    }
    for (QWidget* child : form.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (!child->isHidden()) {
            EXPECT_TRUE(form.rect().contains(child->geometry())) << child->objectName().toStdString();
        }
    }
    EXPECT_TRUE(form.rect().contains(form.keepAboveBox()->geometry()));
}

} // namespace
