#include "UiTestSupport.h"
#include "ui/MainWindow.h"
#include "ui/MultiRowTabWidget.h"

#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

using rukcon::ui::MainWindow;
using rukcon::ui::MultiRowTabWidget;

namespace {

class MainWindowTabsTest : public ::testing::Test {
protected:
    MainWindow form;
    MultiRowTabWidget* tabs = form.settingsTabs();
    std::vector<int> changes;

    void SetUp() override
    {
        QObject::connect(tabs, &MultiRowTabWidget::currentChanged, [this](int index) { changes.push_back(index); });
        form.show();
    }

    // Exactly one page is visible, the current one.
    void expectOnlyPageShown(int index)
    {
        for (int i = 0; i < tabs->count(); ++i)
            EXPECT_EQ(tabs->page(i)->isVisible(), i == index) << "page " << i;
    }

    void sendKey(QWidget* to, int key, Qt::KeyboardModifiers modifiers)
    {
        QKeyEvent press(QEvent::KeyPress, key, modifiers);
        QApplication::sendEvent(to, &press);
    }
};

TEST_F(MainWindowTabsTest, captions_twentyInOrderInFourRowsOfFive)
{
    const QStringList expected{"第01ボタン",     "第02ボタン", "第03ボタン", "第04ボタン", "第05ボタン",
                               "第06ボタン",     "第07ボタン", "第08ボタン", "第09ボタン", "第10ボタン",
                               "←ボタン",        "→ボタン",    "↑ボタン",    "↓ボタン",    "反応時間",
                               "アクティブ設定", "名前・保存", "メニュー",   "他設定",     "ヘルプ"};
    ASSERT_EQ(tabs->count(), expected.size());
    for (int i = 0; i < tabs->count(); ++i) {
        EXPECT_EQ(tabs->tabText(i), expected[i]);
        // Row i / 5, column i % 5, rows from the top down, every tab inside the control.
        const QRect r = tabs->tabRect(i);
        EXPECT_EQ(r.top(), tabs->tabRect(i % 5).top() + (i / 5) * r.height()) << i;
        EXPECT_EQ(r.left(), tabs->tabRect(i % 5).left()) << i;
        if (i % 5 > 0) {
            EXPECT_EQ(r.left(), tabs->tabRect(i - 1).right() + 1) << i;
        }
        EXPECT_TRUE(tabs->rect().contains(r)) << i;
        // The caption fits its tab.
        EXPECT_LE(QFontMetrics(tabs->tabFont()).horizontalAdvance(expected[i]), r.width() - 4) << i;
    }
    EXPECT_DOUBLE_EQ(tabs->tabFont().pointSizeF(), 9.0);
    EXPECT_TRUE(rukcon::test::isJapaneseGothic(tabs->tabFont()));
    EXPECT_EQ(tabs->tabText(20), QString());
    EXPECT_EQ(tabs->page(20), nullptr);
}

TEST_F(MainWindowTabsTest, setCurrentIndex_showsOnlyThatPage_signalsOnlyChanges)
{
    expectOnlyPageShown(0);
    for (int index : {16, 16, 0, 19, -1, 20, 5}) {
        const int before = tabs->currentIndex();
        changes.clear();
        tabs->setCurrentIndex(index);
        const bool valid = index >= 0 && index < 20;
        const int now = valid ? index : before;
        EXPECT_EQ(tabs->currentIndex(), now) << index;
        EXPECT_EQ(changes, now != before ? std::vector<int>{now} : std::vector<int>{}) << index;
        expectOnlyPageShown(now);
    }
}

TEST_F(MainWindowTabsTest, clickOnEachTab_selectsIt)
{
    // Reverse order so that every click changes the tab.
    for (int i = tabs->count() - 1; i >= 0; --i) {
        changes.clear();
        const QPoint centre = tabs->mapTo(&form, tabs->tabRect(i).center());
        rukcon::test::clickAt(&form, centre);
        EXPECT_EQ(tabs->currentIndex(), i);
        EXPECT_EQ(changes, std::vector<int>{i});
        expectOnlyPageShown(i);
    }
    // A click on the page area below the rows changes nothing.
    rukcon::test::clickAt(&form, tabs->mapTo(&form, QPoint(tabs->width() - 10, tabs->height() - 10)));
    EXPECT_EQ(tabs->currentIndex(), 0);
}

TEST_F(MainWindowTabsTest, ctrlTabFromAControlOnThePage_stepsThroughTabs)
{
    sendKey(form.keyChoiceBox(0, 0)->lineEdit(), Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_EQ(tabs->currentIndex(), 1);
    sendKey(form.keyChoiceBox(1, 0)->lineEdit(), Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(tabs->currentIndex(), 0);
    sendKey(form.keyChoiceBox(0, 0)->lineEdit(), Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(tabs->currentIndex(), 19);
    tabs->setCurrentIndex(18);
    sendKey(form.findChild<QWidget*>("Command10"), Qt::Key_PageDown, Qt::ControlModifier);
    EXPECT_EQ(tabs->currentIndex(), 19);
    // Plain arrows on a control stay with the control.
    tabs->setCurrentIndex(0);
    sendKey(form.keyChoiceBox(0, 0)->lineEdit(), Qt::Key_Right, Qt::NoModifier);
    EXPECT_EQ(tabs->currentIndex(), 0);
}

TEST_F(MainWindowTabsTest, slotPages_holdTheirSlotsControls)
{
    // Slot 14's page is the アクティブ設定 tab; every other slot has the tab of its number.
    for (int slot = 0; slot < 15; ++slot) {
        const int tab = slot == 14 ? 15 : slot;
        tabs->setCurrentIndex(tab);
        EXPECT_TRUE(form.keyChoiceBox(slot, 0)->isVisible()) << slot;
        EXPECT_EQ(form.keyChoiceBox(slot, 1)->isVisible(), slot != 14) << slot;
        EXPECT_EQ(form.keyChoiceBox(slot, 2)->isVisible(), slot != 14) << slot;
        EXPECT_TRUE(form.nameLabel(tab)->isVisible()) << slot;
    }
}

TEST_F(MainWindowTabsTest, typingIntoAKeyList_neverAddsAnEntry)
{
    QComboBox* combo = form.keyChoiceBox(3, 0);
    tabs->setCurrentIndex(3);
    combo->lineEdit()->setText("ABC");
    sendKey(combo->lineEdit(), Qt::Key_Return, Qt::NoModifier);
    EXPECT_EQ(combo->count(), 0);
    EXPECT_EQ(combo->currentText(), "ABC");
}

// Nothing completes on its own: the box holds exactly what was typed, whatever the list offers.
TEST_F(MainWindowTabsTest, typingIntoAnEditableList_keepsExactlyWhatWasTyped)
{
    struct Case {
        QComboBox* combo;
        int tab;
        QStringList items;
        const char* typed;
    };
    const Case cases[] = {{form.keyChoiceBox(3, 0), 3, {"F1", "F10"}, "F"},
                          {form.captionFragmentBox(), 16, {"Hidden Target Pad", "hidden"}, "hid"}};
    QApplication::setActiveWindow(&form); // completion works only in the focused box
    for (const Case& c : cases) {
        tabs->setCurrentIndex(c.tab);
        c.combo->addItems(c.items);
        c.combo->setEditText(QString());
        c.combo->lineEdit()->setFocus();
        QTest::keyClicks(c.combo->lineEdit(), c.typed);
        EXPECT_EQ(c.combo->currentText(), c.typed) << c.combo->objectName().toStdString();
    }
}

} // namespace
