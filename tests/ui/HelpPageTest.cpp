#include "ui/MainWindow.h"
#include "ui/MultiRowTabWidget.h"
#include "ui/SettingsPages.h"

#include <QScrollBar>
#include <QTextBrowser>

#include <gtest/gtest.h>

using rukcon::ui::MainWindow;

namespace {

class HelpPageTest : public ::testing::Test {
protected:
    MainWindow form;
    rukcon::ui::MultiRowTabWidget* tabs = form.settingsTabs();
    QTextBrowser* help = nullptr;

    void SetUp() override
    {
        form.show();
        // Built when its tab is first opened, not before.
        ASSERT_EQ(form.findChild<QTextBrowser*>("HelpText"), nullptr);
        tabs->setCurrentIndex(rukcon::ui::kHelpTab);
        help = form.findChild<QTextBrowser*>("HelpText");
        ASSERT_NE(help, nullptr);
    }

    // Inside the page frame: below the tab rows, within the page.
    void expectInPageFrame()
    {
        const QRect page = help->parentWidget()->rect();
        const QRect g = help->geometry();
        EXPECT_GE(g.top(), tabs->rowsBottom());
        EXPECT_LE(g.top(), tabs->rowsBottom() + 4);
        EXPECT_TRUE(page.contains(g));
        EXPECT_GE(g.width(), page.width() - 8);
        EXPECT_GE(g.bottom(), page.bottom() - 4);
    }
};

TEST_F(HelpPageTest, onHelpTabOnly_fillsPageFrame_readOnly)
{
    EXPECT_EQ(help->parentWidget(), tabs->page(rukcon::ui::kHelpTab));
    EXPECT_TRUE(help->isVisible());
    EXPECT_TRUE(help->isReadOnly());
    EXPECT_EQ(help->lineWrapMode(), QTextEdit::WidgetWidth);
    expectInPageFrame();

    // The page follows the tab control; the text follows the page.
    tabs->resize(tabs->width() + 60, tabs->height() + 40);
    expectInPageFrame();

    // Another tab hides it; opened again, it is the same text, not a second one.
    tabs->setCurrentIndex(0);
    EXPECT_FALSE(help->isVisible());
    tabs->setCurrentIndex(rukcon::ui::kHelpTab);
    EXPECT_EQ(form.findChildren<QTextBrowser*>().size(), 1);
    EXPECT_TRUE(help->isVisible());
}

TEST_F(HelpPageTest, text_coversTheTopics_scrollsWhenLonger)
{
    const QString text = help->toPlainText();
    // Key positions and held modifiers, the target and activation key, timing, tray, storage.
    for (const char* topic : {"三つ", "SHIFT", "CONTROL", "alt", "アクティブ設定", "キャプションの一部", "名前・保存",
                              "反応時間", "矢印の反応倍率", "トレイ", "右クリック", "自動切替", "「設定」フォルダ",
                              "「過去の設定」", "~/.config/rukcon/設定"}) {
        EXPECT_TRUE(text.contains(QString::fromUtf8(topic))) << topic;
    }
    // No line runs off to the side; the rest is reached by scrolling down.
    EXPECT_EQ(help->horizontalScrollBar()->maximum(), 0);
    EXPECT_GT(help->verticalScrollBar()->maximum(), 0);
}

} // namespace
