#include "app/TrayCommands.h"

#include "settings/LastExitFile.h"
#include "settings/Profile.h"
#include "settings/ProfileInForce.h"
#include "settings/UserDefaultFile.h"
#include "settings/UserMenu.h"
#include "sound/SoundEffects.h"
#include "target/TargetActivation.h"
#include "ui/MainWindow.h"
#include "ui/MultiRowTabWidget.h"
#include "ui/SettingsPages.h"
#include "ui/TrayWindow.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QLineEdit>

namespace rukcon::app {

TrayCommands::TrayCommands(Deps deps) : m_deps(std::move(deps))
{
    ui::TrayWindow& tray = m_deps.tray;
    connect(tray.operationCheckItem(), &QAction::triggered, this, &TrayCommands::onOpenOperationCheck);
    connect(tray.pauseItem(), &QAction::triggered, this, &TrayCommands::onTogglePause);
    connect(tray.activateItem(), &QAction::triggered, this, &TrayCommands::onActivateTarget);
    connect(tray.openUserMenuItem(), &QAction::triggered, this, &TrayCommands::onOpenUserMenu);
    for (int k = 1; k <= ui::TrayWindow::kMenuEntries; ++k)
        connect(tray.userMenuItem(k), &QAction::triggered, this, [this, k] { onUserMenuItem(k); });
    connect(tray.lastExitItem(), &QAction::triggered, this, &TrayCommands::onRestoreLastExit);
    connect(tray.userDefaultItem(), &QAction::triggered, this, &TrayCommands::onApplyUserDefault);
    connect(tray.initialStateItem(), &QAction::triggered, this, &TrayCommands::onRestoreInitialState);
    connect(tray.exitItem(), &QAction::triggered, this, [this] { m_deps.exitProgram(); });
}

void TrayCommands::onOpenOperationCheck()
{
    ui::MainWindow& form = m_deps.form;
    m_deps.sound.playClick();
    form.setWindowState(form.windowState() & ~Qt::WindowMinimized);
    form.showSettingsArea(false);
    m_deps.setPaused(false);
    m_deps.tray.RemoveIcon();
    m_deps.showMainWindow();
    m_deps.setSettingsMode(false);
    form.keepAboveBox()->setChecked(false);
}

void TrayCommands::onTogglePause()
{
    // The item's own check mark has already flipped when this runs; the sound follows the new state.
    QAction* teisi = m_deps.tray.pauseItem();
    if (teisi->isChecked())
        m_deps.sound.playAlert();
    else
        m_deps.sound.playClick();
}

void TrayCommands::onActivateTarget()
{
    m_deps.sound.playClick();
    m_deps.target.ActivateTarget();
}

void TrayCommands::onOpenUserMenu()
{
    ui::MainWindow& form = m_deps.form;
    m_deps.sound.playClick();
    m_deps.setSettingsMode(true);
    form.settingsTabs()->setCurrentIndex(ui::kMenuTab);
    form.setWindowState(form.windowState() & ~Qt::WindowMinimized);
    m_deps.setPaused(false);
    m_deps.tray.RemoveIcon();
    m_deps.showMainWindow();
    form.keepAboveBox()->setChecked(false);
}

void TrayCommands::onUserMenuItem(int k)
{
    m_deps.setPaused(false);
    m_deps.sound.playClick();
    applyUserMenuEntry(k);
    RefreshTrayIcon();
}

bool TrayCommands::applyUserMenuEntry(int k)
{
    m_deps.menu.setSelectedMenuEntry(k - 1);
    if (!m_deps.menu.ApplyMenuEntry())
        return false;
    // The icon is away while the main window is shown; it takes the new name when it returns.
    ui::TrayWindow& tray = m_deps.tray;
    tray.setWindowTitle(QString::fromStdString(m_deps.profile.profile().name));
    if (tray.iconPresent())
        tray.ChangeToolTip(tray.windowTitle());
    return true;
}

void TrayCommands::onRestoreLastExit()
{
    m_deps.sound.playClick();
    m_deps.lastExit.LoadLastExit();
    m_deps.target.ActivateTarget();
}

void TrayCommands::onApplyUserDefault()
{
    m_deps.sound.playClick();
    m_deps.userDefault.ApplyUserDefault();
    showProfileNameInTray();
    m_deps.target.ActivateTarget();
    RefreshTrayIcon();
}

void TrayCommands::onRestoreInitialState()
{
    m_deps.sound.playClick();
    m_deps.profile.apply(settings::TrayInitialProfile(),
                         {settings::ProfileOrigin::BuiltIn, settings::NameOrder::CaptionFirst});
    RefreshTrayIcon();
}

void TrayCommands::RefreshTrayIcon()
{
    showProfileNameInTray();
    m_deps.target.ActivateTarget();
}

void TrayCommands::showProfileNameInTray()
{
    ui::TrayWindow& tray = m_deps.tray;
    tray.RemoveIcon();
    tray.setWindowTitle(QString::fromStdString(m_deps.profile.profile().name));
    tray.ShowIcon();
}

} // namespace rukcon::app
