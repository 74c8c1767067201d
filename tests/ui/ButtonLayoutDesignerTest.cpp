#include "ui/ButtonLayoutDesigner.h"
#include "ui/ButtonPanel.h"
#include "ui/Colours.h"
#include "ui/LayoutDesignerHost.h"
#include "ui/MainWindow.h"
#include "ui/MultiRowTabWidget.h"
#include "ui/Twips.h"

#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

using rukcon::ui::ButtonLayoutDesigner;
using rukcon::ui::layoutButtonTwips;
using rukcon::ui::MainWindow;

namespace {

constexpr QSize kWide{1095, 255};
constexpr QSize kSquare{375, 375};

// Records what the designer asks of the program, in order, with the layout as it was saved.
class RecordingHost : public rukcon::ui::LayoutDesignerHost {
public:
    explicit RecordingHost(MainWindow& form) : m_form(form) {}
    void playClick() override { calls.push_back("click"); }
    void saveLayout() override
    {
        calls.push_back("save");
        saved.clear();
        for (int i = 0; i < rukcon::ui::kLayoutButtonCount; ++i)
            saved.push_back(layoutButtonTwips(m_form.layoutButton(i)));
    }
    // The program shows settings mode on the window's switch.
    void setSettingsMode(bool on) override { m_form.settingsModeBox()->setChecked(on); }
    int clicks() const { return int(std::count(calls.begin(), calls.end(), "click")); }

    std::vector<std::string> calls;
    std::vector<QRect> saved;

private:
    MainWindow& m_form;
};

class ButtonLayoutDesignerTest : public ::testing::Test {
protected:
    MainWindow form;
    RecordingHost host{form};
    ButtonLayoutDesigner designer{form, host};
    QFrame* panel = form.buttonPanel();

    void SetUp() override
    {
        // As the application wires it: Check1 switches between the tabs and the panel.
        QObject::connect(form.settingsModeBox(), &QCheckBox::toggled, &form, &MainWindow::showSettingsArea);
        form.show();
        form.settingsModeBox()->setChecked(false);
    }

    QPushButton* button(int i) const { return form.layoutButton(i); }
    QRect twipsOf(int i) const { return layoutButtonTwips(button(i)); }

    void startEditing()
    {
        form.editLayoutButton()->click();
        host.calls.clear();
    }

    // A drag through the window, as the window system delivers it: press on the button, move
    // and release wherever the point is, both given in panel pixels.
    void mouseDrag(int index, QPoint grabPx, QPoint releaseOnPanelPx, Qt::MouseButton mouseButton = Qt::LeftButton)
    {
        QWindow* window = form.windowHandle();
        const QPoint pressAt = button(index)->mapTo(&form, grabPx);
        const QPoint releaseAt = panel->mapTo(&form, releaseOnPanelPx);
        QTest::mousePress(window, mouseButton, {}, pressAt);
        QTest::mouseMove(window, (pressAt + releaseAt) / 2);
        QTest::mouseMove(window, releaseAt);
        QTest::mouseRelease(window, mouseButton, {}, releaseAt);
    }

