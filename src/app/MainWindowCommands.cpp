#include "app/MainWindowCommands.h"

#include "app/MainWindowKeyLists.h"
#include "app/ProfileBinder.h"
#include "settings/LastExitFile.h"
#include "settings/Profile.h"
#include "settings/ProfileInForce.h"
#include "settings/SettingsFolder.h"
#include "settings/SettingsHistory.h"
#include "settings/UserDefaultFile.h"
#include "settings/UserMenu.h"
#include "settings/WindowGeometryFile.h"
#include "sound/SoundEffects.h"
#include "target/TargetActivation.h"
#include "ui/Colours.h"
#include "ui/HistoryFolderWindow.h"
#include "ui/MainWindow.h"
#include "ui/MultiRowTabWidget.h"
#include "ui/Twips.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QFile>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>

namespace rukcon::app {

MainWindowCommands::MainWindowCommands(Deps deps) : m_deps(std::move(deps)), m_drops(m_deps.history, m_deps.sound)
{
    ui::MainWindow& form = m_deps.form;

    // toggled fires only on a change, so setting the mode it is already in runs nothing.
    connect(form.settingsModeBox(), &QCheckBox::toggled, this, &MainWindowCommands::onSettingsModeChanged);
    const auto watchFirstKey = [this](int slot) {
        connect(m_deps.form.existingKeyChoiceBox(slot, 0), &QComboBox::activated, this,
                [this, slot] { onFirstKeyChosen(slot); });
    };
    for (int slot = 0; slot < ui::kSlotCount; ++slot)
        if (form.isSlotPageBuilt(slot))
            watchFirstKey(slot);
    connect(&form, &ui::MainWindow::slotPageBuilt, this, watchFirstKey);
    // The caption fragment box needs no handler: the activation reads the caption fragment in force each time.
    connect(&m_deps.binder, &ProfileBinder::profileNameChanged, this, &MainWindowCommands::onProfileNameChanged);

    const std::pair<QPushButton*, void (MainWindowCommands::*)()> buttons[] = {
        {form.exitButton(), &MainWindowCommands::onExit},
        {form.menuTabButton(), &MainWindowCommands::onOpenMenuTab},
        {form.saveToMenuButton(), &MainWindowCommands::onSaveToMenu},
        {form.otherTabButton(), &MainWindowCommands::onOpenOtherTab},
        {form.newSettingsButton(), &MainWindowCommands::onNewSettings},
        {form.operationCheckButton(), &MainWindowCommands::onOperationCheck},
    };
    for (const auto& [button, handler] : buttons)
        connect(button, &QPushButton::clicked, this, handler);
    // The buttons and labels of the pages built when first opened get their handlers then.
    for (int tab : {ui::kNamingTab, ui::kMenuTab, ui::kOtherTab})
        if (form.isPageBuilt(tab))
            watchPage(tab);
    connect(&form, &ui::MainWindow::pageBuilt, this, &MainWindowCommands::watchPage);

    m_drops.watch(&form);
    m_drops.watch(form.settingsTabs());
}

void MainWindowCommands::watchPage(int tab)
{
    ui::MainWindow& form = m_deps.form;
    std::vector<std::pair<QPushButton*, void (MainWindowCommands::*)()>> buttons;
    if (tab == ui::kNamingTab) {
        buttons = {{form.nameTabSaveButton(), &MainWindowCommands::onSaveFromNameTab},
                   {form.saveUserDefaultButton(), &MainWindowCommands::onSaveUserDefault}};
    } else if (tab == ui::kMenuTab) {
        buttons = {{form.applyUserDefaultButton(), &MainWindowCommands::onApplyUserDefault},
                   {form.applyLastExitButton(), &MainWindowCommands::onApplyLastExit}};
        for (int i = 0; i < ui::kMenuEntryCount; ++i)
            form.menuLabel(i)->installEventFilter(this);
    } else if (tab == ui::kOtherTab) {
        buttons = {{form.saveWindowPlaceButton(), &MainWindowCommands::onSaveWindowPlace},
                   {form.openHistoryFolderButton(), &MainWindowCommands::onOpenHistoryFolder},
                   {form.reloadListsButton(), &MainWindowCommands::onReloadLists}};
    }
    for (const auto& [button, handler] : buttons)
        connect(button, &QPushButton::clicked, this, handler);
}

MainWindowCommands::~MainWindowCommands()
{
    for (const QPointer<ui::HistoryFolderWindow>& window : m_openedFolderWindows)
        delete window.data();
}

void MainWindowCommands::onSettingsModeChanged(bool on)
{
    ui::MainWindow& form = m_deps.form;
    if (on) {
        m_deps.target.RefreshCaptionList();
        form.settingsTabs()->show();
        if (form.isPanelBuilt())
            form.buttonPanel()->hide();
        return;
    }
    form.buttonPanel()->show();
    form.buttonPanel()->move(ui::twips(ui::kPanelShownAt.x()), ui::twips(ui::kPanelShownAt.y()));
    form.settingsTabs()->hide();
}

void MainWindowCommands::onFirstKeyChosen(int /*slot*/)
{
    m_deps.setSettingsMode(true);
}

void MainWindowCommands::onProfileNameChanged(const QString& text)
{
    m_deps.trayTexts.setTrayCaption(text);
    m_deps.trayTexts.setActivateItemCaption(text + QString::fromUtf8(kActivateItemSuffix));
    m_deps.form.showProfileName(text);
}

bool MainWindowCommands::addToMenu()
{
    m_deps.sound.playClick();
    return m_deps.menu.AddCurrentToMenu();
}

void MainWindowCommands::enterSettingsTab(int tab)
{
    m_deps.setSettingsMode(true);
    m_deps.form.settingsTabs()->setCurrentIndex(tab);
}

void MainWindowCommands::fillKeyLists()
{
    MainWindowKeyLists lists(m_deps.form, m_deps.keyLists);
    input::FillKeyLists(lists);
}

void MainWindowCommands::onSaveFromNameTab()
{
    addToMenu();
}

void MainWindowCommands::onExit()
{
    m_deps.exitProgram();
}

void MainWindowCommands::onSaveUserDefault()
{
    m_deps.sound.playClick();
    m_deps.userDefault.SaveUserDefault();
}

void MainWindowCommands::onApplyUserDefault()
{
    m_deps.sound.playClick();
    m_deps.userDefault.ApplyUserDefault();
}

void MainWindowCommands::onOpenMenuTab()
{
    m_deps.sound.playClick();
    enterSettingsTab(ui::kMenuTab);
}

void MainWindowCommands::onSaveWindowPlace()
{
    settings::WindowGeometryFile& geometry = m_deps.geometry;
    // A folder window the user has closed is gone; the remembered place then stays as it was.
    if (const ui::HistoryFolderWindow* window = m_folderWindow.data(); window && window->isVisible())
        geometry.setFolderWindow({window->y(), window->x(), window->height(), window->width()});
    geometry.SaveWindowGeometry();
}

void MainWindowCommands::onApplyLastExit()
{
    m_deps.sound.playClick();
    m_deps.lastExit.LoadLastExit();
}

void MainWindowCommands::onSaveToMenu()
{
    if (addToMenu())
        enterSettingsTab(ui::kMenuTab);
}

void MainWindowCommands::onOpenHistoryFolder()
{
    const settings::SettingsFolder& folder = m_deps.folder;
    folder.EnsureHistoryFolder();
    auto* window = new ui::HistoryFolderWindow(QFile::decodeName(folder.historyFolder().c_str()));
    window->setAttribute(Qt::WA_DeleteOnClose);
    // Placed before it is shown, so it does not appear elsewhere first.
    const settings::WindowRect& place = m_deps.geometry.folderWindow();
    window->move(place.left, place.top);
    window->resize(place.width, place.height);
    window->show();

    // Every press opens a window of its own; the last one is the one whose place is recorded.
    std::erase_if(m_openedFolderWindows, [](const QPointer<ui::HistoryFolderWindow>& w) { return w.isNull(); });
    m_openedFolderWindows.emplace_back(window);
    m_folderWindow = window;
}

void MainWindowCommands::onReloadLists()
{
    fillKeyLists();
}

void MainWindowCommands::onOpenOtherTab()
{
    m_deps.sound.playClick();
    enterSettingsTab(ui::kOtherTab);
}

void MainWindowCommands::onNewSettings()
{
    ui::MainWindow& form = m_deps.form;
    m_deps.setSettingsMode(true);
    m_deps.sound.playClick();
    form.settingsTabs()->setCurrentIndex(ui::kNamingTab);
    m_deps.profile.apply(settings::NewSettingsProfile(),
                         {settings::ProfileOrigin::BuiltIn, settings::NameOrder::CaptionFirst});
    // The caption list keeps the fragment just set; the key lists, just emptied, are filled again.
    m_deps.target.RefreshCaptionList();
    fillKeyLists();
}

void MainWindowCommands::onOperationCheck()
{
    m_deps.sound.playClick();
    m_deps.setSettingsMode(false);
}

void MainWindowCommands::onMenuLabelPressed(int index, Qt::MouseButton button)
{
    QLabel* label = m_deps.form.menuLabel(index);
    ui::setWidgetColours(label, ui::kWhite, kMenuLabelPressedBgr);
    settings::UserMenu& menu = m_deps.menu;
    menu.setSelectedMenuEntry(index);
    if (button == Qt::RightButton) {
        // Every used entry can go, also one saved without a name, whose label is empty.
        if (index >= menu.menuCount())
            return;
        m_deps.sound.playAlert();
        // Archives the entry first, then saves, reloads and shows the menu, tray included.
        menu.DeleteMenuEntry();
    } else if (!label->text().isEmpty()) {
        m_deps.sound.playClick();
        menu.ApplyMenuEntry();
    }
}

void MainWindowCommands::onMenuLabelReleased(int index)
{
    ui::setWidgetColours(m_deps.form.menuLabel(index), ui::kWhite, ui::kWorkspaceGrey);
}

bool MainWindowCommands::eventFilter(QObject* watched, QEvent* event)
{
    // A double click's second press arrives as its own event type and does not press again.
    if (event->type() != QEvent::MouseButtonPress && event->type() != QEvent::MouseButtonRelease)
        return false;
    for (int i = 0; i < ui::kMenuEntryCount; ++i) {
        if (watched != m_deps.form.menuLabel(i))
            continue;
        if (event->type() == QEvent::MouseButtonPress)
            onMenuLabelPressed(i, static_cast<QMouseEvent*>(event)->button());
        else
            onMenuLabelReleased(i);
        return true;
    }
    return false;
}

} // namespace rukcon::app
