#include "app/TrayCommands.h"

#include "app/ProfileBinder.h"
#include "settings/LastExitFile.h"
#include "settings/Profile.h"
#include "settings/UserDefaultFile.h"
#include "settings/UserMenu.h"
#include "sound/SoundService.h"
#include "target/TargetActivation.h"
#include "ui/Form1.h"
#include "ui/MultiRowTabWidget.h"
#include "ui/SettingsPages.h"
#include "ui/TrayWindow.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QLineEdit>

namespace rukcon::app {

TrayCommands::TrayCommands(Parts parts) : m_parts(std::move(parts))
{
    ui::TrayWindow& tray = m_parts.tray;
    connect(tray.operationCheckItem(), &QAction::triggered, this, &TrayCommands::onOpenOperationCheck);
    connect(tray.pauseItem(), &QAction::triggered, this, &TrayCommands::onTogglePause);
    connect(tray.activateItem(), &QAction::triggered, this, &TrayCommands::onActivateTarget);
    connect(tray.openUserMenuItem(), &QAction::triggered, this, &TrayCommands::onOpenUserMenu);
    for (int k = 1; k <= ui::TrayWindow::kMenuEntries; ++k)
        connect(tray.userMenuItem(k), &QAction::triggered, this, [this, k] { onUserMenuItem(k); });
    connect(tray.lastExitItem(), &QAction::triggered, this, &TrayCommands::onRestoreLastExit);
    connect(tray.userDefaultItem(), &QAction::triggered, this, &TrayCommands::onApplyUserDefault);
    connect(tray.initialStateItem(), &QAction::triggered, this, &TrayCommands::onRestoreInitialState);
    connect(tray.exitItem(), &QAction::triggered, this, [this] { m_parts.exitProgram(); });
}

void TrayCommands::onOpenOperationCheck()
{
    ui::Form1& form = m_parts.form;
    m_parts.sound.playClick();
    form.setWindowState(form.windowState() & ~Qt::WindowMinimized);
    form.showSettingsArea(false);
    m_parts.setPaused(false);
    m_parts.tray.RemoveIcon();
    m_parts.showMainWindow();
    form.settingsModeBox()->setChecked(false);
    form.keepAboveBox()->setChecked(false);
}

void TrayCommands::onTogglePause()
{
    // The item's own check mark has already flipped when this runs; the sound follows the new state.
    QAction* teisi = m_parts.tray.pauseItem();
    if (teisi->isChecked())
        m_parts.sound.playAlert();
    else
        m_parts.sound.playClick();
}

void TrayCommands::onActivateTarget()
{
    m_parts.sound.playClick();
    m_parts.target.ActivateTarget();
}

void TrayCommands::onOpenUserMenu()
{
    ui::Form1& form = m_parts.form;
    m_parts.sound.playClick();
    form.settingsModeBox()->setChecked(true);
    form.settingsTabs()->setCurrentIndex(ui::kMenuTab);
    form.setWindowState(form.windowState() & ~Qt::WindowMinimized);
    m_parts.setPaused(false);
    m_parts.tray.RemoveIcon();
    m_parts.showMainWindow();
    form.keepAboveBox()->setChecked(false);
}

void TrayCommands::onUserMenuItem(int k)
{
    m_parts.setPaused(false);
    m_parts.sound.playClick();
    applyUserMenuEntry(k);
    RefreshTrayIcon();
}

bool TrayCommands::applyUserMenuEntry(int k)
{
    m_parts.menu.setSelectedMenuEntry(k - 1);
    if (!m_parts.menu.ApplyMenuEntry())
        return false;
    // The icon is away while the main window is shown; it takes the new name when it returns.
    ui::TrayWindow& tray = m_parts.tray;
    tray.setWindowTitle(m_parts.form.profileNameBox()->text());
    if (tray.iconPresent())
        tray.ChangeToolTip(tray.windowTitle());
    return true;
}

void TrayCommands::onRestoreLastExit()
{
    m_parts.sound.playClick();
    m_parts.lastExit.LoadLastExit();
    m_parts.target.ActivateTarget();
}

void TrayCommands::onApplyUserDefault()
{
    m_parts.sound.playClick();
    m_parts.userDefault.ApplyUserDefault();
    showProfileNameInTray();
    m_parts.target.ActivateTarget();
    RefreshTrayIcon();
}

void TrayCommands::onRestoreInitialState()
{
    m_parts.sound.playClick();
    m_parts.profile.apply(settings::TrayInitialProfile(),
                          {settings::ProfileOrigin::BuiltIn, settings::NameOrder::CaptionFirst});
    RefreshTrayIcon();
}

void TrayCommands::RefreshTrayIcon()
{
    showProfileNameInTray();
    m_parts.target.ActivateTarget();
}

void TrayCommands::showProfileNameInTray()
{
    ui::TrayWindow& tray = m_parts.tray;
    tray.RemoveIcon();
    tray.setWindowTitle(m_parts.form.profileNameBox()->text());
    tray.ShowIcon();
}

} // namespace rukcon::app