    void mouseClick(QWidget* widget)
    {
        QTest::mouseClick(form.windowHandle(), Qt::LeftButton, {}, widget->mapTo(&form, widget->rect().center()));
    }
};

TEST_F(ButtonLayoutDesignerTest, startEditing_fromSettingsMode_showsPanelWithEditingControls)
{
    form.settingsModeBox()->setChecked(true);
    form.setWindowState(Qt::WindowMaximized);
    form.profileNameBox()->setText("ゲーム");

    form.editLayoutButton()->click();

    EXPECT_EQ(host.calls, std::vector<std::string>{"click"});
    EXPECT_FALSE(form.windowState() & (Qt::WindowMaximized | Qt::WindowMinimized));
    EXPECT_FALSE(form.settingsModeBox()->isChecked());
    EXPECT_TRUE(panel->isVisible());
    EXPECT_FALSE(form.settingsTabs()->isVisible());
    EXPECT_EQ(panel->pos(), QPoint(8, 24)); // 120, 360 twips
    EXPECT_EQ(form.nameLabel(18)->text(), "ボタン配置設定中");
    EXPECT_TRUE(form.hideButtonBox()->isVisible());
    EXPECT_TRUE(form.restoreLayoutButton()->isVisible());
    EXPECT_TRUE(form.confirmLayoutButton()->isVisible());
    EXPECT_TRUE(designer.LayoutEditing());
}

TEST_F(ButtonLayoutDesignerTest, editing_survivesSettingsModeSwitches_controlsReturnWithPanel)
{
    startEditing();
    form.settingsModeBox()->setChecked(true);
    EXPECT_TRUE(designer.LayoutEditing());
    EXPECT_FALSE(form.confirmLayoutButton()->isVisible());

    form.settingsModeBox()->setChecked(false);
    EXPECT_TRUE(designer.LayoutEditing());
    EXPECT_TRUE(form.hideButtonBox()->isVisible());
    EXPECT_TRUE(form.restoreLayoutButton()->isVisible());
    EXPECT_TRUE(form.confirmLayoutButton()->isVisible());
    // Still a drag, not a jump to the settings tab.
    mouseClick(button(0));
    EXPECT_FALSE(form.settingsModeBox()->isChecked());
    EXPECT_EQ(host.clicks(), 0);
}

TEST_F(ButtonLayoutDesignerTest, dropOnPanel_topDecidesShape_grabOffsetKept)
{
    struct Case {
        QPoint grab;    // inside the dragged button
        QPoint dropAt;  // on the panel
        QRect expected; // Left, Top, Width, Height
    };
    const Case cases[] = {
        {{100, 50}, {2000, 1369}, QRect(QPoint(1900, 1319), kWide)},   // last line of the upper zone
        {{100, 50}, {2000, 1370}, QRect(QPoint(1900, 1320), kSquare)}, // first line of the lower zone
        {{0, 0}, {300, 0}, QRect(QPoint(300, 0), kWide)},
        {{200, 300}, {100, 100}, QRect(QPoint(-100, -200), kWide)},   // not clamped to the panel
        {{10, 10}, {6600, 3800}, QRect(QPoint(6590, 3790), kSquare)}, // wide before, square again
    };
    startEditing();
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "drop at " << c.dropAt.x() << "," << c.dropAt.y());
        designer.pressButton(4, c.grab);
        designer.dropOnPanel(c.dropAt);
        EXPECT_EQ(twipsOf(4), c.expected);
        EXPECT_EQ(button(4)->geometry(),
                  rukcon::ui::twipsRect(c.expected.x(), c.expected.y(), c.expected.width(), c.expected.height()));
    }
    // Only the dragged button moved.
    EXPECT_EQ(twipsOf(5), QRect(4080, 1920, 375, 375));
}

TEST_F(ButtonLayoutDesignerTest, pressButton_roundsGrabToNearestHalvesToEven_perButton)
{
    startEditing();
    designer.pressButton(2, QPointF(7.5, 22.5));
    designer.pressButton(9, QPointF(8.5, 3.4));
    EXPECT_EQ(designer.DraggedButton(), 9);
    EXPECT_EQ(designer.GrabX(2), 8);
    EXPECT_EQ(designer.GrabY(2), 22);
    EXPECT_EQ(designer.GrabX(9), 8);
    EXPECT_EQ(designer.GrabY(9), 3);
}

TEST_F(ButtonLayoutDesignerTest, dropOnButton_placesLikePanelDropButKeepsShape)
{
    startEditing();
    // Button 0 goes up into the wide zone first.
    designer.pressButton(0, {0, 0});
    designer.dropOnPanel({600, 300});
    ASSERT_EQ(twipsOf(0), QRect(QPoint(600, 300), kWide));

    // Square button 5 dropped on it lands in the upper zone and stays square.
    designer.pressButton(5, {30, 45});
    designer.dropOnButton(0, {120, 90});
    EXPECT_EQ(twipsOf(5), QRect(QPoint(600 + 120 - 30, 300 + 90 - 45), kSquare));

    // Wide button 0 dropped on square button 9 in the lower zone stays wide.
    designer.pressButton(0, {15, 15});
    designer.dropOnButton(9, {0, 0});
    EXPECT_EQ(twipsOf(0), QRect(QPoint(3600 - 15, 2400 - 15), kWide));
}

TEST_F(ButtonLayoutDesignerTest, stepsOutsideEditing_moveNothing)
{
    const QRect before = twipsOf(3);
    designer.pressButton(3, {10, 10});
    designer.dropOnPanel({100, 100});
    designer.dropOnButton(4, {10, 10});
    EXPECT_EQ(twipsOf(3), before);
    EXPECT_EQ(twipsOf(4), QRect(3600, 1920, 375, 375));
}

