#include "app/ProfileBinder.h"
#include "AppFixture.h"
#include "app/MainWindowKeyLists.h"
#include "input/KeyTable.h"
#include "ui/MultiRowTabWidget.h"
#include "ui/TrayWindow.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QTimer>

using namespace rukcon;
using namespace rukcon::test;

namespace {

struct ApplyCase {
    settings::ApplyOrder order;
    std::vector<std::string> handlers; // the change signals, in the order they must come
    int listSizeAfter;                 // of every key box, filled once before
};

class ProfileBinderTest : public AppFixture, public ::testing::WithParamInterface<ApplyCase> {
protected:
    std::vector<std::string> handlers;

    // Known values, then every change signal of the profile's widgets recorded.
    void startRecording()
    {
        app::MainWindowKeyLists lists(form(), app->keyLists());
        input::FillKeyLists(lists);
        app->setReactionTime(300);
        app->setArrowMultiplier(5);
        form().profileNameBox()->setText("old");
        form().captionFragmentBox()->setEditText("old");
        QObject::connect(form().reactionTimeBar(), &QScrollBar::valueChanged,
                         [this] { handlers.push_back("reaction"); });
        QObject::connect(form().multiplierBar(), &QScrollBar::valueChanged,
                         [this] { handlers.push_back("multiplier"); });
        QObject::connect(form().profileNameBox(), &QLineEdit::textChanged, [this] { handlers.push_back("name"); });
        QObject::connect(form().captionFragmentBox(), &QComboBox::editTextChanged,
                         [this] { handlers.push_back("caption"); });
    }

