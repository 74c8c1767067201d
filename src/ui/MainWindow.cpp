#include "ui/MainWindow.h"

#include "ui/Colours.h"
#include "ui/ControlFactory.h"
#include "ui/Fonts.h"
#include "ui/HelpPage.h"
#include "ui/MultiRowTabWidget.h"
#include "ui/Twips.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>

namespace rukcon::ui {

namespace {

template <typename T, size_t N> T at(const std::array<T, N>& items, int index)
{
    return index >= 0 && size_t(index) < N ? items[size_t(index)] : T{};
}

} // namespace

MainWindow::MainWindow(QWidget* parent) : QWidget(parent)
{
    setObjectName("Form1");
    setWindowTitle(QString::fromUtf8(kTitle));
    setFont(gothicFont(kDefaultPointSize));

    buildCommandBar();

    m_check2 = makeCheckBox(this, "Check2", QStringLiteral("常に手前に表示"), twipsRect(0, 4320, 1575, 255));
    setWidgetColours(m_check2, kBlack, kWorkspaceGrey);
    m_check1 = makeCheckBox(this, "Check1", QStringLiteral("設定"), twipsRect(1920, 4320, 1095, 255));
    // The program starts in settings mode; the box only carries that state and is never shown.
    m_check1->setChecked(true);
    m_check1->hide();

    buildSettingsTabs();

    for (QLabel* label : findChildren<QLabel*>())
        condenseToFit(label);

    setFrameGeometryTwips(kDefaultFrameGeometry);
}

void MainWindow::buildCommandBar()
{
    struct BarButton {
        int number;
        const char* caption;
        int left;
        int width;
    };
    static constexpr BarButton kBar[] = {
        {17, "動作確認", 240, 1215}, {16, "新規設定", 1560, 1095}, {8, "保存", 2760, 735},
        {5, "メニュー", 3600, 975},  {15, "他設定", 4680, 975},    {2, "終了", 5760, 975},
    };
    const QFont barFont = gothicFont(kBarPointSize);
    for (const BarButton& b : kBar) {
        QPushButton* button =
            makeGraphicalButton(this, QStringLiteral("Command%1").arg(b.number), QString::fromUtf8(b.caption),
                                twipsRect(b.left, 0, b.width, 255), kWorkspaceGrey);
        button->setFont(barFont);
        registerCommand(b.number, button);
    }
    m_commands[8]->setToolTip(QStringLiteral("メニューに追加"));
}

void MainWindow::buildSettingsTabs()
{
    m_ssTab1 = new MultiRowTabWidget(5, this);
    m_ssTab1->setObjectName("SSTab1");
    m_ssTab1->setGeometry(twipsRect(120, 480, 7095, 3735));
    m_ssTab1->setTabFont(gothicFont(kDefaultPointSize));
    addSettingsTabs(m_ssTab1);

    // The help text is built when its tab is first opened: most starts never open it, and a text
    // browser holds some 400 kB the program would otherwise keep all day. So is every other page:
    // only the one shown first is built before the window maps.
    connect(m_ssTab1, &MultiRowTabWidget::currentChanged, this, [this](int index) {
        if (index == kHelpTab && !m_ssTab1->page(kHelpTab)->findChild<HelpPage*>())
            (new HelpPage(m_ssTab1))->show(); // owned by its page
        for (int slot = 0; slot < kSlotCount; ++slot)
            if (tabOfSlot(slot) == index)
                buildSlotPageOnce(slot);
        buildPageOnce(index);
    });

    m_ssTab1->setCurrentIndex(0);
    buildSlotPageOnce(0);
}

void MainWindow::buildSlotPageOnce(int slot)
{
    SlotPageControls& controls = m_slots[size_t(slot)];
    if (controls.combo1)
        return;
    QWidget* page = m_ssTab1->page(tabOfSlot(slot));
    controls = buildSlotPage(page, slot);
    m_label16[size_t(tabOfSlot(slot))] = controls.label16;
    condenseToFit(controls.label16);
    if (m_shownName)
        controls.label16->setText(*m_shownName);
    // Children added to a page that was already shown stay hidden until shown themselves.
    for (QWidget* child : {static_cast<QWidget*>(controls.label16), static_cast<QWidget*>(controls.combo1),
                           static_cast<QWidget*>(controls.combo3), static_cast<QWidget*>(controls.combo4)})
        child->show();
    // The activation key gets one key choice only; the other two exist but stay out of sight.
    if (slot == kActivationSlot) {
        controls.combo3->hide();
        controls.combo4->hide();
    }
    emit slotPageBuilt(slot);
}

bool MainWindow::isPageBuilt(int tab) const
{
    switch (tab) {
    case kTimingTab:
        return m_timing.hScroll1;
    case kNamingTab:
        return m_naming.text2;
    case kMenuTab:
        return m_menu.command4;
    case kOtherTab:
        return m_other.command14;
    default:
        return false;
    }
}

void MainWindow::buildPageOnce(int tab)
{
    if (tab != kTimingTab && tab != kNamingTab && tab != kMenuTab && tab != kOtherTab)
        return;
    if (isPageBuilt(tab))
        return;
    QWidget* page = m_ssTab1->page(tab);
    buildPage(tab);
    for (QLabel* label : page->findChildren<QLabel*>())
        condenseToFit(label);
    // Children added to a page that was already shown stay hidden until shown themselves.
    if (page->isVisible())
        for (QWidget* child : page->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            child->show();
    emit pageBuilt(tab);
}

void MainWindow::buildPage(int tab)
{
    QWidget* page = m_ssTab1->page(tab);
    if (tab == kTimingTab) {
        m_timing = buildTimingPage(page);
        m_label16[kTimingTab] = m_timing.label16;
    } else if (tab == kNamingTab) {
        m_naming = buildNamingPage(page);
        m_label16[kNamingTab] = m_naming.label16;
        registerCommand(1, m_naming.command1);
        registerCommand(3, m_naming.command3);
        if (m_nameTabMessage)
            m_naming.label14->setText(*m_nameTabMessage);
    } else if (tab == kMenuTab) {
        m_menu = buildMenuPage(page);
        m_label16[kMenuTab] = m_menu.label16;
        registerCommand(4, m_menu.command4);
        registerCommand(7, m_menu.command7);
        for (int i = 0; i < kMenuEntryCount; ++i)
            if (const std::optional<QString>& caption = m_menuCaptions[size_t(i)])
                m_menu.label12[size_t(i)]->setText(*caption);
    } else {
        m_other = buildOtherPage(page);
        registerCommand(6, m_other.command6);
        registerCommand(9, m_other.command9);
        registerCommand(10, m_other.command10);
        registerCommand(14, m_other.command14);
    }
    if (m_shownName && m_label16[size_t(tab)])
        m_label16[size_t(tab)]->setText(*m_shownName);
}

const TimingPageControls& MainWindow::timingPage() const
{
    const_cast<MainWindow*>(this)->buildPageOnce(kTimingTab);
    return m_timing;
}

const NamingPageControls& MainWindow::namingPage() const
{
    const_cast<MainWindow*>(this)->buildPageOnce(kNamingTab);
    return m_naming;
}

const MenuPageControls& MainWindow::menuPage() const
{
    const_cast<MainWindow*>(this)->buildPageOnce(kMenuTab);
    return m_menu;
}

QPushButton* MainWindow::pageCommand(int number) const
{
    const int tab = number == 1 || number == 3 ? kNamingTab : number == 4 || number == 7 ? kMenuTab : kOtherTab;
    const_cast<MainWindow*>(this)->buildPageOnce(tab);
    return m_commands[size_t(number)];
}

const PanelControls& MainWindow::panel() const
{
    if (!m_panel.frame1)
        const_cast<MainWindow*>(this)->buildPanel();
    return m_panel;
}

void MainWindow::buildPanel()
{
    m_panel = buildButtonPanel(this);
    m_label16[kNameLabelCount - 1] = m_panel.label16;
    registerCommand(12, m_panel.command12);
    registerCommand(13, m_panel.command13);
    for (QLabel* label : m_panel.frame1->findChildren<QLabel*>())
        condenseToFit(label);
    if (m_shownName)
        m_panel.label16->setText(*m_shownName);
    if (m_status)
        m_panel.label6->setText(*m_status);
    for (int i = 0; i < kLayoutButtonCount; ++i)
        if (const std::optional<IndicatorLook>& look = m_indicatorLooks[size_t(i)])
            setButtonColour(m_panel.command11[size_t(i)], indicatorColour(*look));
    emit panelBuilt();
}

void MainWindow::showStatus(const QString& text)
{
    m_status = text;
    if (m_panel.frame1)
        m_panel.label6->setText(text);
}

void MainWindow::registerCommand(int number, QPushButton* button)
{
    m_commands[size_t(number)] = button;
}

void MainWindow::setFrameGeometryTwips(const QRect& twipsGeometry)
{
    const QRect outer = twipsRect(twipsGeometry.x(), twipsGeometry.y(), twipsGeometry.width(), twipsGeometry.height());
    if (frameGeometry().size() == size())
        m_pendingFrame = outer;
    else
        m_pendingFrame.reset();
    resize(outer.size() - frameExtra());
    move(outer.topLeft()); // move() places the frame, not the client area
}

QSize MainWindow::frameExtra() const
{
    const QSize extra = frameGeometry().size() - size();
    return extra == QSize(0, 0) ? kFrameAllowance : extra;
}

bool MainWindow::event(QEvent* event)
{
    const bool result = QWidget::event(event);
    // The window manager frames the window after it is shown; its first move or resize
    // afterwards tells the real frame, and the guessed one is put right.
    const QEvent::Type type = event->type();
    if (m_pendingFrame && isVisible() && (type == QEvent::Move || type == QEvent::Resize || type == QEvent::Show) &&
        frameGeometry().size() != size()) {
        const QRect outer = *m_pendingFrame;
        m_pendingFrame.reset();
        resize(outer.size() - frameExtra());
        move(outer.topLeft());
    }
    return result;
}

void MainWindow::showSettingsArea(bool settings)
{
    if (settings) {
        m_ssTab1->show();
        if (m_panel.frame1)
            m_panel.frame1->hide();
        return;
    }
    buttonPanel()->move(twips(kPanelShownAt.x()), twips(kPanelShownAt.y()));
    m_panel.frame1->show();
    m_ssTab1->hide();
}

QComboBox* MainWindow::keyChoiceBox(int slot, int position)
{
    if (slot < 0 || slot >= kSlotCount)
        return nullptr;
    buildSlotPageOnce(slot);
    return existingKeyChoiceBox(slot, position);
}

bool MainWindow::isSlotPageBuilt(int slot) const
{
    return slot >= 0 && slot < kSlotCount && m_slots[size_t(slot)].combo1;
}

QComboBox* MainWindow::existingKeyChoiceBox(int slot, int position) const
{
    if (slot < 0 || slot >= kSlotCount)
        return nullptr;
    const SlotPageControls& controls = m_slots[size_t(slot)];
    return position == 0 ? controls.combo1 : position == 1 ? controls.combo3 : controls.combo4;
}

QLabel* MainWindow::nameLabel(int index) const
{
    if (index == kNameLabelCount - 1)
        panel(); // the panel's name label comes with the panel
    return at(m_label16, index);
}

void MainWindow::showProfileName(const QString& name)
{
    m_shownName = name;
    for (QLabel* label : m_label16)
        if (label)
            label->setText(name);
}

QLabel* MainWindow::menuLabel(int index) const
{
    return at(menuPage().label12, index);
}

void MainWindow::showMenuEntry(int index, const QString& caption)
{
    m_menuCaptions.at(size_t(index)) = caption;
    if (isPageBuilt(kMenuTab))
        m_menu.label12[size_t(index)]->setText(caption);
}

void MainWindow::showNameTabMessage(const QString& text)
{
    m_nameTabMessage = text;
    if (isPageBuilt(kNamingTab))
        m_naming.label14->setText(text);
}

QString MainWindow::shownProfileName() const
{
    return m_shownName.value_or(QString::fromUtf8(kNameBoxStart));
}

QPushButton* MainWindow::layoutButton(int index) const
{
    return at(panel().command11, index);
}

void MainWindow::showIndicator(int index, IndicatorLook look)
{
    std::optional<IndicatorLook>& shown = m_indicatorLooks.at(size_t(index));
    if (shown == look)
        return;
    shown = look;
    if (m_panel.frame1)
        setButtonColour(m_panel.command11[size_t(index)], indicatorColour(look));
}

} // namespace rukcon::ui