TEST_F(ButtonLayoutDesignerTest, mouseDrag_dropsOnWhatLiesUnderThePointer)
{
    startEditing();
    // Button 12 ("9") is put square into the upper zone by a drop on a button standing there,
    // so that a drop on itself is told apart from a drop on the panel.
    designer.pressButton(1, {0, 0});
    designer.dropOnPanel({3000, 300});
    designer.pressButton(12, {0, 0});
    designer.dropOnButton(1, {0, 0});
    ASSERT_EQ(twipsOf(12), QRect(QPoint(3000, 300), kSquare));

    struct Case {
        const char* what;
        int index;
        QPoint grabPx;
        QPoint releasePx; // on the panel
        QRect expected;
    };
    const Case cases[] = {
        // Press and release on the same spot: a drop on the button itself, which stays as it was.
        {"same spot", 12, {5, 6}, {205, 26}, QRect(QPoint(3000, 300), kSquare)},
        // Panel background, upper zone: 20 px grab offset kept, wide shape.
        {"panel, upper", 4, {5, 6}, {105, 36}, QRect(1500, 450, 1095, 255)},
        // Panel background just under the line: 88 px is 1320 twips.
        {"panel, lower", 4, {5, 6}, {105, 94}, QRect(1500, 1320, 375, 375)},
        // On the zone line itself, which is drawn on the panel.
        {"zone line", 6, {0, 0}, {300, 88}, QRect(4500, 1320, 375, 375)},
        // Onto button 0 (↑ at 1080, 1440, 72 and 96 px): placed by the point inside it.
        {"another button", 13, {2, 3}, {74, 98}, QRect(1080 + 15 * 2 - 30, 1440 + 15 * 2 - 45, 375, 375)},
        // Other controls of the panel and places outside it take no drop.
        {"Command13", 9, {1, 1}, {140, 228}, QRect(3600, 2400, 375, 375)},
        {"Label6", 9, {1, 1}, {20, 20}, QRect(3600, 2400, 375, 375)},
        {"outside", 9, {1, 1}, {460, 100}, QRect(3600, 2400, 375, 375)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        mouseDrag(c.index, c.grabPx, c.releasePx);
        EXPECT_FALSE(designer.dragging());
        EXPECT_EQ(twipsOf(c.index), c.expected);
    }
    EXPECT_EQ(host.clicks(), 0);
}

TEST_F(ButtonLayoutDesignerTest, mouseDrag_anyButtonStarts_outlineFollowsPointer)
{
    startEditing();
    auto* outline = panel->findChild<QFrame*>("LayoutDragOutline");
    ASSERT_NE(outline, nullptr);
    QWindow* window = form.windowHandle();
    const QPoint pressAt = button(4)->mapTo(&form, QPoint(10, 10));
    QTest::mousePress(window, Qt::RightButton, {}, pressAt);
    EXPECT_TRUE(designer.dragging());
    EXPECT_EQ(designer.DraggedButton(), 4);
    EXPECT_EQ(designer.GrabX(4), 150);

    const QPoint to = panel->mapTo(&form, QPoint(300, 150));
    QTest::mouseMove(window, to);
    EXPECT_TRUE(outline->isVisible());
    EXPECT_EQ(outline->geometry(), QRect(290, 140, 25, 25));
    // The dragged button waits for the drop.
    EXPECT_EQ(twipsOf(4), QRect(3600, 1920, 375, 375));

    QTest::mouseRelease(window, Qt::RightButton, {}, to);
    EXPECT_FALSE(outline->isVisible());
    EXPECT_EQ(twipsOf(4), QRect(4350, 2100, 375, 375));
}

TEST_F(ButtonLayoutDesignerTest, restoreDefaults_showsHiddenAndUndoesWideShapes)
{
    // Every button square and visible, the numbered ones 120 right of the designed layout.
    const QPoint defaults[] = {{1080, 1440}, {1680, 2040}, {1080, 2640}, {480, 2040},  {3720, 1920},
                               {4200, 1920}, {4680, 1920}, {5160, 1920}, {5640, 1920}, {3720, 2400},
                               {4200, 2400}, {4680, 2400}, {5160, 2400}, {5640, 2400}};
    startEditing();
    designer.pressButton(0, {0, 0});
    designer.dropOnPanel({10, 10});
    designer.pressButton(13, {0, 0});
    designer.dropOnPanel({2000, 100});
    button(7)->hide();
    button(0)->hide();

    form.restoreLayoutButton()->click();

    EXPECT_EQ(host.calls, std::vector<std::string>{"click"});
    for (int i = 0; i < rukcon::ui::kLayoutButtonCount; ++i) {
        EXPECT_EQ(twipsOf(i), QRect(defaults[i], kSquare)) << i;
        EXPECT_TRUE(button(i)->isVisible()) << i;
    }
    EXPECT_TRUE(designer.LayoutEditing()); // stored only by the confirmation
    EXPECT_TRUE(host.saved.empty());
}

TEST_F(ButtonLayoutDesignerTest, confirm_savesLayoutAndLeavesEditing)
{
    form.showProfileName("シューティング");
    startEditing();
    designer.pressButton(4, {0, 0});
    designer.dropOnPanel({1500, 1200});
    form.hideButtonBox()->setChecked(true);

    form.confirmLayoutButton()->click();

    EXPECT_EQ(host.calls, (std::vector<std::string>{"click", "save"}));
    ASSERT_EQ(host.saved.size(), 14u);
    EXPECT_EQ(host.saved[4], QRect(QPoint(1500, 1200), kWide));
    EXPECT_FALSE(form.hideButtonBox()->isVisible());
    EXPECT_FALSE(form.restoreLayoutButton()->isVisible());
    EXPECT_FALSE(form.confirmLayoutButton()->isVisible());
    EXPECT_EQ(form.nameLabel(18)->text(), "シューティング");
    EXPECT_FALSE(designer.LayoutEditing());
    EXPECT_TRUE(form.hideButtonBox()->isChecked()); // the tick outlives the box being hidden

    // Now a press on a button no longer drags.
    mouseDrag(5, {1, 1}, {10, 200});
    EXPECT_EQ(twipsOf(5), QRect(4080, 1920, 375, 375));
}

TEST_F(ButtonLayoutDesignerTest, clickOutsideEditing_showsThatInputsTab)
{
    // ↑ → ↓ ← then the buttons 1 … 10.
    const int tabs[] = {12, 11, 13, 10, 0, 1, 2, 3, 4, 5, 6, 7, 8, 9};
    for (int i = 0; i < rukcon::ui::kLayoutButtonCount; ++i) {
        SCOPED_TRACE(button(i)->text().toStdString());
        form.settingsModeBox()->setChecked(false);
        form.settingsTabs()->setCurrentIndex(tabs[i] + 1);
        host.calls.clear();

        mouseClick(button(i));

        EXPECT_EQ(host.calls, std::vector<std::string>{"click"});
        EXPECT_TRUE(form.settingsModeBox()->isChecked());
        EXPECT_FALSE(panel->isVisible());
        EXPECT_EQ(form.settingsTabs()->currentIndex(), tabs[i]);
        EXPECT_EQ(rukcon::ui::buttonColour(button(i)), 0xFF8000u);
    }
    EXPECT_EQ(form.settingsTabs()->tabText(12), "↑ボタン");
    EXPECT_EQ(form.settingsTabs()->tabText(9), "第10ボタン");
}

TEST_F(ButtonLayoutDesignerTest, hideButtonTicked_nextClickHidesButtonOnly_thenClicksJumpAgain)
{
    startEditing();
    form.hideButtonBox()->setChecked(true);
    // Clicks while editing are drags: nothing is hidden yet.
    mouseClick(button(10));
    EXPECT_TRUE(button(10)->isVisible());
    form.confirmLayoutButton()->click();
    form.settingsTabs()->setCurrentIndex(3);
    host.calls.clear();

    mouseClick(button(10));

    EXPECT_FALSE(button(10)->isVisible());
    EXPECT_FALSE(form.hideButtonBox()->isChecked());
    EXPECT_TRUE(host.calls.empty());
    EXPECT_FALSE(form.settingsModeBox()->isChecked());
    EXPECT_EQ(form.settingsTabs()->currentIndex(), 3);
    EXPECT_EQ(rukcon::ui::buttonColour(button(10)), rukcon::ui::kLayoutButtonDesignBgr);

    mouseClick(button(11));
    EXPECT_FALSE(button(11)->isHidden());
    EXPECT_EQ(form.settingsTabs()->currentIndex(), 7);
}

TEST(LayoutButtonTwipsTest, keepsExactTwips_untilPlacedInPixelsElsewhere)
{
    QWidget panel;
    QPushButton b(&panel);
    rukcon::ui::setLayoutButtonTwips(&b, QRect(1319, 1319, 1095, 255));
    EXPECT_EQ(b.geometry(), QRect(88, 88, 73, 17));
    EXPECT_EQ(layoutButtonTwips(&b), QRect(1319, 1319, 1095, 255));

    b.setGeometry(10, 20, 25, 25);
    EXPECT_EQ(layoutButtonTwips(&b), QRect(150, 300, 375, 375));

    rukcon::ui::setLayoutButtonTwips(&b, QRect(-7, -8, 375, 375));
    EXPECT_EQ(b.geometry(), QRect(0, -1, 25, 25));
    EXPECT_EQ(layoutButtonTwips(&b), QRect(-7, -8, 375, 375));
}

} // namespace