    static settings::Profile sample()
    {
        settings::Profile profile;
        for (int s = 0; s < settings::kSlotCount; ++s)
            for (int k = 0; k < settings::kKeyPositions; ++k)
                profile.keys[s][k] = "任意" + std::to_string(s) + "-" + std::to_string(k); // any text stands
        profile.reactionTime = 200;
        profile.arrowMultiplier = 3;
        profile.name = "名前";
        profile.captionFragment = "窓";
        return profile;
    }
};

TEST_P(ProfileBinderTest, apply_handlersInOrder_readGivesItBack)
{
    startRecording();
    EXPECT_TRUE(app->profile().apply(sample(), GetParam().order));
    EXPECT_EQ(handlers, GetParam().handlers);
    EXPECT_EQ(app->profile().read(), sample());
    EXPECT_EQ(app->pollTimer().interval(), 200);
    EXPECT_EQ(app->pollCycle().ArrowMultiplier, 3);
    for (int s = 0; s < settings::kSlotCount; ++s)
        for (int k = 0; k < settings::kKeyPositions; ++k)
            EXPECT_EQ(form().keyChoiceBox(s, k)->count(), GetParam().listSizeAfter) << s << "/" << k;
}

using settings::NameOrder;
using settings::ProfileOrigin;
INSTANTIATE_TEST_SUITE_P(
    Orders, ProfileBinderTest,
    ::testing::Values(
        ApplyCase{{ProfileOrigin::Record, NameOrder::NameFirst}, {"multiplier", "reaction", "name", "caption"}, 106},
        ApplyCase{{ProfileOrigin::Record, NameOrder::CaptionFirst}, {"multiplier", "reaction", "caption", "name"}, 106},
        ApplyCase{
            {ProfileOrigin::BuiltIn, NameOrder::CaptionFirst}, {"reaction", "multiplier", "caption", "name"}, 0}));

// A number the bar refuses leaves that bar (and what its handler sets) alone; the rest goes in.
TEST_F(ProfileBinderTest, apply_refusedReactionTime_falseBarKeptRestApplied)
{
    startRecording();
    settings::Profile profile = sample();
    profile.reactionTime = 0;
    EXPECT_FALSE(app->profile().apply(profile, {ProfileOrigin::Record, NameOrder::NameFirst}));
    EXPECT_EQ(form().reactionTimeBar()->value(), 300);
    EXPECT_EQ(app->pollTimer().interval(), 300);
    EXPECT_EQ(handlers, (std::vector<std::string>{"multiplier", "name", "caption"}));
    EXPECT_EQ(app->profile().read().name, "名前");
}

// What a user does in the window is in force at once, with no step that reads the widgets back.
TEST_F(ProfileBinderTest, usersEdits_goIntoTheStateAtOnce)
{
    form().keyChoiceBox(3, 1)->lineEdit()->setText("-Q-"); // typed
    form().profileNameBox()->setText("手入力");
    form().captionFragmentBox()->lineEdit()->setText("窓の名");
    form().reactionTimeBar()->setValue(420); // dragged
    form().multiplierBar()->setValue(7);
    const settings::Profile& inForce = app->state().inForce;
    EXPECT_EQ(inForce.keys[3][1], "-Q-");
    EXPECT_EQ(inForce.name, "手入力");
    EXPECT_EQ(inForce.captionFragment, "窓の名");
    EXPECT_EQ(inForce.reactionTime, 420);
    EXPECT_EQ(app->pollTimer().interval(), 420);
    EXPECT_EQ(form().reactionTimeValue()->text(), "420");
    EXPECT_EQ(inForce.arrowMultiplier, 7);
    EXPECT_EQ(app->pollCycle().ArrowMultiplier, 7);

    form().settingsModeBox()->setChecked(false);
    EXPECT_FALSE(app->state().settingsMode);
    app->setPaused(true);
    EXPECT_TRUE(app->state().paused);
}

// Only the page shown first is built at start; a page opened later shows the profile in force,
// lists and name included, and carries edits from then on.
TEST_F(ProfileBinderTest, slotPageOpenedLater_showsTheStateInForce)
{
    const auto built = [this](const char* name, int slot) {
        return form().findChild<QWidget*>(QString("%1_%2").arg(name).arg(slot)) != nullptr;
    };
    EXPECT_TRUE(built("Combo1", 0));
    for (int slot = 1; slot < settings::kSlotCount; ++slot)
        for (const char* name : {"Combo1", "Combo3", "Combo4"})
            EXPECT_FALSE(built(name, slot)) << name << "_" << slot;
    EXPECT_FALSE(built("Label16", 5));

    startRecording();
    ASSERT_TRUE(app->profile().apply(sample(), {ProfileOrigin::Record, NameOrder::NameFirst}));
    EXPECT_FALSE(built("Combo1", 5)) << "putting a profile in force builds nothing";

    form().show();
    form().settingsTabs()->setCurrentIndex(5);
    for (int k = 0; k < settings::kKeyPositions; ++k) {
        auto* box = form().findChild<QComboBox*>(QString("%1_5").arg(k == 0 ? "Combo1" : k == 1 ? "Combo3" : "Combo4"));
        ASSERT_NE(box, nullptr);
        EXPECT_TRUE(box->isVisible());
        EXPECT_EQ(box->currentText().toStdString(), sample().keys[5][k]);
        EXPECT_EQ(box->count(), 106);
    }
    EXPECT_EQ(form().findChild<QLabel*>("Label16_5")->text(), "名前");

    form().findChild<QComboBox*>("Combo3_5")->lineEdit()->setText("-W-");
    EXPECT_EQ(app->state().inForce.keys[5][1], "-W-");

    form().settingsTabs()->setCurrentIndex(ui::kActivationTab);
    EXPECT_TRUE(form().findChild<QWidget*>("Combo1_14")->isVisible());
    EXPECT_FALSE(form().findChild<QWidget*>("Combo3_14")->isVisible());
    EXPECT_FALSE(form().findChild<QWidget*>("Combo4_14")->isVisible());
}

// The pages 反応時間, 名前・保存 and メニュー are not built before they are opened; what was put
// into force meanwhile (numbers, name, caption fragment and its list, menu entries, the name
// tab's message) is what they show when they are, and they carry edits from then on.
TEST_F(ProfileBinderTest, otherPagesOpenedLater_showTheStateInForce)
{
    for (const char* name : {"HScroll1", "Text2", "Combo2", "Label12_0", "Command14"})
        EXPECT_EQ(form().findChild<QWidget*>(name), nullptr) << name;

    windows->add(7, "エディタ");
    app->targetActivation().RefreshCaptionList();
    ASSERT_TRUE(app->profile().apply(sample(), {ProfileOrigin::Record, NameOrder::NameFirst}));
    ASSERT_TRUE(app->settingsStore().menu().AddCurrentToMenu());
    for (const char* name : {"HScroll1", "Text2", "Label12_0"})
        EXPECT_EQ(form().findChild<QWidget*>(name), nullptr) << name << " built by putting a profile in force";

    form().show();
    form().settingsTabs()->setCurrentIndex(ui::kTimingTab);
    EXPECT_EQ(form().findChild<QScrollBar*>("HScroll1")->value(), 200);
    EXPECT_EQ(form().findChild<QLabel*>("Label5")->text(), "200");
    EXPECT_EQ(form().findChild<QScrollBar*>("HScroll2")->value(), 3);
    EXPECT_EQ(form().findChild<QLabel*>("Label8")->text(), "3");
    EXPECT_EQ(form().findChild<QLabel*>("Label16_14")->text(), "名前");
    EXPECT_TRUE(form().findChild<QWidget*>("HScroll1")->isVisible());

    form().settingsTabs()->setCurrentIndex(ui::kNamingTab);
    EXPECT_EQ(form().findChild<QLineEdit*>("Text2")->text(), "名前");
    auto* captionBox = form().findChild<QComboBox*>("Combo2");
    EXPECT_EQ(captionBox->currentText(), "窓");
    ASSERT_EQ(captionBox->count(), 1);
    EXPECT_EQ(captionBox->itemText(0), "エディタ");

    form().settingsTabs()->setCurrentIndex(ui::kMenuTab);
    EXPECT_EQ(form().findChild<QLabel*>("Label12_0")->text(), "名前");

    form().findChild<QScrollBar*>("HScroll1")->setValue(650);
    form().findChild<QLineEdit*>("Text2")->setText("新しい名前");
    captionBox->setEditText("別の窓");
    EXPECT_EQ(app->state().inForce.reactionTime, 650);
    EXPECT_EQ(app->pollTimer().interval(), 650);
    EXPECT_EQ(app->state().inForce.name, "新しい名前");
    EXPECT_EQ(app->tray().windowTitle(), "新しい名前");
    EXPECT_EQ(app->state().inForce.captionFragment, "別の窓");
}

} // namespace
