#include "ui/SettingsPages.h"

#include "ui/Colours.h"
#include "ui/ControlFactory.h"
#include "ui/Fonts.h"
#include "ui/MultiRowTabWidget.h"
#include "ui/Twips.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>

namespace rukcon::ui {

namespace {

const QString kNameCaption = QStringLiteral("ソフト名");
const QString kAddToMenuTip = QStringLiteral("メニューに追加");
const QString kAnyNameTip = QStringLiteral("任意の名前でOKです。");
const QString kCaptionTip = QStringLiteral("キャプションの一部分を登録してください。");

// Label16 on a tab page: the same place everywhere except on two pages where it makes room.
QLabel* makeNameLabel(QWidget* page, int index)
{
    const int left = index == 3 ? 4080 : index == 17 ? 4320 : 4200;
    auto* label = makeLabel(page, arrayName("Label16", index), kNameCaption, twipsRect(left, 1440, 2055, 255));
    label->setFont(gothicFont(kBarPointSize));
    return label;
}

} // namespace

void addSettingsTabs(MultiRowTabWidget* tabs)
{
    for (int i = 1; i <= 10; ++i)
        tabs->addTab(QStringLiteral("第%1ボタン").arg(i, 2, 10, QLatin1Char('0')));
    for (const char* caption : {"←ボタン", "→ボタン", "↑ボタン", "↓ボタン", "反応時間", "アクティブ設定", "名前・保存",
                                "メニュー", "他設定", "ヘルプ"})
        tabs->addTab(QString::fromUtf8(caption));
}

SlotPageControls buildSlotPage(QWidget* page, int slot)
{
    // The activation key's page sits 120 further right and 240 lower, with a narrower first list.
    const bool activation = slot == kActivationSlot;
    const int left = activation ? 240 : 120;
    const int shift = activation ? 240 : 0;
    SlotPageControls controls;
    controls.label16 = makeNameLabel(page, tabOfSlot(slot));
    controls.combo1 =
        makeComboBox(page, arrayName("Combo1", slot), twipsRect(left, 1440 + shift, activation ? 1935 : 2000, 300));
    controls.combo3 = makeComboBox(page, arrayName("Combo3", slot), twipsRect(left, 1920 + shift, 1935, 300));
    controls.combo4 = makeComboBox(page, arrayName("Combo4", slot), twipsRect(left, 2400 + shift, 1935, 300));
    return controls;
}

TimingPageControls buildTimingPage(QWidget* page)
{
    TimingPageControls c;
    c.label7 = makeLabel(page, "Label7", QStringLiteral("反応時間 1/1000秒単位"), twipsRect(240, 1380, 2415, 255));
    c.label7->setFont(gothicFont(kBarPointSize));
    c.hScroll1 = makeHScrollBar(page, "HScroll1", settings::kReactionTimeMin, settings::kReactionTimeMax,
                                kReactionTimeBarStart, twipsRect(1320, 1740, 2415, 255));
    c.label5 = makeLabel(page, "Label5", QStringLiteral("Label5"), twipsRect(240, 1740, 735, 255));
    c.label5->setFont(gothicFont(kValuePointSize, true));
    c.label9 = makeLabel(page, "Label9", QStringLiteral("矢印の反応倍率"), twipsRect(360, 2520, 1575, 255));
    c.label9->setFont(gothicFont(kBarPointSize));
    c.hScroll2 = makeHScrollBar(page, "HScroll2", settings::kArrowMultiplierMin, settings::kArrowMultiplierMax,
                                kMultiplierBarStart, twipsRect(1320, 2880, 2415, 255));
    c.label8 = makeLabel(page, "Label8", QStringLiteral("Label5"), twipsRect(360, 2880, 735, 255));
    c.label8->setFont(gothicFont(kValuePointSize, true));
    c.label16 = makeNameLabel(page, kTimingTab);
    return c;
}

NamingPageControls buildNamingPage(QWidget* page)
{
    NamingPageControls c;
    c.label10 = makeLabel(page, "Label10", QStringLiteral("コントロールしたいソフト名(自由につけられます)"),
                          twipsRect(120, 1320, 3855, 255));
    c.label10->setToolTip(kAnyNameTip);
    c.text2 = makeTextBox(page, "Text2", QString::fromUtf8(kNameBoxStart), twipsRect(120, 1560, 2415, 270));
    c.text2->setToolTip(kAnyNameTip);
    c.label11 = makeLabel(page, "Label11", QStringLiteral("コントロールしたいソフトのキャプションの一部"),
                          twipsRect(120, 2520, 4455, 255));
    c.label11->setToolTip(kCaptionTip);
    c.combo2 = makeComboBox(page, "Combo2", twipsRect(120, 2880, 4455, 300));
    c.combo2->setEditText(QString::fromUtf8(kCaptionBoxStart));
    c.combo2->setToolTip(kCaptionTip);
    c.label1 = makeLabel(page, "Label1", QStringLiteral("↑のリストは現在起動しているソフトのキャプション名です。"),
                         twipsRect(360, 3240, 4815, 255));
    c.label1->setToolTip(QStringLiteral("設定のチェックボックスをクリックしたときに取得しています。"));
    c.command3 =
        makeButton(page, "Command3", QStringLiteral("ユーザーデフォルトに登録"), twipsRect(4800, 2400, 1695, 375));
    c.command1 =
        makeGraphicalButton(page, "Command1", QStringLiteral("保存"), twipsRect(5040, 3120, 1335, 375), 0x808080);
    c.command1->setToolTip(kAddToMenuTip);
    c.label14 = makeFitLabel(page, "Label14", QString(), twipsRect(3480, 1800, 2775, 255));
    c.label14->setFont(gothicFont(kBarPointSize));
    c.label16 = makeNameLabel(page, kNamingTab);
    return c;
}

MenuPageControls buildMenuPage(QWidget* page)
{
    MenuPageControls c;
    for (int i = 0; i < kMenuEntryCount; ++i) {
        // Two columns of six entries, 360 apart.
        const QRect place = twipsRect(i < 6 ? 120 : 2040, 1320 + 360 * (i % 6), 1695, 255);
        QLabel* entry = makeLabel(page, arrayName("Label12", i), QStringLiteral("Label12"), place);
        entry->setFont(gothicFont(kBarPointSize));
        setWidgetColours(entry, kWhite, kWorkspaceGrey);
        c.label12[size_t(i)] = entry;
    }
    c.command4 = makeButton(page, "Command4", QStringLiteral("ユーザーデフォルト"), twipsRect(4920, 2760, 1335, 375));
    c.command7 = makeButton(page, "Command7", QStringLiteral("前回の設定"), twipsRect(4920, 2160, 1335, 375));
    c.label16 = makeNameLabel(page, kMenuTab);
    return c;
}

OtherPageControls buildOtherPage(QWidget* page)
{
    OtherPageControls c;
    c.command14 = makeButton(page, "Command14", QStringLiteral("コントローラーのボタンの位置の設定"),
                             twipsRect(360, 1440, 2415, 375));
    c.command6 =
        makeButton(page, "Command6", QStringLiteral("このソフトのサイズと位置の設定"), twipsRect(360, 2040, 2415, 375));
    c.command9 =
        makeButton(page, "Command9", QStringLiteral("過去の設定フォルダを開く"), twipsRect(360, 2520, 2415, 375));
    c.command10 = makeButton(page, "Command10", QStringLiteral("リスト再ロード"), twipsRect(360, 3000, 2415, 375));
    return c;
}

} // namespace rukcon::ui
